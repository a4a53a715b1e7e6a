#include "platform/display_session.h"

#include <gtest/gtest.h>

namespace {

using platform::ChosenQtPlatform;
using platform::NoDisplayMessage;

// In a Wayland session X comes first, the compositor when no X server
// answers; the user's own choice and an X session are left to Qt.
TEST(DisplaySession, WaylandSessionsTryXcbThenWaylandUnlessChosen) {
    EXPECT_EQ(ChosenQtPlatform({nullptr, ":0", "wayland-0", nullptr}), "xcb;wayland");
    EXPECT_EQ(ChosenQtPlatform({nullptr, nullptr, "wayland-0", nullptr}), "xcb;wayland");
    EXPECT_EQ(ChosenQtPlatform({nullptr, ":0", nullptr, "wayland"}), "xcb;wayland");
    EXPECT_EQ(ChosenQtPlatform({"", ":0", "wayland-0", nullptr}), "xcb;wayland");  // empty = not chosen
    EXPECT_EQ(ChosenQtPlatform({"wayland", ":0", "wayland-0", "wayland"}), "");
    EXPECT_EQ(ChosenQtPlatform({"xcb", ":0", "wayland-0", nullptr}), "");
    EXPECT_EQ(ChosenQtPlatform({nullptr, ":0", nullptr, "x11"}), "");
    EXPECT_EQ(ChosenQtPlatform({nullptr, ":0", "", "tty"}), "");
}

// The full line is checked where the program fails to start (no_display.sh).
TEST(DisplaySession, NoDisplayMessageSaysWhatIsNotSet) {
    const std::string bare = NoDisplayMessage({});
    EXPECT_NE(bare.find("platform xcb, DISPLAY=(not set), WAYLAND_DISPLAY=(not set)"), std::string::npos);
    EXPECT_EQ(bare.find('\n'), std::string::npos);
}

}  // namespace
