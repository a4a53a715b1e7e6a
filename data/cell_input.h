// What the cells of the edit window's grid accept: the characters that can
// be typed into them, and the keys that become commands of the window
// before the cell sees them.
#pragma once

#include <string_view>

// A typed character a cell keeps: digits, "+", "-", ".", "E", "e", blank,
// backspace and escape. Everything else is dropped.
bool IsCellCharAllowed(char32_t c);

// True when every character of text (UTF-8) could have been typed.
bool IsCellTextAllowed(std::string_view text);

// The key goes on to the cell.
constexpr int CELL_KEY_TO_CELL = 0;
// The key is consumed and does nothing.
constexpr int CELL_KEY_SWALLOW = -1;

// The command a key pressed in a cell sends to the edit window (124..139,
// and undo and redo),
// or CELL_KEY_TO_CELL, or CELL_KEY_SWALLOW. key is a Qt key code. While
// caretMode is on, Left and Right move the caret inside the cell.
int CellKeyCommand(int key, bool shift, bool ctrl, bool caretMode);
