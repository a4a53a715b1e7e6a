// The fixed-layout windows in English: each label and button shows its whole
// text in its control and no two visible controls overlap (also run at a
// device pixel ratio of 2). In Japanese the controls keep their places.
#include <QAbstractButton>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest>

#include "app/about_dlg.h"
#include "app/hint_text.h"
#include "app/label_box.h"
#include "app/veldrio_dlg.h"
#include "data/edit_data.h"
#include "dialogs/ratio_def.h"
#include "platform/fonts.h"
#include "platform/ui_language.h"
#include "support/main_dialog_harness.h"
#include "support/viewer_fixture.h"

namespace {

// Whether control's text does not fit the room the control gives it.
bool Cut(const QWidget& control) {
    const auto* box = qobject_cast<const CLabelBox*>(&control);  // drawn in a fixed-pitch face
    const auto* label = qobject_cast<const QLabel*>(&control);
    const auto* button = qobject_cast<const QAbstractButton*>(&control);
    const QString text = box ? box->text() : label || button ? control.property("text").toString() : "";
    const QFontMetrics metrics(box ? platform::MakeFont(platform::kFixedGothic, 9) : control.font());
    QRect room = control.contentsRect();
    QSize need = metrics.size(Qt::TextShowMnemonic, text);
    if (const auto* hint = qobject_cast<const CHintText*>(&control)) {
        const TextFit fit = hint->Fit();  // at the control's own font, not made smaller
        need = fit.font == hint->font() ? fit.bounds.toAlignedRect().size() : QSize(100000, 0);
    } else if (label && label->wordWrap()) {
        need = metrics.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, text).size();
    } else if (button) {
        QStyleOptionButton option;
        option.initFrom(button);
        const auto element =
            button->inherits("QCheckBox") ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents;
        room = button->style()->subElementRect(element, &option, button);
    }
    return need.width() > room.width() || (!box && need.height() > room.height());
}

// One line for each cut text and each two visible controls of one parent (the
// window, a group box, a layer over the whole window) that overlap.
QStringList Faults(const QWidget& client) {
    QStringList faults;
    const QString title = client.window()->windowTitle() + ": ";
    QList<const QWidget*> shown;
    for (const QWidget* child : client.findChildren<QWidget*>()) {
        const QWidget* up = child->parentWidget();
        if (!child->isVisibleTo(&client) || child->isWindow()) continue;
        if (Cut(*child)) faults << title + "cut " + child->property("text").toString();
        if ((up == &client || up->inherits("QGroupBox") || up->geometry() == up->parentWidget()->rect()) &&
            child->geometry() != up->rect())
            shown << child;
    }
    for (const QWidget* a : shown)
        for (const QWidget* b : shown)
            if (a < b && a->parentWidget() == b->parentWidget() && a->geometry().intersects(b->geometry()))
                faults << title + QStringLiteral("overlap at %1,%2").arg(a->x()).arg(a->y());
    return faults;
}

}  // namespace

class EnglishLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::InstallFontSubstitutions(); }

    void japanesePlacesStay() {
        CAboutDlg about(nullptr);
        QString places = QStringLiteral("%1x%2").arg(about.width()).arg(about.height());
        for (const QWidget* child : about.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (const QRect r = child->geometry(); !child->isWindow())
                places += QStringLiteral(" %1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
        QCOMPARE(places, QStringLiteral("411x89 19,28,35,33 70,16,208,13 70,41,208,13 312,11,88,23"));
    }

    void englishTextsFitTheirControls() {
        platform::UseUiLanguage(platform::UiLanguage::English);
        MainDialogHarness harness;
        const auto main = harness.Start();
        QCOMPARE(main->windowTitle(), QStringLiteral("Veldrio V2.10"));
        ViewerTestWorld world;
        QVERIFY(OpenViewer(world.main, 0, 200, 150));
        CAboutDlg about(nullptr);
        CRatioDef ratio(nullptr, 100, 640, 480);
        about.show(), ratio.show();
        QCoreApplication::processEvents();
        const QStringList faults = Faults(*main->client()) + Faults(*App().registry.editWindow->client()) +
                                   Faults(about) + Faults(ratio);
        platform::UseUiLanguage(platform::UiLanguage::Japanese);
        QCOMPARE(faults.join('\n'), QString());
    }
};

QTEST_MAIN(EnglishLayoutTest)
#include "english_layout_test.moc"
