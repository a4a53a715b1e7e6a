// The one way a text of the program becomes a text on the screen: in the
// user's language.
#pragma once

#include <QString>

#include "res/translation.h"

inline QString Text(const char* utf8) { return QString::fromUtf8(Tr(utf8)); }
