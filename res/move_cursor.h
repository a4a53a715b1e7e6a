// Cursor 182: an arrow with a four-headed move sign beside it, hot spot
// (1, 1), shown over a handle of the viewer's cut-out tracker.
#pragma once

#include <QCursor>

QCursor MoveCursor();
