// Opening viewers beside the edit window and closing them, under the
// offscreen platform.
#include <QPointer>
#include <QtTest>

#include <memory>

#include "app/app_context.h"
#include "data/edit_data.h"
#include "res/ids.h"
#include "support/viewer_fixture.h"
#include "viewer/gazo_view.h"

class ViewerWindowsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ViewerTestWorld> world;
    platform::MessageBoxRecorder* boxes = nullptr;
    FakeMainDialog* main = nullptr;

    ViewerRegistry& Registry() { return App().registry; }

    // Opens the next image the way an acquisition does: free slot, image,
    // edit window, viewer. The slot, or -1.
    int OpenNext() {
        Notice full;
        const int slot = Registry().FindFreeSlot(&full);
        if (slot < 0) {
            platform::ShowNotice(main, full);
            return -1;
        }
        return OpenViewer(*main, slot) != nullptr ? slot : -1;
    }

private slots:
    void init() {
        world = std::make_unique<ViewerTestWorld>();
        boxes = &world->boxes;
        main = &world->main;
    }

    void cleanup() { world.reset(); }

    void viewerOpensBesideTheEditWindowAndTheMainDialogHides() {
        QCOMPARE(OpenNext(), 0);
        CEditData* edit = Registry().editWindow;
        CGazoView* viewer = Registry().viewers[0];
        QVERIFY(edit && viewer);
        QVERIFY(edit->isVisible() && viewer->isVisible());
        QVERIFY(!main->isVisible());
        // Placed by their client areas: level tops, the edit window's at
        // (100, 100); the frames one pixel apart.
        QCOMPARE(edit->geometry().topLeft(), QPoint(100, 100));
        QCOMPARE(viewer->geometry().top(), edit->geometry().top());
        QCOMPARE(viewer->frameGeometry().left(),
                 edit->frameGeometry().left() + edit->frameGeometry().width() + 1);
        QCOMPARE(main->windows.editWindowRect(), edit->frameGeometry());
        QCOMPARE(Registry().editViewerSlot, 0);
        QVERIFY(viewer->dataView());
        QCOMPARE(edit->windowTitle(), QString::fromUtf8("サンプリングデータ編集"));
    }

    void editWindowIsKeptAndMovedBack() {
        QCOMPARE(main->windows.EnsureEditWindow(), 0);
        CEditData* edit = Registry().editWindow;
        edit->move(300, 250);
        QCOMPARE(main->windows.EnsureEditWindow(), 0);
        QCOMPARE(Registry().editWindow, edit);
        QCOMPARE(edit->geometry().topLeft(), QPoint(100, 100));
    }

    void lowestFreeSlotIsTaken() {
        QCOMPARE(OpenNext(), 0);
        QCOMPARE(OpenNext(), 1);
        QCOMPARE(OpenNext(), 2);
        QVERIFY(main->OnCommand(ID_VIEWER_CLOSE_REQUEST, 1));
        ProcessDeferredDeletes();
        QCOMPARE(OpenNext(), 1);
        QCOMPARE(Registry().editViewerSlot, 1);
    }

    void twentyViewersFillTheRegistry() {
        for (int i = 0; i < MAX_VIEWERS; ++i) QCOMPARE(OpenNext(), i);
        QVERIFY(boxes->calls.empty());
        QCOMPARE(OpenNext(), -1);
        QCOMPARE(boxes->calls.size(), std::size_t(1));
        QCOMPARE(boxes->Last().text,
                 std::string("画像Viewer がいっぱいです。\n一部をクローズして再トライください。"));
        QCOMPARE(boxes->Last().title, std::string("確認"));
        // Closing one frees its slot for the next image.
        Registry().viewers[7]->OnCommand(ID_WINDOW_CLOSE, 0);
        ProcessDeferredDeletes();
        QCOMPARE(OpenNext(), 7);
    }

    void closingTheViewerClosesBothAndShowsTheMainDialog() {
        QCOMPARE(OpenNext(), 0);
        QPointer<CGazoView> viewer = Registry().viewers[0];
        QPointer<CEditData> edit = Registry().editWindow;
        viewer->OnCommand(ID_WINDOW_CLOSE, 0);
        ProcessDeferredDeletes();
        QVERIFY(viewer.isNull());
        QVERIFY(edit.isNull());
        QVERIFY(Registry().viewers[0] == nullptr);
        QVERIFY(Registry().viewImages[0] == nullptr);
        QVERIFY(Registry().editWindow == nullptr);
        QVERIFY(main->isVisible());
        // The viewer reported its slot, then the edit window its closing.
        QCOMPARE(main->commands.size(), std::size_t(2));
        QCOMPARE(main->commands[0], (std::pair<int, std::intptr_t>(ID_VIEWER_CLOSED, 0)));
        QCOMPARE(main->commands[1].first, ID_EDITWND_CLOSED);
    }

    void closingTheEditWindowClosesBothAndShowsTheMainDialog() {
        QCOMPARE(OpenNext(), 0);
        QCOMPARE(OpenNext(), 1);
        QPointer<CGazoView> first = Registry().viewers[0];
        QPointer<CGazoView> paired = Registry().viewers[1];
        QPointer<CEditData> edit = Registry().editWindow;
        edit->OnCommand(ID_WINDOW_CLOSE, 0);
        ProcessDeferredDeletes();
        QVERIFY(edit.isNull());
        QVERIFY(paired.isNull());
        QVERIFY(Registry().viewers[1] == nullptr);
        QVERIFY(Registry().editWindow == nullptr);
        QVERIFY(main->isVisible());
        // Only the paired viewer goes with it.
        QVERIFY(!first.isNull());
        QCOMPARE(Registry().viewers[0], first.data());
    }

    void closeRequestClosesTheSlotsViewerOnly() {
        QCOMPARE(OpenNext(), 0);
        QPointer<CGazoView> viewer = Registry().viewers[0];
        QPointer<CEditData> edit = Registry().editWindow;
        QVERIFY(main->OnCommand(ID_VIEWER_CLOSE_REQUEST, 0));
        QVERIFY(!viewer->isVisible());
        ProcessDeferredDeletes();
        QVERIFY(viewer.isNull());
        QVERIFY(Registry().viewers[0] == nullptr);
        QVERIFY(Registry().viewImages[0] == nullptr);
        QCOMPARE(Registry().editViewerSlot, -1);
        QVERIFY(!edit.isNull());
        // A request for a free or impossible slot does nothing.
        QVERIFY(main->OnCommand(ID_VIEWER_CLOSE_REQUEST, 0));
        QVERIFY(main->OnCommand(ID_VIEWER_CLOSE_REQUEST, 25));
        QVERIFY(!main->OnCommand(ID_FRAMEWORK_OK + 1000, 0));
    }

    void openingAndClosingTwentyTimesNeverFillsTheRegistry() {
        for (int i = 0; i < 25; ++i) {
            QCOMPARE(OpenNext(), 0);
            Registry().viewers[0]->OnCommand(ID_WINDOW_CLOSE, 0);
            ProcessDeferredDeletes();
        }
        QVERIFY(boxes->calls.empty());
    }

    void slotWithoutAPictureOpensNoViewer() {
        QCOMPARE(main->windows.EnsureEditWindow(), 0);
        Registry().PrepareSlotImage(3);
        QCOMPARE(main->windows.AttachViewer(3), -1);
        QCOMPARE(boxes->Last().text, std::string("画像Viewダイアログの作成失敗"));
        QCOMPARE(boxes->Last().title, std::string("確認要求"));
        QVERIFY(Registry().viewers[3] == nullptr);
    }
};

QTEST_MAIN(ViewerWindowsTest)
#include "viewer_windows_test.moc"
