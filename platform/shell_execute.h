// Starting another program without waiting for it, with the result codes
// callers know from the Windows shell: 32 or more is success, 2 means the
// program file is missing, 5 that it may not be run.
#pragma once

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace platform {

constexpr int SE_FILE_NOT_FOUND = 2;
constexpr int SE_ACCESS_DENIED = 5;
constexpr int SE_STARTED = 42;

// Starts program (a path, or a bare name looked up on PATH) detached with
// arguments, each passed as one argument whatever it contains. owner is the
// window on whose behalf it starts (may be null).
int ShellExecute(QWidget* owner, const std::string& program, const std::vector<std::string>& arguments);

// Tests replace the start with hook; an empty hook restores the real one.
using ShellExecuteHook = std::function<int(const std::string& program, const std::vector<std::string>& arguments)>;
void SetShellExecuteHook(ShellExecuteHook hook);

}  // namespace platform
