// Every fixed-layout window and dialog in English: each button, label,
// heading box, check box and group title shows its whole text in its control
// at the control's font, and no two visible controls overlap. In Japanese the
// windows keep their places. Also run at a device pixel ratio of 2 (.dpr2).
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest>

#include <functional>

#include "app/about_dlg.h"
#include "app/hint_text.h"
#include "app/label_box.h"
#include "app/veldrio_dlg.h"
#include "data/edit_data.h"
#include "dialogs/color_def.h"
#include "dialogs/guide_content.h"
#include "dialogs/guide_dialog.h"
#include "dialogs/plane_def.h"
#include "dialogs/ratio_def.h"
#include "dialogs/rectify_def.h"
#include "dialogs/scale_def.h"
#include "platform/fonts.h"
#include "platform/ui_language.h"
#include "res/ids.h"
#include "support/main_dialog_harness.h"
#include "support/viewer_fixture.h"

namespace {

using Check = std::function<void(QWidget& client)>;

template <typename Dialog, typename... Args>
void Show(const Check& check, Args&&... args) {
    Dialog dialog(std::forward<Args>(args)...);
    dialog.show();
    QCoreApplication::processEvents();
    check(dialog);
}

// Opens each fixed-layout window in turn (the main dialog first, the about box next) for check.
void ForEachWindow(const Check& check) {
    {
        MainDialogHarness harness;
        check(*harness.Start()->client());
    }
    Show<CAboutDlg>(check, nullptr);
    {
        ViewerTestWorld world;
        QVERIFY(OpenViewer(world.main, 0, 200, 150));
        check(*App().registry.editWindow->client());
        App().registry.editWindow->close();
        ProcessDeferredDeletes();
    }
    Show<CRatioDef>(check, nullptr, 100, 640, 480);
    Show<CScaleDef>(check, nullptr, 0.1, 25.0);
    Show<CRectifyDef>(check, nullptr, 2.5);
    ColourNumbers numbers = DEFAULT_COLOUR_NUMBERS;
    Show<CColorDef>(check, numbers, nullptr);
    plane::PlaneSetting draft;
    draft.photo = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {5, 5}, {5, 0}};
    draft.widthMm = 160;
    Show<CPlaneDef>(check, nullptr, draft);
    for (const int guide :
         {ID_PROC_GUIDE, ID_EDIT_GUIDE, ID_DATA_EXPLAIN, ID_CUT_GUIDE, ID_HOWTO_GUIDE, IDC_ZONE_GUIDE})
        Show<CGuideDialog>(check, *GuideContentFor(guide), nullptr);
}

// The client's size, then each direct child's x,y,width,height.
QString Places(const QWidget& client) {
    QString places = QStringLiteral("%1x%2").arg(client.width()).arg(client.height());
    for (const QWidget* child : client.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect r = child->geometry();
        if (!child->isWindow())
            places += QStringLiteral(" %1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
    return places;
}

int Widest(const QString& text, const QFontMetrics& metrics) {
    int widest = 0;
    for (const QString& line : QString(text).remove('&').split('\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// Adds to cut when control's text does not fit the room its control gives it.
// Returns whether the control shows a text.
bool CheckText(const QWidget& control, QStringList& cut) {
    QString text;
    QRect room = control.contentsRect();
    QSize need;
    const QFontMetrics metrics = control.fontMetrics();
    if (const auto* hint = qobject_cast<const CHintText*>(&control)) {
        text = hint->text();
        const TextFit fit = hint->Fit();  // at the control's own font, not made smaller
        need = fit.font == hint->font() ? fit.bounds.toAlignedRect().size() : QSize(100000, 0);
    } else if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        text = label->text();
        need = label->wordWrap()
                   ? metrics.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, text).size()
                   : QSize(Widest(text, metrics), metrics.height());
    } else if (const auto* box = qobject_cast<const CLabelBox*>(&control)) {
        text = box->text();  // the heading's fixed-pitch face
        need = {QFontMetrics(platform::MakeFont(platform::kFixedGothic, 9)).horizontalAdvance(text), 0};
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        text = button->text();
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = text;
        room = button->style()->subElementRect(qobject_cast<const QCheckBox*>(button)
                                                   ? QStyle::SE_CheckBoxContents
                                                   : QStyle::SE_PushButtonContents,
                                               &option, button);
        need = {Widest(text, metrics), int(text.count('\n') + 1) * metrics.height()};
    } else if (const auto* group = qobject_cast<const QGroupBox*>(&control)) {
        text = group->title();
        need = {metrics.horizontalAdvance(text), 0};
    }
    if (!text.isEmpty() && (need.width() > room.width() || need.height() > room.height()))
        cut << control.metaObject()->className() + QStringLiteral(" \"%1\" cut").arg(text);
    return !text.isEmpty();
}

// Every visible control's text fits it; the visible controls of each parent
// (the window, its group boxes, a layer over the whole window) do not overlap
// and lie inside it.
QStringList Faults(const QWidget& client, int& texted) {
    QStringList faults;
    QList<const QWidget*> parents = {&client};
    for (const QWidget* child : client.findChildren<QWidget*>())
        if (child->isVisibleTo(&client) && !child->isWindow()) {
            texted += CheckText(*child, faults);
            if (qobject_cast<const QGroupBox*>(child)) parents << child;
        }
    for (int p = 0; p < parents.size(); ++p) {
        QList<QRect> shown;
        for (const QWidget* child : parents[p]->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->isVisibleTo(&client) || child->isWindow()) continue;
            if (child->geometry() == parents[p]->rect())
                parents << child;
            else
                shown << child->geometry();
        }
        for (int i = 0; i < shown.size(); ++i)
            if (!parents[p]->rect().contains(shown[i]) ||
                std::any_of(shown.begin(), shown.begin() + i,
                            [&](QRect r) { return r.intersects(shown[i]); }))
                faults << QStringLiteral("overlap or outside at %1,%2").arg(shown[i].x()).arg(shown[i].y());
    }
    return faults;
}

}  // namespace

class EnglishLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::InstallFontSubstitutions(); }

    void japaneseLayoutsStayAsTheyWere() {
        QStringList places;
        ForEachWindow([&](QWidget& client) { places << Places(client); });
        QCOMPARE(places.value(0),
                 QStringLiteral("536x330 14,20,112,31 133,20,84,26 98,59,168,20 56,91,224,20 287,13,133,137 "
                                "441,13,84,46 14,127,130,26 14,163,511,22 14,202,123,33 196,202,63,33 "
                                "266,202,119,33 14,241,56,26 77,241,56,26 140,241,49,26 196,241,63,33 "
                                "266,241,221,33 14,280,119,34 140,280,105,33 252,280,186,33 452,280,70,33"));
        QCOMPARE(places.value(1),
                 QStringLiteral("411x89 19,28,35,33 70,16,208,13 70,41,208,13 312,11,88,23"));
    }

    void englishTextsFitTheirControls() {
        platform::UseUiLanguage(platform::UiLanguage::English);
        QStringList faults, titles;
        ForEachWindow([&](QWidget& client) {
            titles << client.window()->windowTitle();
            int texted = 0;
            for (const QString& fault : Faults(client, texted))
                faults << titles.last() + ": " + fault;
            QVERIFY2(texted > 0, qPrintable(titles.last()));
        });
        platform::UseUiLanguage(platform::UiLanguage::Japanese);
        QCOMPARE(faults.join('\n'), QString());
        QCOMPARE(titles.value(0), QStringLiteral("Veldrio V2.10"));  // the windows were in English
    }
};

QTEST_MAIN(EnglishLayoutTest)
#include "english_layout_test.moc"
