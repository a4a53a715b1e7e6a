#include "platform/display_session.h"

#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

bool IsSet(const char* value) { return value != nullptr && *value != '\0'; }

}  // namespace

SessionEnvironment CurrentSessionEnvironment() {
    return {std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"),
            std::getenv("XDG_SESSION_TYPE")};
}

bool IsWaylandSession(const SessionEnvironment& environment) {
    return IsSet(environment.waylandDisplay) ||
           (environment.sessionType != nullptr && std::strcmp(environment.sessionType, "wayland") == 0);
}

bool IsWaylandSession() { return IsWaylandSession(CurrentSessionEnvironment()); }

std::string ChosenQtPlatform(const SessionEnvironment& environment) {
    if (IsSet(environment.qpaPlatform) || !IsSet(environment.display) || !IsWaylandSession(environment))
        return {};
    return "xcb";
}

void ChooseQtPlatform() {
    const std::string chosen = ChosenQtPlatform(CurrentSessionEnvironment());
    if (!chosen.empty()) setenv("QT_QPA_PLATFORM", chosen.c_str(), 1);
}

}  // namespace platform
