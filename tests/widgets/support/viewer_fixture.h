// Test support for the viewer windows: a stand-in for the main dialog that
// takes the registry commands, and images put straight into a slot.
#pragma once

#include <QWidget>

#include <cstdint>
#include <utility>
#include <vector>

#include "app/app_context.h"
#include "app/command_target.h"
#include "app/viewer_windows.h"
#include "platform/message_box_recorder.h"

class CGazoView;
class CViewImage;

class FakeMainDialog : public QWidget, public CommandTarget {
public:
    FakeMainDialog() : windows(this) {}
    bool OnCommand(int id, std::intptr_t value) override {
        commands.emplace_back(id, value);
        return windows.OnCommand(id, value);
    }

    ViewerWindows windows;
    std::vector<std::pair<int, std::intptr_t>> commands;
};

// One test's program state: a fresh context, every message box recorded, and
// a shown main dialog, destroyed in the reverse order (windows first).
struct ViewerTestWorld {
    ViewerTestWorld() { main.show(); }

    ScopedAppContext context;
    platform::MessageBoxRecorder boxes;
    FakeMainDialog main;
};

// Dot (x, y) of the test picture: red = x, green = y, blue = x + y (mod 256).
std::uint8_t TestRed(int x, int y);
std::uint8_t TestGreen(int x, int y);
std::uint8_t TestBlue(int x, int y);

// Puts a width x height test picture (kind JPEG, named name) into the slot.
CViewImage* PutTestImage(int slot, int width, int height, const char* name = "test.jpg");

// The acquisition steps after the image is loaded: edit window, viewer in
// slot beside it, main dialog hidden. Returns the viewer or null.
CGazoView* OpenViewer(FakeMainDialog& main, int slot, int width = 40, int height = 30);

// Runs one event-loop pass so that deferred deletions happen.
void ProcessDeferredDeletes();
