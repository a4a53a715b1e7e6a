// Where the program file lies: the base of every file the program writes.
#pragma once

#include <string>

namespace platform {

// Full path of the running program file (from /proc/self/exe).
std::string ProgramFilePath();

// Its directory, without a trailing slash.
std::string ProgramDirectory();

}  // namespace platform
