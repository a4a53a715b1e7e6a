// The main dialog with real viewers: a double click on the preview opens the
// image beside the edit window and hides the dialog; closing brings it back.
// Closed from outside (the window manager's button) while the edit window
// holds work, the dialog only steps aside.
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

class MainDialogViewerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainDialogHarness> harness;
    std::unique_ptr<CVeldrioDlg> dialog;

    void OpenPicture(const char* name, int width, int height) {
        const std::string path = harness->Path(name);
        if (!WriteImageFile(QString::fromStdString(path), width, height, "BMP")) qFatal("no %s", name);
        dialog->OnDropFiles({path});
        QTest::mouseDClick(dialog->client(), Qt::LeftButton, Qt::NoModifier,
                           dialog->PreviewBox().center());
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

    void doubleClickOpensTheViewerBesideTheEditWindow() {
        OpenPicture("plan.bmp", 30, 20);
        QVERIFY(harness->boxes.calls.empty());
        CGazoView* viewer = App().registry.viewers[0];
        CEditData* edit = App().registry.editWindow;
        QVERIFY(viewer && edit);
        QVERIFY(!dialog->isVisible());
        QVERIFY(viewer->isVisible());
        // Client areas level at y = 100, frames one pixel apart.
        QCOMPARE(edit->geometry().topLeft(), QPoint(100, 100));
        QCOMPARE(viewer->geometry().top(), 100);
        const QRect editRect = edit->frameGeometry();
        QCOMPARE(viewer->frameGeometry().topLeft(),
                 QPoint(editRect.x() + editRect.width() + 1, editRect.y()));
        viewer->client()->grab();  // the caption is set by the paint
        QVERIFY(viewer->windowTitle().contains(QString::fromUtf8("DF=plan.bmp BxH=30x20 ﾄﾞｯﾄ 100 %")));
    }

    void closingTheViewerBringsTheDialogBack() {
        OpenPicture("plan.bmp", 30, 20);
        QPointer<CEditData> edit = App().registry.editWindow;
        App().registry.viewers[0]->OnCommand(ID_WINDOW_CLOSE, 0);
        ProcessDeferredDeletes();
        QVERIFY(dialog->isVisible());
        QVERIFY(edit.isNull());
        QVERIFY(App().registry.viewers[0] == nullptr);
        // The next image opens in the same slot with a new edit window.
        OpenPicture("next.bmp", 8, 8);
        QVERIFY(App().registry.viewers[0] != nullptr);
        QVERIFY(App().registry.editWindow != nullptr);
    }

    void closeRequestClosesTheViewerOfASlot() {
        OpenPicture("plan.bmp", 30, 20);
        QPointer<CGazoView> viewer = App().registry.viewers[0];
        QVERIFY(dialog->OnCommand(ID_VIEWER_CLOSE_REQUEST, 0));
        ProcessDeferredDeletes();
        QVERIFY(viewer.isNull());
        QVERIFY(App().registry.viewImages[0] == nullptr);
        // The edit window stays until the main dialog closes.
        QPointer<CEditData> edit = App().registry.editWindow;
        QVERIFY(!edit.isNull());
        dialog->show();
        dialog->close();
        QVERIFY(edit.isNull());
        QVERIFY(App().registry.editWindow == nullptr);
    }

    void closeFromOutsideKeepsTheWorkOfAnOpenEditWindow() {
        OpenPicture("plan.bmp", 30, 20);
        QPointer<CEditData> edit = App().registry.editWindow;
        QSignalSpy finished(dialog.get(), &QDialog::finished);
        // Shown over the viewer (as a window manager may map it).
        dialog->show();
        QVERIFY(!CloseFromOutside());
        ProcessDeferredDeletes();
        QVERIFY(edit && edit->isVisible() && App().registry.viewers[0]->isVisible());
        QVERIFY(!dialog->isVisible());
        // The edit window's own closing brings the dialog back; with no
        // edit window left, the same close ends the program.
        edit->close();
        ProcessDeferredDeletes();
        QVERIFY(edit.isNull() && dialog->isVisible());
        QCOMPARE(finished.count(), 0);
        QVERIFY(CloseFromOutside());
        QCOMPARE(finished.count(), 1);
    }
};

QTEST_MAIN(MainDialogViewerTest)
#include "main_dialog_viewer_test.moc"
