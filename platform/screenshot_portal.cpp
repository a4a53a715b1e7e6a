#include "platform/screenshot_portal.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDateTime>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>
#include <QVariantMap>

#include <algorithm>

#include "platform/input_hold.h"

namespace platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");

// The Response codes of a request.
constexpr uint kResponseSuccess = 0;
constexpr uint kResponseCancelled = 1;

int portalTimeoutMs = kPortalTimeoutMs;

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

// Waits for the answer until timeoutMs have passed or the call itself
// failed, running no user input.
void AwaitAnswer(const QDBusConnection& bus, const QDBusMessage& call, const QString& expected,
                 PortalAnswer& answer, int timeoutMs) {
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&answer, &PortalAnswer::Answered, &loop, &QEventLoop::quit);
    // The call itself returns at once even when the user is to choose: a
    // portal that does not is missing.
    QDBusPendingCallWatcher watcher(
        QDBusConnection(bus).asyncCall(call, std::min(timeoutMs, portalTimeoutMs)));
    QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, [&] {
        const QDBusPendingReply<QDBusObjectPath> reply = watcher;
        if (reply.isError()) {
            loop.quit();
            return;
        }
        // Portals older than the request-path rule answer at the handle they
        // return.
        const QString handle = reply.value().path();
        if (!handle.isEmpty() && handle != expected) Listen(bus, handle, answer);
    });
    timer.start(timeoutMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

void SetPortalTimeoutMs(int milliseconds) { portalTimeoutMs = milliseconds; }

QString PortalRequestPath(const QString& uniqueName, const QString& token) {
    QString sender = uniqueName.startsWith(u':') ? uniqueName.mid(1) : uniqueName;
    sender.replace(u'.', u'_');
    return kPath + QStringLiteral("/request/") + sender + u'/' + token;
}

PortalPicture AskPortalScreenshot(const QDBusConnection& bus, bool interactive, int timeoutMs) {
    if (!bus.isConnected()) return {};
    static int requests = 0;
    const QString token = QStringLiteral("veldrio%1").arg(++requests);
    const QString expected = PortalRequestPath(bus.baseService(), token);
    const QDateTime asked = QDateTime::currentDateTime();

    PortalAnswer answer;
    {
        const InputHold hold;
        // Listening before asking: the answer may come before the call returns.
        Listen(bus, expected, answer);
        QDBusMessage call =
            QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Screenshot"));
        call << QString()
             << QVariantMap{{QStringLiteral("handle_token"), token},
                            {QStringLiteral("interactive"), interactive}};
        AwaitAnswer(bus, call, expected, answer, timeoutMs);
    }
    if (!answer.received) return {};
    if (answer.response == kResponseCancelled) return {PortalOutcome::Cancelled, {}};
    if (answer.response != kResponseSuccess) return {};

    const QUrl uri(answer.results.value(QStringLiteral("uri")).toString());
    if (!uri.isLocalFile()) return {};
    const QString file = uri.toLocalFile();
    PortalPicture out{PortalOutcome::Taken, QImage(file)};
    // The portal wrote the file for this request only; an older file of the
    // user's is never removed.
    const QFileInfo info(file);
    if (info.lastModified().addSecs(1) >= asked) QFile::remove(file);
    if (out.picture.isNull()) out.outcome = PortalOutcome::Failed;
    return out;
}

QImage PortalScreenshot(const QDBusConnection& bus, int timeoutMs) {
    return AskPortalScreenshot(bus, false, timeoutMs).picture;
}

QImage PortalScreenshot() { return PortalScreenshot(QDBusConnection::sessionBus(), portalTimeoutMs); }

PortalPicture PortalPickArea(int timeoutMs) {
    return AskPortalScreenshot(QDBusConnection::sessionBus(), true, timeoutMs);
}

}  // namespace platform

#include "screenshot_portal.moc"
