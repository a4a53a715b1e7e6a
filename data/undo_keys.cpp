#include "data/undo_keys.h"

#include <QtCore/qnamespace.h>

#include "res/ids.h"

int UndoKeyCommand(int key, bool shift, bool ctrl) {
    if (!ctrl) return 0;
    if (key == Qt::Key_Z) return shift ? ID_REDO : ID_UNDO;
    if (key == Qt::Key_Y) return ID_REDO;
    return 0;
}
