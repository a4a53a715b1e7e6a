#include "platform/screenshot_portal.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>
#include <QVariantMap>

#include <algorithm>

namespace platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");

// Waits for the Response signal of one request.
class PortalAnswer : public QObject {
    Q_OBJECT
public:
    bool received = false;
    uint response = 2;
    QVariantMap results;

public slots:
    void Receive(uint code, const QVariantMap& values) {
        received = true;
        response = code;
        results = values;
        emit Answered();
    }

signals:
    void Answered();
};

bool Listen(const QDBusConnection& bus, const QString& path, PortalAnswer& answer) {
    QDBusConnection connection(bus);
    return connection.connect(QString(), path, kRequestInterface, QStringLiteral("Response"), &answer,
                              SLOT(Receive(uint, QVariantMap)));
}

}  // namespace

QString PortalRequestPath(const QString& uniqueName, const QString& token) {
    QString sender = uniqueName.startsWith(u':') ? uniqueName.mid(1) : uniqueName;
    sender.replace(u'.', u'_');
    return kPath + QStringLiteral("/request/") + sender + u'/' + token;
}

QImage PortalScreenshot(const QDBusConnection& bus, int timeoutMs) {
    if (!bus.isConnected()) return {};
    static int requests = 0;
    const QString token = QStringLiteral("veldrio%1").arg(++requests);
    const QString expected = PortalRequestPath(bus.baseService(), token);
    const QDeadlineTimer deadline(timeoutMs);
    const QDateTime asked = QDateTime::currentDateTime();

    // Listening before asking: the answer may come before the call returns.
    PortalAnswer answer;
    Listen(bus, expected, answer);
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Screenshot"));
    call << QString() << QVariantMap{{QStringLiteral("handle_token"), token},
                                     {QStringLiteral("interactive"), false}};
    const QDBusMessage reply = QDBusConnection(bus).call(call, QDBus::Block, timeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return {};
    const QString handle = reply.arguments().first().value<QDBusObjectPath>().path();
    // Portals older than the request-path rule answer at the handle they return.
    if (!handle.isEmpty() && handle != expected) Listen(bus, handle, answer);

    if (!answer.received) {
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        QObject::connect(&answer, &PortalAnswer::Answered, &loop, &QEventLoop::quit);
        timer.start(std::max<qint64>(deadline.remainingTime(), 0));
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (!answer.received || answer.response != 0) return {};

    const QUrl uri(answer.results.value(QStringLiteral("uri")).toString());
    if (!uri.isLocalFile()) return {};
    const QString file = uri.toLocalFile();
    QImage picture(file);
    // The portal wrote the file for this request only; an older file of the
    // user's is never removed.
    const QFileInfo info(file);
    if (info.lastModified().addSecs(1) >= asked) QFile::remove(file);
    return picture;
}

QImage PortalScreenshot(int timeoutMs) { return PortalScreenshot(QDBusConnection::sessionBus(), timeoutMs); }

}  // namespace platform

#include "screenshot_portal.moc"
