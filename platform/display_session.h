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

// "xcb;wayland" in a Wayland session (X through XWayland first, the
// compositor itself when no X server answers), unless the user chose a
// platform with QT_QPA_PLATFORM; empty otherwise (Qt's own choice stands).
std::string ChosenQtPlatform(const SessionEnvironment& environment);

// Sets QT_QPA_PLATFORM to the chosen platform, if any. Called before the
// application object is made.
void ChooseQtPlatform();

// The line said on stderr when no platform could open a display: what was
// tried and with which displays, and what to set.
std::string NoDisplayMessage(const SessionEnvironment& environment);

// While one lives (around the making of the application object), a failed
// start of the Qt platform is said plainly (NoDisplayMessage, after Qt's own
// lines) and ends the program with status 1 rather than an abort.
class PlatformStartWatch {
public:
    PlatformStartWatch();
    ~PlatformStartWatch();
    PlatformStartWatch(const PlatformStartWatch&) = delete;
    PlatformStartWatch& operator=(const PlatformStartWatch&) = delete;
};

}  // namespace platform
