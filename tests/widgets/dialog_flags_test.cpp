// The caption buttons of the program's dialogs under the offscreen platform:
// no dialog asks for a minimise or maximise button (a minimised modal dialog
// would take its owner down with it and leave it deaf to the keyboard), one
// minimised all the same comes back at once, and the main dialog can be
// minimised but not maximised.
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <memory>
#include <vector>

#include "app/about_dlg.h"
#include "dialogs/color_def.h"
#include "dialogs/colour_table.h"
#include "dialogs/guide_content.h"
#include "dialogs/guide_dialog.h"
#include "dialogs/ratio_def.h"
#include "dialogs/scale_def.h"
#include "platform/message_box.h"
#include "res/ids.h"
#include "support/main_dialog_harness.h"

class DialogFlagsTest : public QObject {
    Q_OBJECT

    // The flags the window system is given for a shown window.
    static Qt::WindowFlags ShownFlags(QWidget& window) {
        window.show();
        return window.windowHandle()->flags();
    }

    static void VerifyDialogFlags(QWidget& dialog) {
        const Qt::WindowFlags flags = ShownFlags(dialog);
        const QByteArray name = dialog.metaObject()->className();
        QVERIFY2(!(flags & Qt::WindowMinimizeButtonHint), name);
        QVERIFY2(!(flags & Qt::WindowMaximizeButtonHint), name);
        // Flags given outright: a dialog left to the defaults gets every
        // window function, minimising included, from some window managers.
        QVERIFY2(flags & Qt::WindowCloseButtonHint, name);
        QVERIFY2(flags & Qt::WindowTitleHint, name);
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
        // Some window managers minimise a dialog whatever its flags say.
        dialog.showMinimized();
        QTRY_VERIFY2_WITH_TIMEOUT(!dialog.isMinimized() && dialog.isVisible(), name, 2000);
    }

private slots:
    void dialogsHaveNeitherMinimiseNorMaximiseAndComeBack() {
        ColourNumbers numbers = DEFAULT_COLOUR_NUMBERS;
        std::vector<std::unique_ptr<QWidget>> dialogs;
        dialogs.push_back(std::make_unique<CAboutDlg>(nullptr));
        dialogs.push_back(std::make_unique<CRatioDef>(nullptr, 100, 640, 480));
        dialogs.push_back(std::make_unique<CScaleDef>(nullptr, 0.1, 25.0));
        dialogs.push_back(std::make_unique<CColorDef>(numbers, nullptr));
        for (const int guide : {ID_HOWTO_GUIDE, ID_CUT_GUIDE, ID_EDIT_GUIDE, ID_PROC_GUIDE}) {
            const GuideContent* content = GuideContentFor(guide);
            QVERIFY(content != nullptr);
            dialogs.push_back(std::make_unique<CGuideDialog>(*content, nullptr));
        }
        for (auto& dialog : dialogs) {
            VerifyDialogFlags(*dialog);
            if (QTest::currentTestFailed()) return;
        }
    }

    void messageBoxesHaveNeitherMinimiseNorMaximiseAndComeBack() {
        // A real box, answered once it is up.
        Qt::WindowFlags seen;
        bool found = false;
        bool restored = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, this, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (box == nullptr || found) return;
            found = true;
            seen = box->windowHandle()->flags();
            box->showMinimized();
            // Back at once, then answered.
            QTimer::singleShot(100, box, [box, &restored] {
                restored = !box->isMinimized() && box->isVisible();
                box->close();
            });
        });
        poll.start(10);
        QTimer::singleShot(5000, &poll, [&] {
            // Never left waiting: whatever is modal by then is closed.
            if (QWidget* box = QApplication::activeModalWidget()) box->close();
        });
        platform::MessageBox(nullptr, "本文", "題名", platform::MB_OKCANCEL | platform::MB_ICONQUESTION);
        QVERIFY(found);
        QVERIFY(!(seen & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(seen & Qt::WindowMaximizeButtonHint));
        QVERIFY(seen & Qt::WindowCloseButtonHint);
        QVERIFY(restored);
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
