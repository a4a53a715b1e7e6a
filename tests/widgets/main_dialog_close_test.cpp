// The main dialog closed from outside (the window manager's close button)
// while the edit window holds work: nothing ends, the dialog steps aside
// and comes back when the edit window closes. The program's own close still
// ends everything.
#include <QtTest/qtestspontaneevent.h>
#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <memory>

#include "app/app_context.h"
#include "data/edit_data.h"
#include "res/ids.h"
#include "support/image_files.h"
#include "support/main_dialog_harness.h"
#include "support/viewer_fixture.h"
#include "viewer/gazo_view.h"

class MainDialogCloseTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainDialogHarness> harness;
    std::unique_ptr<CVeldrioDlg> dialog;

    void OpenPicture() {
        const std::string path = harness->Path("plan.bmp");
        if (!WriteImageFile(QString::fromStdString(path), 30, 20, "BMP")) qFatal("no picture");
        dialog->OnDropFiles({path});
        QTest::mouseDClick(dialog->client(), Qt::LeftButton, Qt::NoModifier, dialog->PreviewBox().center());
    }

    // A close as the window manager's button delivers it: spontaneous, to
    // the dialog's native window. True when the window accepted it.
    bool CloseFromOutside() {
        dialog->winId();
        QCloseEvent close;
        QSpontaneKeyEvent::setSpontaneous(&close);
        QApplication::instance()->notify(dialog->windowHandle(), &close);
        return close.isAccepted();
    }

private slots:
    void init() {
        harness = std::make_unique<MainDialogHarness>();
        dialog = harness->Start();
    }

    void cleanup() {
        dialog.reset();
        harness.reset();
    }

    void closeFromOutsideKeepsTheWorkOfAnOpenEditWindow() {
        OpenPicture();
        QPointer<CEditData> edit = App().registry.editWindow;
        QPointer<CGazoView> viewer = App().registry.viewers[0];
        QVERIFY(edit && viewer);
        QSignalSpy finished(dialog.get(), &QDialog::finished);

        // Shown over the viewer (as a window manager may map it): closed
        // from outside, it only steps aside.
        dialog->show();
        QVERIFY(!CloseFromOutside());
        ProcessDeferredDeletes();
        QCOMPARE(finished.count(), 0);
        QVERIFY(edit && viewer);
        QVERIFY(edit->isVisible() && viewer->isVisible());
        QVERIFY(!dialog->isVisible());
        QVERIFY(App().registry.viewImages[0] != nullptr);

        // The edit window's own closing brings the dialog back; with no
        // edit window left, the same close ends the program.
        edit->close();
        ProcessDeferredDeletes();
        QVERIFY(edit.isNull());
        QVERIFY(dialog->isVisible());
        QVERIFY(CloseFromOutside());
        QCOMPARE(finished.count(), 1);
        QVERIFY(!dialog->isVisible());
    }
};

QTEST_MAIN(MainDialogCloseTest)
#include "main_dialog_close_test.moc"
