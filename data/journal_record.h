// The work kept against an abnormal end: what the edit window and its viewer
// hold, as a small text file beside the settings. FormatJournal writes it,
// ParseJournal reads it back and refuses anything it did not write.
//
//   VELDRIO-JOURNAL 1
//   picture <path of the picture file, or empty>
//   pixels <file name of a capture's pixels beside the journal, or empty>
//   magnification <display scale the rows' dots are in>
//   scale <millimetres per source dot, 0: none>
//   plane <the perspective plane (plane::PlaneSetting::ToText), or empty>
//   rows <count>
//   <type> <x> <y>|<x text>|<y text>|      one line per row
//   end
//
// Paths are written with "\\" for a backslash and "\n" for a line break.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "data/table_snapshot.h"

struct JournalRecord {
    std::string picturePath;  // the picture file shown, empty for a capture
    std::string pixelsFile;   // a capture's pixels beside the journal, or empty
    TableSnapshot table;      // the rows with the magnification they are in
    double mmPerDot = 0;      // the real-unit scale
    std::string plane;        // the perspective plane as text, empty for none
};

// Far more than 200 rows and two paths take: a longer text is no journal.
constexpr std::size_t kLongestJournal = 1 << 20;

std::string FormatJournal(const JournalRecord& record);

// The record, or nothing for text that is not a whole journal (cut short,
// changed, a row or a number out of range, texts too long for a cell).
std::optional<JournalRecord> ParseJournal(std::string_view text);

// The size of a blank picture that shows every row of table: the rows'
// source dots (dots / magnification) and a margin, at least 640 x 480.
struct PictureSize {
    int width = 0;
    int height = 0;
};
PictureSize BlankPictureSize(const TableSnapshot& table);
