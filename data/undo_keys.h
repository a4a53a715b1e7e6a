// The keys of undo and redo, the same in the edit window and its viewer:
// Ctrl+Z undoes; Ctrl+Y and Ctrl+Shift+Z redo.
#pragma once

// ID_UNDO, ID_REDO, or 0 for any other key. key is a Qt key code.
int UndoKeyCommand(int key, bool shift, bool ctrl);
