// The screen read in a Wayland session: a stand-in screenshot portal on a
// private session bus answers, and the rectangle is cut from its picture.
// The same program runs the stand-in when started with kStandInFlag.
#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <cstring>

#include "platform/screen_grabber.h"
#include "platform/screenshot_portal.h"

namespace {

constexpr char kStandInFlag[] = "--stand-in-portal";
const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");

QRgb Pattern(int x, int y) { return qRgb(x % 256, y % 256, (7 * x + 3 * y) % 256); }

// Answers every request with a fresh copy of one picture, as a portal
// writes a new file for each screenshot.
class StandInPortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
public:
    StandInPortal(QString picture) : picture_(std::move(picture)) {}

public slots:
    QDBusObjectPath Screenshot(const QString&, const QVariantMap& options, const QDBusMessage& message) {
        const QString path =
            platform::PortalRequestPath(message.service(), options.value(QStringLiteral("handle_token")).toString());
        const QString copy = picture_ + QString::number(++requests_) + QStringLiteral(".png");
        QFile::copy(picture_, copy);
        QTimer::singleShot(20, this, [path, copy] {
            QDBusMessage response = QDBusMessage::createSignal(path, QStringLiteral("org.freedesktop.portal.Request"),
                                                               QStringLiteral("Response"));
            response << uint(0) << QVariantMap{{QStringLiteral("uri"), QUrl::fromLocalFile(copy).toString()}};
            QDBusConnection::sessionBus().send(response);
        });
        return QDBusObjectPath(path);
    }

private:
    QString picture_;
    int requests_ = 0;
};

int RunStandIn(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    StandInPortal portal(QString::fromLocal8Bit(argv[2]));
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

private slots:
    void initTestCase() {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty()) QSKIP("dbus-daemon is missing: the screenshot portal is not tested");
        busDaemon.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
        const QDeadlineTimer deadline(10000);
        while (!busDaemon.canReadLine() && !deadline.hasExpired()) busDaemon.waitForReadyRead(100);
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

    void waylandGrabIsCutFromThePortalsPicture() {
        const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
        QImage picture(desktop.size(), QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, Pattern(x, y));
        const QString path = dir.filePath(QStringLiteral("desktop.png"));
        QVERIFY(picture.save(path));

        standIn.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kStandInFlag), path});
        const QDeadlineTimer deadline(10000);
        QDBusConnectionInterface* names = QDBusConnection::sessionBus().interface();
        while (!names->isServiceRegistered(kPortal) && !deadline.hasExpired()) QTest::qWait(50);
        QVERIFY2(names->isServiceRegistered(kPortal), "the stand-in portal did not start");

        // A rectangle reaching past the desktop's right edge: black beyond it.
        const int left = desktop.right() - 1;
        std::uint8_t rgb[4 * 2 * 3];
        QCOMPARE(platform::GrabScreenRectangle(left, 20, 4, 2, rgb), 0);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 4; ++x) {
                const std::uint8_t* p = rgb + 3 * (4 * y + x);
                const QRgb expected = x < 2 ? Pattern(left + x, 20 + y) : qRgb(0, 0, 0);
                QCOMPARE(qRgb(p[0], p[1], p[2]), expected);
            }
        // The picture written for the request is gone; the stand-in's own stays.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("desktop.png")});
    }
};

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], kStandInFlag) == 0) return RunStandIn(argc, argv);
    QApplication app(argc, argv);
    ScreenshotPortalTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "screenshot_portal_test.moc"
