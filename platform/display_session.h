// What kind of desktop session the program runs in, and the Qt platform it
// picks for it. The program is an X11 program: it places its windows,
// captures the mouse over the whole screen and reads screen pixels.
#pragma once

#include <string>

namespace platform {

// The environment values the choice depends on (null = not set).
struct SessionEnvironment {
    const char* qpaPlatform = nullptr;     // QT_QPA_PLATFORM
    const char* display = nullptr;         // DISPLAY
    const char* waylandDisplay = nullptr;  // WAYLAND_DISPLAY
    const char* sessionType = nullptr;     // XDG_SESSION_TYPE
};

SessionEnvironment CurrentSessionEnvironment();

// A Wayland session: WAYLAND_DISPLAY set, or XDG_SESSION_TYPE "wayland".
bool IsWaylandSession(const SessionEnvironment& environment);
bool IsWaylandSession();

// "xcb" in a Wayland session that offers an X server (DISPLAY set), unless
// the user chose a platform with QT_QPA_PLATFORM; empty otherwise (Qt's own
// choice stands).
std::string ChosenQtPlatform(const SessionEnvironment& environment);

// Sets QT_QPA_PLATFORM to the chosen platform, if any. Called before the
// application object is made.
void ChooseQtPlatform();

}  // namespace platform
