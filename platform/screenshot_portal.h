// The desktop's screenshot portal (org.freedesktop.portal.Screenshot over
// the session bus): the one way to read the screen in a Wayland session,
// where windows of native Wayland programs read back black through X.
#pragma once

#include <QImage>

class QDBusConnection;

namespace platform {

// How long a screenshot taken without asking the user may take before the
// portal counts as missing.
constexpr int kPortalTimeoutMs = 5000;
// How long the user may take to choose an area in the desktop's own tool.
constexpr int kPortalPickTimeoutMs = 120000;

// Sets the limit PortalScreenshot() waits for (and any request's call):
// kPortalTimeoutMs unless a test sets another.
void SetPortalTimeoutMs(int milliseconds);

// How a request to the portal ended.
enum class PortalOutcome { Taken, Cancelled, Failed };

struct PortalPicture {
    PortalOutcome outcome = PortalOutcome::Failed;
    QImage picture;  // the portal's PNG as written: device pixels
};

// One Screenshot request; with interactive the user chooses what to take
// in the desktop's tool. Failed when there is no portal on the bus, it
// refuses, or it does not answer within timeoutMs (nor return from the call
// within the limit SetPortalTimeoutMs sets); Cancelled when the user
// gave up. While it waits the program shows a busy cursor and takes no
// input; input that arrived meanwhile is dropped rather than replayed. The
// file the portal wrote for the request is removed once read.
PortalPicture AskPortalScreenshot(const QDBusConnection& bus, bool interactive, int timeoutMs);

// The whole desktop, taken without asking the user. Null when the request
// did not give a picture.
QImage PortalScreenshot(const QDBusConnection& bus, int timeoutMs);
QImage PortalScreenshot();

// An area the user chooses, on the session bus.
PortalPicture PortalPickArea(int timeoutMs = kPortalPickTimeoutMs);

// The object path at which the portal answers a request of the connection
// uniqueName made with token.
QString PortalRequestPath(const QString& uniqueName, const QString& token);

}  // namespace platform
