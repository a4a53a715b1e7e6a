// The program's plus-shaped cursor (cursor 147), shown while a corner of
// the screen zone is searched for.
#pragma once

#include <QCursor>

// A black plus with a white rim, 32 x 32, its hot spot at the crossing.
QCursor PlusCursor();
