// Every fixed-layout window and dialog in English: each button, label,
// heading box, check box and group title shows its whole text in its
// control at the control's font, and no two visible controls overlap. In
// Japanese the same windows keep the places they always had. Run once as it
// is and once at a device pixel ratio of 2 (QT_SCALE_FACTOR=2, see
// tests/CMakeLists.txt).
#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest>

#include <functional>
#include <memory>

#include "app/about_dlg.h"
#include "app/app_context.h"
#include "app/hint_text.h"
#include "app/label_box.h"
#include "app/text_fit.h"
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

constexpr int kAllGuides[] = {ID_PROC_GUIDE, ID_EDIT_GUIDE,  ID_DATA_EXPLAIN,
                              ID_CUT_GUIDE,  ID_HOWTO_GUIDE, IDC_ZONE_GUIDE};

// One opened window: the widget its controls are children of, kept alive
// with whatever it needs.
struct Opened {
    QWidget* client = nullptr;
    std::shared_ptr<void> keep;
};

template <typename Dialog, typename... Args>
Opened OpenDialog(Args&&... args) {
    auto dialog = std::make_shared<Dialog>(std::forward<Args>(args)...);
    dialog->show();
    QCoreApplication::processEvents();
    return {dialog.get(), dialog};
}

struct Window {
    const char* name;
    std::function<Opened()> open;
    bool fixed = true;  // placed by hand, not by a Qt layout
};

std::vector<Window> AllWindows() {
    std::vector<Window> windows = {
        {"main dialog",
         [] {
             auto harness = std::make_shared<MainDialogHarness>();
             std::shared_ptr<CVeldrioDlg> dialog = harness->Start();
             QWidget* client = dialog->client();
             return Opened{client,
                           std::make_shared<
                               std::pair<std::shared_ptr<MainDialogHarness>, std::shared_ptr<CVeldrioDlg>>>(
                               harness, dialog)};
         }},
        {"edit window",
         [] {
             auto world = std::make_shared<ViewerTestWorld>();
             if (OpenViewer(world->main, 0, 200, 150) == nullptr) return Opened{};
             CEditData* edit = App().registry.editWindow;
             auto keep = std::shared_ptr<ViewerTestWorld>(world.get(), [world](ViewerTestWorld*) mutable {
                 if (CEditData* open = App().registry.editWindow) open->close();
                 ProcessDeferredDeletes();
                 world.reset();
             });
             return Opened{edit->client(), keep};
         }},
        {"about box", [] { return OpenDialog<CAboutDlg>(nullptr); }},
        {"ratio dialog", [] { return OpenDialog<CRatioDef>(nullptr, 100, 640, 480); }},
        {"colour dialog",
         [] {
             auto numbers = std::make_shared<ColourNumbers>(DEFAULT_COLOUR_NUMBERS);
             Opened opened = OpenDialog<CColorDef>(*numbers, nullptr);
             opened.keep = std::make_shared<std::pair<std::shared_ptr<void>, std::shared_ptr<ColourNumbers>>>(
                 opened.keep, numbers);
             return opened;
         }},
    };
    for (const int guide : kAllGuides)
        windows.push_back(
            {"guide", [guide] { return OpenDialog<CGuideDialog>(*GuideContentFor(guide), nullptr); }});
    windows.push_back({"scale dialog", [] { return OpenDialog<CScaleDef>(nullptr, 0.1, 25.0); }, false});
    windows.push_back({"plane dialog",
                       [] {
                           plane::PlaneSetting draft;
                           draft.photo = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {5, 5}, {5, 0}};
                           draft.widthMm = 160;
                           return OpenDialog<CPlaneDef>(nullptr, draft);
                       },
                       false});
    windows.push_back({"rectify dialog", [] { return OpenDialog<CRectifyDef>(nullptr, 2.5); }, false});
    return windows;
}

// The fixed-layout windows' places in Japanese, in AllWindows() order (the
// guides in kAllGuides order), as they were before the layouts could widen:
// the client's size, then each control's x,y,width,height in pixels.
const char* const kJapanesePlaces[] = {
    "536x330 14,20,112,31 133,20,84,26 98,59,168,20 56,91,224,20 287,13,133,137 441,13,84,46 "
    "14,127,130,26 14,163,511,22 14,202,123,33 196,202,63,33 266,202,119,33 14,241,56,26 "
    "77,241,56,26 140,241,49,26 196,241,63,33 266,241,221,33 14,280,119,34 140,280,105,33 "
    "252,280,186,33 452,280,70,33",
    "399x541 0,0,399,541 14,7,91,23 210,5,84,26 301,5,84,26 11,33,382,146 14,185,91,23 "
    "112,185,196,23 319,189,67,16 14,215,140,23 165,218,84,16 235,244,151,39 235,289,151,26 "
    "235,325,72,26 313,325,72,26 235,358,72,26 313,358,72,26 235,393,151,39 14,442,371,26 "
    "14,471,371,15 14,489,371,15 14,507,371,15 14,525,371,15",
    "411x89 19,28,35,33 70,16,208,13 70,41,208,13 312,11,88,23",
    "374x301 80,259,100,25 200,259,100,25 16,35,144,30 164,35,64,28 232,35,26,28 272,35,54,32 "
    "170,74,92,16 48,100,106,30 164,102,126,28 48,138,106,30 166,138,126,28 26,182,334,49",
    "403x260 18,20,91,16 112,16,53,21 18,47,91,16 112,44,53,21 18,75,91,16 112,72,53,21 "
    "203,20,91,16 308,16,53,21 203,47,91,16 308,44,53,21 203,75,91,16 308,72,53,21 "
    "18,101,280,16 14,120,375,94 105,228,88,23 210,228,88,23",
    "525x441 12,12,501,20 26,39,487,13 26,59,487,13 12,86,501,20 26,113,487,13 26,133,487,26 "
    "26,166,487,26 26,199,487,26 12,239,501,20 26,266,487,26 26,299,487,26 12,339,501,20 "
    "26,366,487,26 218,406,88,23",
    "490x307 12,12,466,20 26,39,452,13 26,59,452,13 26,79,452,13 26,99,452,13 26,119,452,13 "
    "12,146,466,20 26,173,452,26 26,206,452,52 201,272,88,23",
    "455x346 12,12,431,20 26,39,417,39 12,92,431,20 75,119,368,26 26,119,42,26 75,152,368,39 "
    "26,152,42,39 12,205,431,20 26,232,417,65 183,311,88,23",
    "490x315 12,12,466,20 26,39,452,13 12,66,466,20 26,93,452,52 12,159,466,20 26,186,452,26 "
    "12,226,466,20 26,253,452,13 201,280,88,23",
    "490x234 12,12,466,20 26,39,452,26 26,72,452,26 12,112,466,20 26,139,452,13 26,159,452,26 "
    "201,199,88,23",
    "525x341 12,12,501,20 26,39,487,13 12,66,501,20 26,93,487,52 12,159,501,20 26,186,487,52 "
    "12,252,501,20 26,279,487,13 218,306,88,23",
};

// The places of client's direct children and client's own size, one line.
QString Places(const QWidget& client) {
    QString places = QStringLiteral("%1x%2").arg(client.width()).arg(client.height());
    for (const QWidget* child : client.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow()) continue;
        const QRect r = child->geometry();
        places += QStringLiteral(" %1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
    return places;
}

QString Describe(const QWidget& control, const QString& text, const QRect& room, int need) {
    return QStringLiteral("%1 \"%2\": needs %3 in %4x%5")
        .arg(QString::fromLatin1(control.metaObject()->className()), text)
        .arg(need)
        .arg(room.width())
        .arg(room.height());
}

int WidestLine(const QString& text, const QFontMetrics& metrics) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// Checks one control's text against the room its control gives it; adds a
// line to cut when it does not fit. Returns whether the control had a text.
bool CheckText(const QWidget& control, QStringList& cut) {
    if (const auto* hint = qobject_cast<const CHintText*>(&control)) {
        if (hint->text().isEmpty()) return false;
        // Drawn at the control's own font (not made smaller), inside its place.
        const TextFit fit = hint->Fit();
        const QRectF room = hint->contentsRect();
        if (fit.font != hint->font() || !room.contains(fit.bounds.translated(room.topLeft())))
            cut << Describe(control, hint->text(), hint->contentsRect(), int(fit.bounds.width())) +
                       QStringLiteral(" at %1 pt").arg(fit.font.pointSizeF());
        return true;
    }
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        if (label->text().isEmpty()) return false;
        const QRect room = label->contentsRect();
        const QFontMetrics metrics = label->fontMetrics();
        const QRect used =
            label->wordWrap()
                ? metrics.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, label->text())
                : QRect(0, 0, WidestLine(label->text(), metrics), metrics.height());
        if (used.width() > room.width() || used.height() > room.height())
            cut << Describe(control, label->text(), room, used.width()) +
                       QStringLiteral(", %1 high").arg(used.height());
        return true;
    }
    if (const auto* box = qobject_cast<const CLabelBox*>(&control)) {
        if (box->text().isEmpty()) return false;
        // The heading's fixed-pitch face, a cell per character.
        const QFont face = platform::MakeFont(platform::kFixedGothic, 9);
        const int need = QFontMetrics(face).horizontalAdvance(box->text());
        if (need > box->contentsRect().width())
            cut << Describe(control, box->text(), box->contentsRect(), need);
        return true;
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        if (button->text().isEmpty()) return false;
        // Where the style draws the button's label.
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool check = qobject_cast<const QCheckBox*>(button) != nullptr;
        const QRect room = button->style()->subElementRect(
            check ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option, button);
        const int need = WidestLine(QString(button->text()).remove(QLatin1Char('&')), button->fontMetrics());
        const int lines = int(button->text().count(QLatin1Char('\n'))) + 1;
        if (need > room.width() || lines * button->fontMetrics().height() > room.height())
            cut << Describe(control, button->text(), room, need);
        return true;
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(&control)) {
        if (group->title().isEmpty()) return false;
        const int need = group->fontMetrics().horizontalAdvance(group->title());
        if (need > group->contentsRect().width())
            cut << Describe(control, group->title(), group->rect(), need);
        return true;
    }
    return false;
}

// Whole-window checks: every visible control's text fits it, the visible
// controls of each parent (the window, its group boxes and layers) do not
// overlap and lie inside it. texted counts
// the controls with a text.
QStringList Faults(const QWidget& client, int& texted) {
    QStringList faults;
    QList<const QWidget*> parents = {&client};
    for (const QWidget* child : client.findChildren<QWidget*>())
        if (child->isVisibleTo(&client) && !child->isWindow()) {
            if (CheckText(*child, faults)) ++texted;
            if (qobject_cast<const QGroupBox*>(child)) parents << child;
        }
    for (const QWidget* parent : parents) {
        QList<const QWidget*> shown;
        for (const QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->isVisibleTo(&client) || child->isWindow()) continue;
            // A layer over the whole window (the edit window's cell grid): its own controls count.
            if (child->geometry() == parent->rect())
                parents << child;
            else
                shown << child;
        }
        for (int i = 0; i < shown.size(); ++i) {
            if (!parent->rect().contains(shown[i]->geometry()))
                faults << QStringLiteral("%1 outside its window").arg(shown[i]->metaObject()->className());
            for (int j = 0; j < i; ++j)
                if (shown[i]->geometry().intersects(shown[j]->geometry()))
                    faults << QStringLiteral("%1 overlaps %2")
                                  .arg(shown[i]->metaObject()->className(),
                                       shown[j]->metaObject()->className());
        }
    }
    return faults;
}

}  // namespace

class EnglishLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::InstallFontSubstitutions(); }

    void japaneseLayoutsStayAsTheyWere() {
        const std::vector<Window> windows = AllWindows();
        std::size_t fixed = 0;
        for (const Window& window : windows) {
            if (!window.fixed) continue;
            QVERIFY(fixed < std::size(kJapanesePlaces));
            Opened opened = window.open();
            QVERIFY2(opened.client, window.name);
            QCOMPARE(Places(*opened.client), QString::fromLatin1(kJapanesePlaces[fixed++]));
        }
        QCOMPARE(fixed, std::size(kJapanesePlaces));
    }

    void englishTextsFitTheirControls() {
        platform::UseUiLanguage(platform::UiLanguage::English);
        QStringList faults;
        QStringList texts;
        std::size_t fixed = 0;
        for (const Window& window : AllWindows()) {
            Opened opened = window.open();
            QVERIFY2(opened.client, window.name);
            int texted = 0;
            for (const QString& fault : Faults(*opened.client, texted))
                faults << QStringLiteral("%1: %2").arg(QString::fromLatin1(window.name), fault);
            QVERIFY2(texted > 0, window.name);
            // Widened as far as the texts need, not to the widest a control may grow.
            if (window.fixed) {
                const int japaneseWidth =
                    QString::fromLatin1(kJapanesePlaces[fixed++]).section('x', 0, 0).toInt();
                QVERIFY2(opened.client->width() >= japaneseWidth &&
                             opened.client->width() <= japaneseWidth * 3 / 2,
                         qPrintable(QStringLiteral("%1: %2").arg(window.name).arg(opened.client->width())));
            }
            for (const QWidget* child : opened.client->findChildren<QWidget*>()) {
                if (const auto* button = qobject_cast<const QAbstractButton*>(child)) texts << button->text();
                if (const auto* label = qobject_cast<const QLabel*>(child)) texts << label->text();
            }
        }
        platform::UseUiLanguage(platform::UiLanguage::Japanese);
        QCOMPARE(faults.join(QLatin1Char('\n')), QString());
        // The windows did show their English texts.
        for (const char* english : {"Browse", "Calculate", "Page Down", "Centroid mark", "Magnification (%)",
                                    "Measures the section properties of plane figures in pictures"})
            QVERIFY2(texts.contains(QString::fromUtf8(english)), english);
    }
};

QTEST_MAIN(EnglishLayoutTest)
#include "english_layout_test.moc"
