#include "platform/display_session.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

bool IsSet(const char* value) { return value != nullptr && *value != '\0'; }

std::string ValueOrUnset(const char* value) {
    return IsSet(value) ? std::string(value) : std::string("(not set)");
}

QtMessageHandler previousHandler = nullptr;

void FailedStartHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (previousHandler != nullptr) previousHandler(type, context, message);
    if (type != QtFatalMsg) return;
    std::fprintf(stderr, "%s\n", NoDisplayMessage(CurrentSessionEnvironment()).c_str());
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

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
    if (IsSet(environment.qpaPlatform) || !IsWaylandSession(environment)) return {};
    return "xcb;wayland";
}

void ChooseQtPlatform() {
    const std::string chosen = ChosenQtPlatform(CurrentSessionEnvironment());
    if (!chosen.empty()) setenv("QT_QPA_PLATFORM", chosen.c_str(), 1);
}

std::string NoDisplayMessage(const SessionEnvironment& environment) {
    const std::string tried = IsSet(environment.qpaPlatform) ? environment.qpaPlatform : "xcb";
    return "veldrio: no display could be opened (Qt platform " + tried +
           ", DISPLAY=" + ValueOrUnset(environment.display) +
           ", WAYLAND_DISPLAY=" + ValueOrUnset(environment.waylandDisplay) +
           "). Start the program inside a desktop session, or set DISPLAY or WAYLAND_DISPLAY to a running "
           "display (QT_QPA_PLATFORM chooses the platform).";
}

PlatformStartWatch::PlatformStartWatch() { previousHandler = qInstallMessageHandler(FailedStartHandler); }

PlatformStartWatch::~PlatformStartWatch() { qInstallMessageHandler(previousHandler); }

}  // namespace platform
