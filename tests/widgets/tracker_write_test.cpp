// The viewer's cut-out tracker and image writing under the offscreen
// platform, with a stand-in screen: showing, dragging and hiding the zone,
// the move cursor's reach, and writes from two viewers at once, refused
// zones, failed saves and the picture viewer.
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

#include "kivra/kivra.h"
#include "platform/file_dialog_recorder.h"
#include "platform/shell_execute.h"
#include "res/ids.h"
#include "support/viewer_fixture.h"
#include "viewer/gazo_view.h"
#include "viewer/view_writer.h"

namespace {

// The stand-in screen, black; every grab is noted.
std::vector<CaptureRect> grabs;

std::int32_t FakeScreen(void*, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                        std::uint8_t*) {
    grabs.push_back({left, top, width, height});
    return 0;
}

}  // namespace

class TrackerWriteTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ViewerTestWorld> world;
    std::unique_ptr<platform::FileDialogRecorder> dialogs;
    std::unique_ptr<QTemporaryDir> dir;
    std::vector<std::vector<std::string>> started;
    CGazoView* viewer = nullptr;

    QString Path(const char* name) const { return dir->filePath(QString::fromUtf8(name)); }
    void Choose(const QString& path) { dialogs->Choose(path.toStdString()); }
    const std::string& LastText() const { return world->boxes.Last().text; }

private slots:
    void init() {
        world = std::make_unique<ViewerTestWorld>();
        dialogs = std::make_unique<platform::FileDialogRecorder>();
        dir = std::make_unique<QTemporaryDir>();
        grabs.clear();
        started.clear();
        kvSetGrabber(FakeScreen, nullptr);
        platform::SetShellExecuteHook([this](const std::string&, const std::vector<std::string>& args) {
            started.push_back(args);
            return platform::SE_STARTED;
        });
        viewer = OpenViewer(world->main, 0, 400, 400);
        QVERIFY(viewer != nullptr);
        viewer->OnCommand(ID_TRACKER_ZONE, 0);
    }

    void cleanup() {
        platform::SetShellExecuteHook({});
        kvSetGrabber(nullptr, nullptr);
        dialogs.reset();
        world.reset();
    }

    void zoneIsDraggedWrittenAndOfferedToThePictureViewer() {
        QWidget* client = viewer->client();
        QCOMPARE(viewer->cutZone(), (TrackerZone{20, 20, 320, 320}));
        QTest::mouseMove(client, QPoint(19, 19));
        QCOMPARE(viewer->overHandle(), 1);
        QTest::mouseMove(client, QPoint(18, 18));
        QCOMPARE(viewer->overHandle(), 2);

        QTest::mousePress(client, Qt::LeftButton, {}, QPoint(100, 100));
        QTest::mouseMove(client, QPoint(110, 105));
        QTest::mouseRelease(client, Qt::LeftButton, {}, QPoint(110, 105));
        QCOMPARE(viewer->cutZone(), (TrackerZone{30, 25, 330, 325}));

        // Scrolled one dot to the right, the zone stays on the image.
        QTest::keyClick(viewer, Qt::Key_Right);
        const QString path = Path("zone with blanks.png");
        Choose(path);
        QVERIFY(viewer->OnCommand(ID_WRITE_ZONE_PNG, 0));
        QTRY_VERIFY_WITH_TIMEOUT(!viewer->writer()->pending(), 5000);

        const QPoint screen = client->mapToGlobal(QPoint(30, 26));
        QCOMPARE(grabs.back(), (CaptureRect{screen.x(), screen.y(), 298, 298}));
        QCOMPARE(QImage(path).size(), QSize(298, 298));
        QCOMPARE(LastText(), std::string("画像ファイルに書込みました。"));
        QCOMPARE(started, (std::vector<std::vector<std::string>>{{path.toStdString()}}));
        QCOMPARE(App().lastWriteDir, dir->path().toStdString());

        // A click outside hides the zone and greys out the zone writes.
        QTest::mouseClick(client, Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(!viewer->trackerShown());
        QVERIFY(viewer->OnCommand(ID_WRITE_ZONE_BMP, 0));
        QCOMPARE(dialogs->requests.size(), std::size_t(1));
    }

    void writesFromTwoViewersKeepTheirOwnPaths() {
        PutTestImage(1, 40, 30);
        QCOMPARE(world->main.windows.AttachViewer(1), 0);
        CGazoView* second = App().registry.viewers[1];
        Choose(Path("first.bmp"));
        Choose(Path("second.png"));
        viewer->OnCommand(ID_WRITE_WINDOW_BMP, 0);
        second->OnCommand(ID_WRITE_WINDOW_PNG, 0);
        QCOMPARE(App().lastWrittenPath, Path("second.png").toStdString());
        world->boxes.Answer(platform::IDNO);
        world->boxes.Answer(platform::IDNO);
        viewer->writer()->Write();
        second->writer()->Write();
        const QRect frame = viewer->frameGeometry();
        QCOMPARE(QImage(Path("first.bmp")).size(), frame.size());
        QVERIFY(QFileInfo::exists(Path("second.png")));
        QVERIFY(started.empty());
    }

    void emptyZonesAndFailedSavesWriteNothingAndSaySo() {
        viewer->ShowTrackerZone({30, 30, 28, 100});  // 2 dots wide, inside out
        for (int id : {ID_WRITE_ZONE_PNG, ID_WRITE_ZONE_BMP}) {
            Choose(Path("empty.png"));
            viewer->OnCommand(id, 0);
            viewer->writer()->Write();
            QCOMPARE(LastText(), std::string("画像取得に失敗しました"));
        }
        QVERIFY(grabs.empty());
        QVERIFY(!QFileInfo::exists(Path("empty.png")));

        viewer->ShowTrackerZone({20, 20, 320, 320});
        const QString missing = Path("no folder/x.bmp");
        Choose(missing);
        viewer->OnCommand(ID_WRITE_ZONE_BMP, 0);
        viewer->writer()->Write();
        QVERIFY(QString::fromStdString(LastText()).contains(QString::fromUtf8("書込みに失敗しました")));
        QVERIFY(!QFileInfo::exists(missing));

        // The picture viewer that cannot start.
        platform::SetShellExecuteHook([](const std::string&, const std::vector<std::string>&) {
            return platform::SE_FILE_NOT_FOUND;
        });
        Choose(Path("ok.png"));
        viewer->OnCommand(ID_WRITE_ZONE_PNG, 0);
        viewer->writer()->Write();
        QCOMPARE(LastText(), std::string("指定画像が開けませんでした\r\nFAX VeiwerもしくはIE がないか、画像が不良です"));
    }
};

QTEST_MAIN(TrackerWriteTest)
#include "tracker_write_test.moc"
