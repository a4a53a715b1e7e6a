// printf-style formatting into a std::string, always with the C locale's
// decimal point: files and result lines must read "1234.50" whatever the
// user's locale says. A format the translation catalog holds is used in
// the user's language (res/translation.h); data formats are never in it.
#pragma once

#include <string>

std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
