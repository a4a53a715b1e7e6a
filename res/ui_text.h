// The one way a text of the program becomes a text on the screen.
#pragma once

#include <QString>

inline QString Text(const char* utf8) { return QString::fromUtf8(utf8); }
