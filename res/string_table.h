// The program's string table: texts kept under a number. The inter-window and
// key commands share their numbers with the entries that name them.
#pragma once

#include <string_view>

// The text of entry id, or an empty text when there is none.
std::string_view StringTableText(int id);
