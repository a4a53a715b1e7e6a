// Fixed-layout windows: in English texts fit and controls lie apart; in Japanese places stay.
#include <QAbstractButton>
#include <QStyleOptionButton>
#include <QtTest>

#include "app/about_dlg.h"
#include "app/label_box.h"
#include "app/veldrio_dlg.h"
#include "data/edit_data.h"
#include "dialogs/ratio_def.h"
#include "platform/fonts.h"
#include "platform/ui_language.h"
#include "support/main_dialog_harness.h"
#include "support/viewer_fixture.h"

// Whether control's text does not fit the room the control gives it.
static bool Cut(const QWidget& control) {
    const auto* box = qobject_cast<const CLabelBox*>(&control);  // drawn in a fixed-pitch face
    const auto* button = qobject_cast<const QAbstractButton*>(&control);
    if (!box && !button && !control.inherits("QLabel")) return false;
    const QString text = box ? box->text() : control.property("text").toString();
    const QFontMetrics metrics(box ? platform::MakeFont(platform::kFixedGothic, 9) : control.font());
    QRect room = control.contentsRect();
    QSize need = metrics.size(Qt::TextShowMnemonic, text);
    if (control.property("wordWrap").toBool()) {
        need = metrics.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, text).size();
    } else if (button) {
        QStyleOptionButton option;
        option.initFrom(button);
        room = button->style()->subElementRect(
            button->inherits("QCheckBox") ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents,
            &option, button);
    }
    return need.width() > room.width() || (!box && need.height() > room.height());
}

// One line for each cut text and each two visible controls of one parent that overlap.
static QStringList Faults(const QWidget& client) {
    QStringList faults;
    QList<const QWidget*> shown;
    for (const QWidget* child : client.findChildren<QWidget*>()) {
        if (!child->isVisibleTo(&client) || child->isWindow()) continue;
        if (Cut(*child)) faults << "cut " + child->property("text").toString();
        if (child->geometry() != child->parentWidget()->rect()) shown << child;  // not a layer
    }
    for (const QWidget* a : shown)
        for (const QWidget* b : shown)
            if (a < b && a->parentWidget() == b->parentWidget() && a->geometry().intersects(b->geometry()))
                faults << QStringLiteral("overlap at %1,%2").arg(a->x()).arg(a->y());
    return faults;
}

class EnglishLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::InstallFontSubstitutions(); }

    void japanesePlacesStay() {
        CAboutDlg about(nullptr);
        const auto controls = about.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QCOMPARE(controls.size(), 4);
        QCOMPARE(controls[0]->geometry(), QRect(19, 28, 35, 33));
        QCOMPARE(controls[3]->geometry(), QRect(312, 11, 88, 23));
    }

    void englishTextsFitTheirControls() {
        platform::UseUiLanguage(platform::UiLanguage::English);
        MainDialogHarness harness;
        const auto main = harness.Start();
        QCOMPARE(main->windowTitle(), QStringLiteral("Veldrio V2.10"));
        ViewerTestWorld world;
        QVERIFY(OpenViewer(world.main, 0, 200, 150));
        // The about box and the ratio dialog fit only once widened.
        CAboutDlg about(nullptr);
        CRatioDef ratio(nullptr, 100, 640, 480);
        const QStringList faults = Faults(*main->client()) + Faults(*App().registry.editWindow->client()) +
                                   Faults(about) + Faults(ratio);
        platform::UseUiLanguage(platform::UiLanguage::Japanese);
        QCOMPARE(faults.join('\n'), QString());
    }
};

QTEST_MAIN(EnglishLayoutTest)
#include "english_layout_test.moc"
