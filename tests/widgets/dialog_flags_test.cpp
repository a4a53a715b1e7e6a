// The caption buttons of the program's dialogs under the offscreen platform:
// no dialog asks for a minimise or maximise button (a minimised modal dialog
// would take its owner down with it and leave it deaf to the keyboard), one
// minimised all the same comes back at once, and the main dialog can be
// minimised but not maximised. Message boxes take the same flags through
// the same call (a minimised one coming back is seen under openbox in
// windows_under_wm.sh).
#include <QWindow>
#include <QtTest>

#include <memory>

#include "app/about_dlg.h"
#include "dialogs/color_def.h"
#include "dialogs/colour_table.h"
#include "dialogs/guide_content.h"
#include "dialogs/guide_dialog.h"
#include "dialogs/ratio_def.h"
#include "dialogs/scale_def.h"
#include "res/ids.h"
#include "support/main_dialog_harness.h"

class DialogFlagsTest : public QObject {
    Q_OBJECT

    // The flags the window system is given for a shown window.
    static Qt::WindowFlags ShownFlags(QWidget& window) {
        window.show();
        return window.windowHandle()->flags();
    }

    // Flags given outright: a dialog left to the defaults gets every window
    // function, minimising included, from some window managers.
    static bool IsDialogFrame(Qt::WindowFlags flags) {
        return !(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)) &&
               (flags & Qt::WindowCloseButtonHint) && (flags & Qt::WindowTitleHint) &&
               (flags & Qt::WindowType_Mask) == Qt::Dialog;
    }

    // Some window managers minimise a dialog whatever its flags say.
    static bool ComesBackWhenMinimised(QWidget& dialog) {
        dialog.showMinimized();
        return QTest::qWaitFor([&] { return !dialog.isMinimized() && dialog.isVisible(); }, 2000);
    }

private slots:
    void dialogsHaveNeitherMinimiseNorMaximiseAndComeBack() {
        ColourNumbers numbers = DEFAULT_COLOUR_NUMBERS;
        const GuideContent* guide = GuideContentFor(ID_CUT_GUIDE);
        QVERIFY(guide != nullptr);
        const std::unique_ptr<QWidget> dialogs[] = {
            std::make_unique<CAboutDlg>(nullptr), std::make_unique<CRatioDef>(nullptr, 100, 640, 480),
            std::make_unique<CScaleDef>(nullptr, 0.1, 25.0), std::make_unique<CColorDef>(numbers, nullptr),
            std::make_unique<CGuideDialog>(*guide, nullptr)};
        for (const auto& dialog : dialogs) {
            const QByteArray name = dialog->metaObject()->className();
            QVERIFY2(IsDialogFrame(ShownFlags(*dialog)), name);
            QVERIFY2(ComesBackWhenMinimised(*dialog), name);
        }
    }

    void mainDialogCanBeMinimisedButNotMaximised() {
        MainDialogHarness harness;
        std::unique_ptr<CVeldrioDlg> dialog = harness.Start();
        const Qt::WindowFlags flags = ShownFlags(*dialog);
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    }
};

QTEST_MAIN(DialogFlagsTest)
#include "dialog_flags_test.moc"
