// The desktop's screenshot portal (org.freedesktop.portal.Screenshot over
// the session bus): the one way to read the screen in a Wayland session,
// where windows of native Wayland programs read back black through X.
#pragma once

#include <QImage>

class QDBusConnection;

namespace platform {

// The whole desktop, taken without asking the user. Null when there is no
// portal on the bus, it refuses, or it does not answer within timeoutMs.
// The file the portal wrote for the request is removed once read.
QImage PortalScreenshot(const QDBusConnection& bus, int timeoutMs);
QImage PortalScreenshot(int timeoutMs = 20000);

// The object path at which the portal answers a request of the connection
// uniqueName made with token.
QString PortalRequestPath(const QString& uniqueName, const QString& token);

}  // namespace platform
