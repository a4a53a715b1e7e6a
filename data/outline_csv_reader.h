// Reading an outline from CSV rows "type,x,y": the rows after the
// "type,x,y" line of a file the program exported, or a bare list of rows.
#pragma once

#include <string>
#include <vector>

#include "data/sample_table.h"

enum class OutlineReadResult {
    Ok,
    Malformed,    // a row that is not "type,x,y" with an integer type and texts of at most 8 characters
    TooManyRows,  // more rows than the table holds
};

// Where the rows came from in the text: the 1-based line of each row read,
// and the line that stopped the reading (0 when none did).
struct OutlineLines {
    std::vector<int> ofRow;
    int bad = 0;
};

// Fills table (cleared first) with the rows of text, each coordinate text
// right-justified in 8 characters as the edit window stores it, and sets the
// integer coordinates from the texts. A loop break ("9,0,0", or with blank
// coordinates) is stored as the edit window stores one: blank. On
// Malformed, error says which line and why; lines, when given, says where
// each row and the failure were.
OutlineReadResult ReadOutlineCsv(const std::string& text, SampleTable& table, std::string& error,
                                 OutlineLines* lines = nullptr);
