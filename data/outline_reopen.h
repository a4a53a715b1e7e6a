// Reading a traced outline back into the table: a CSV file the export
// wrote (either form of its results block, Shift-JIS or UTF-8) or bare
// "type,x,y" rows. The rows come back at the viewer's magnification.
#pragma once

#include <string>

#include "data/sample_table.h"
#include "data/notices.h"

// The coordinate magnification a file's results block names: its R, 1 for
// the block written at R = 1, 0 when the file names none (bare rows, or a
// file exported before any calculation).
double OutlineFileMagnification(const std::string& utf8Text);

enum class OutlineLoad {
    Ok,
    BadLine,      // a line that is not a row the table can hold
    TooManyRows,  // more rows than the table holds
};

// The rows of bytes (Shift-JIS or UTF-8) into rows (cleared first), their
// coordinates converted from the file's magnification to viewerR as a
// change of magnification converts them. On failure badLine is the 1-based
// line that stopped the reading and rows is empty.
OutlineLoad LoadOutlineRows(const std::string& bytes, double viewerR, SampleTable& rows, int& badLine);

// The menu command with its file already chosen: reads path, asks before
// replacing rows the table holds (No stops), then puts the rows in place
// as if typed (results old). Any failure puts its message in *notice and
// changes nothing. True when the table was replaced.
bool ReopenOutline(const std::string& path, double viewerR, SampleTable& table, const AskUser& ask,
                   Notice* notice = nullptr);
