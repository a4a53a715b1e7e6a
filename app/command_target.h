// A window that takes commands: menus and buttons call its OnCommand with
// their id, and other windows send it commands the same way, synchronously.
// The viewers and the edit window reach the main dialog (their owner)
// through this interface.
#pragma once

#include <cstdint>

class QWidget;

class CommandTarget {
public:
    // True when the command was handled.
    virtual bool OnCommand(int id, std::intptr_t value) = 0;

protected:
    ~CommandTarget() = default;
};

// Sends a command to owner when it takes commands; false otherwise.
bool SendCommand(QWidget* owner, int id, std::intptr_t value);
