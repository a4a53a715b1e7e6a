// The screen read in a Wayland session: a stand-in screenshot portal on a
// private session bus answers, and the rectangle is cut from its picture,
// in device pixels at a scale of 2; with no portal, or one that never
// answers, "カット＆View" gives its failure message in time, with a busy
// cursor while it waits and no click replayed. The same program runs the
// stand-in when started with kStandInFlag.
#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <cstring>

#include "app/app_context.h"
#include "app/zone_commands.h"
#include "image/image_data.h"
#include "image/view_image.h"
#include "platform/screen_grabber.h"
#include "platform/screenshot_portal.h"
#include "res/ids.h"
#include "res/texts_capture.h"
#include "support/main_dialog_harness.h"

namespace {

constexpr char kStandInFlag[] = "--stand-in-portal";
const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");

QRgb Pattern(int x, int y) { return qRgb(x % 256, y % 256, (7 * x + 3 * y) % 256); }

// How the stand-in behaves: answers with its picture; returns the request
// but never answers it; never even returns from the call.
const QString kAnswers = QStringLiteral("answers");
const QString kNeverAnswers = QStringLiteral("never-answers");
const QString kNeverReturns = QStringLiteral("never-returns");

// Answers every request with a fresh copy of one picture, as a portal
// writes a new file for each screenshot (or stays silent, as told).
class StandInPortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
public:
    StandInPortal(QString picture, QString mode) : picture_(std::move(picture)), mode_(std::move(mode)) {}

public slots:
    QDBusObjectPath Screenshot(const QString&, const QVariantMap& options, const QDBusMessage& message) {
        const QString path = platform::PortalRequestPath(
            message.service(), options.value(QStringLiteral("handle_token")).toString());
        if (mode_ == kNeverReturns) message.setDelayedReply(true);
        if (mode_ != kAnswers) return QDBusObjectPath(path);
        const QString copy = picture_ + QString::number(++requests_) + QStringLiteral(".png");
        QFile::copy(picture_, copy);
        QTimer::singleShot(20, this, [path, copy] {
            QDBusMessage response = QDBusMessage::createSignal(
                path, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
            response << uint(0) << QVariantMap{{QStringLiteral("uri"), QUrl::fromLocalFile(copy).toString()}};
            QDBusConnection::sessionBus().send(response);
        });
        return QDBusObjectPath(path);
    }

private:
    QString picture_;
    QString mode_;
    int requests_ = 0;
};

int RunStandIn(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    StandInPortal portal(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService(kPortal))
        return 1;
    return app.exec();
}

}  // namespace

class ScreenshotPortalTest : public QObject {
    Q_OBJECT

    QProcess busDaemon;
    QProcess standIn;
    QTemporaryDir dir;

    // The whole desktop at ratio device pixels per desktop pixel, showing
    // Pattern in device pixels.
    QString WriteDesktop(const char* name, int ratio) {
        QImage picture(QGuiApplication::primaryScreen()->virtualGeometry().size() * ratio,
                       QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                reinterpret_cast<QRgb*>(picture.scanLine(y))[x] = Pattern(x, y);
        const QString path = dir.filePath(QString::fromLatin1(name));
        return picture.save(path) ? path : QString();
    }

    // Waits until the portal's name is on the bus, or off it; true when so.
    static bool PortalOnBus(bool on) {
        return QTest::qWaitFor(
            [on] { return QDBusConnection::sessionBus().interface()->isServiceRegistered(kPortal) == on; },
            10000);
    }

    void StopStandIn() {
        if (standIn.state() == QProcess::NotRunning) return;
        standIn.kill();
        standIn.waitForFinished(5000);
        PortalOnBus(false);
    }

    bool StartStandIn(const QString& picture, const QString& mode) {
        StopStandIn();
        standIn.start(QCoreApplication::applicationFilePath(),
                      {QString::fromLatin1(kStandInFlag), picture, mode});
        return PortalOnBus(true);
    }

    // "カット＆View" of zone as the main dialog runs it, with a click on
    // another button posted while it waits; the time the capture took.
    static qint64 Cut(CVeldrioDlg* dialog, const ZoneRect& zone, int& clicks, int& cursorMeanwhile) {
        QPushButton other;
        other.show();
        QObject::connect(&other, &QPushButton::clicked, [&] { ++clicks; });
        App().settings.zoneRect = zone;
        dialog->OnCommand(IDC_CUT_AND_VIEW);
        QTimer::singleShot(100, &other, [&] {
            cursorMeanwhile =
                QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape() : -1;
            for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                QCoreApplication::postEvent(
                    &other, new QMouseEvent(type, QPointF(5, 5), other.mapToGlobal(QPointF(5, 5)),
                                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
        });
        QElapsedTimer took;
        took.start();
        dialog->OnTimer(CAPTURE_DELAY_TIMER);
        const qint64 elapsed = took.elapsed();
        QCoreApplication::processEvents();
        return elapsed;
    }

private slots:
    void initTestCase() {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty()) QSKIP("dbus-daemon is missing: the screenshot portal is not tested");
        busDaemon.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                 QStringLiteral("--print-address")});
        const QDeadlineTimer deadline(10000);
        while (!busDaemon.canReadLine() && !deadline.hasExpired())
            busDaemon.waitForReadyRead(100);
        const QByteArray address = busDaemon.readLine().trimmed();
        QVERIFY2(!address.isEmpty(), "the private session bus did not start");
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        qputenv("XDG_SESSION_TYPE", "wayland");
    }

    void cleanupTestCase() {
        for (QProcess* process : {&standIn, &busDaemon}) {
            process->kill();
            process->waitForFinished(5000);
        }
    }

    void zoneMapsToTheDevicePixelsItTouches() {
        // At 1.5 a zone from 3 to 5 covers device pixels 4.5 to 9: 4 to 8.
        QCOMPARE(platform::DevicePixelRect(QRect(-97, 1, 3, 1), QRect(-100, 0, 1000, 800), 1.5),
                 QRect(4, 1, 5, 2));
    }

    void missingOrSilentPortalFailsInTime_data() {
        QTest::addColumn<QString>("mode");
        QTest::newRow("no portal") << QString();
        QTest::newRow("request never answered") << kNeverAnswers;
        QTest::newRow("call never returned") << kNeverReturns;
    }

    void missingOrSilentPortalFailsInTime() {
        QFETCH(QString, mode);
        StopStandIn();
        if (!mode.isEmpty())
            QVERIFY2(StartStandIn(WriteDesktop("silent.png", 1), mode), "no stand-in portal");
        constexpr int kLimitMs = 600;
        platform::SetPortalTimeoutMs(kLimitMs);
        MainDialogHarness harness;
        const auto dialog = harness.Start();
        int clicks = 0;
        int cursor = 0;
        const qint64 took = Cut(dialog.get(), {10, 20, 49, 49}, clicks, cursor);
        // Choosing an area may take the user long, but the call returns at once.
        QElapsedTimer picking;
        picking.start();
        if (mode != kNeverAnswers)
            QCOMPARE(platform::PortalPickArea().outcome, platform::PortalOutcome::Failed);
        QVERIFY(picking.elapsed() < kLimitMs + 2000);
        platform::SetPortalTimeoutMs(platform::kPortalTimeoutMs);
        QVERIFY2(took < kLimitMs + 2000, qPrintable(QString::number(took)));
        if (!mode.isEmpty()) {
            QVERIFY(took >= kLimitMs - 50);
            QCOMPARE(cursor, int(Qt::WaitCursor));
            // The click made while the program was busy is gone.
            QCOMPARE(clicks, 0);
        }
        // The capture's own failure, then the conversion's; no viewer.
        QCOMPARE(harness.boxes.calls.size(), std::size_t(2));
        QCOMPARE(harness.boxes.calls[0].text + "/" + harness.boxes.calls[0].title,
                 std::string(texts::ZONE_BITMAP_COPY_FAILED) + "/確認");
        QCOMPARE(harness.boxes.calls[1].text, std::string(texts::ZONE_CONVERT_FAILED));
        QVERIFY(App().registry.viewers[0] == nullptr && App().registry.editWindow == nullptr);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);

        // "範囲" cannot show the zone either: it says so and flashes nothing.
        platform::SetPortalTimeoutMs(kLimitMs);
        dialog->OnCommand(IDC_ZONE_FLASH);
        platform::SetPortalTimeoutMs(platform::kPortalTimeoutMs);
        QCOMPARE(harness.boxes.calls.size(), std::size_t(3));
        QCOMPARE(harness.boxes.calls[2].text, std::string(texts::ZONE_BITMAP_COPY_FAILED));
        QVERIFY(!dialog->zone().flashOn() && dialog->zone().flash().window() == nullptr);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void portalPictureIsCutInDevicePixels_data() {
        QTest::addColumn<int>("ratio");
        QTest::newRow("scale 1") << 1;
        QTest::newRow("scale 2") << 2;
    }

    void portalPictureIsCutInDevicePixels() {
        QFETCH(int, ratio);
        const QString name = QStringLiteral("desktop%1.png").arg(ratio);
        QVERIFY2(StartStandIn(WriteDesktop(qPrintable(name), ratio), kAnswers), "no stand-in portal");
        // A zone reaching 2 pixels past the desktop's right edge.
        const int left = QGuiApplication::primaryScreen()->virtualGeometry().right() - 1;
        MainDialogHarness harness;
        const auto dialog = harness.Start();
        int clicks = 0;
        int cursor = 0;
        Cut(dialog.get(), {left, 20, left + 3, 21}, clicks, cursor);
        QVERIFY(harness.boxes.calls.empty());
        QCOMPARE(platform::PortalPickArea().picture.size(), QGuiApplication::primaryScreen()->size() * ratio);
        QVERIFY(App().registry.viewers[0] != nullptr);
        const CImageData& image = App().registry.viewImages[0]->image;
        QCOMPARE(QSize(image.width(), image.height()), QSize(4, 2) * ratio);
        const auto pixel = [&](int x, int y) {
            const std::uint8_t* p = image.pixels() + 3 * (image.width() * y + x);
            return qRgb(p[0], p[1], p[2]);
        };
        QCOMPARE(pixel(0, 0), Pattern(ratio * left, ratio * 20));
        QCOMPARE(pixel(2 * ratio - 1, 2 * ratio - 1), Pattern(ratio * (left + 2) - 1, ratio * 22 - 1));
        QCOMPARE(pixel(2 * ratio, 0), qRgb(0, 0, 0));
        // The picture written for the request is gone; the stand-in's own stays.
        QCOMPARE(QDir(dir.path()).entryList({name + QStringLiteral("*")}, QDir::Files), QStringList{name});
    }
};

int main(int argc, char** argv) {
    if (argc >= 4 && std::strcmp(argv[1], kStandInFlag) == 0) return RunStandIn(argc, argv);
    QApplication app(argc, argv);
    ScreenshotPortalTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "screenshot_portal_test.moc"
