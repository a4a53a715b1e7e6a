// The one way the program shows a message box. Tests install a hook that
// records each box and answers it, so no window ever waits for a person.
#pragma once

#include <functional>
#include <string>

#include "res/notice.h"

class QWidget;

namespace platform {

// Buttons and icons, with the values the program's callers know them by.
enum MessageBoxStyle : unsigned {
    MB_OK = 0x00,
    MB_OKCANCEL = 0x01,
    MB_YESNOCANCEL = 0x03,
    MB_YESNO = 0x04,
    MB_ICONSTOP = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONINFORMATION = 0x40,
};

// Answers.
enum MessageBoxAnswer : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDYES = 6,
    IDNO = 7,
};

struct MessageBoxCall {
    std::string text;   // UTF-8
    std::string title;  // UTF-8
    unsigned style = MB_OK;
};

using MessageBoxHook = std::function<int(const MessageBoxCall&)>;

// Shows the box modally over owner (may be null) and returns the answer.
int MessageBox(QWidget* owner, const std::string& text, const std::string& title,
               unsigned style = MB_OK);

// Shows a notice the logic returned; an empty one shows nothing (IDOK).
int ShowNotice(QWidget* owner, const Notice& notice);

// Replaces the real box with hook; an empty hook restores the real one.
void SetMessageBoxHook(MessageBoxHook hook);

}  // namespace platform
