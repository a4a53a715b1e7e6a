// One row of the sample table: a point of the outline, kept as text (what
// the edit window shows and the calculation reads) and as integers (what
// the viewer draws and moves).
#pragma once

#include <cstdint>

// Coordinate texts hold 8 characters and a terminating zero byte.
constexpr int COORD_TEXT_SIZE = 9;
// The widest whole values 8 characters hold.
constexpr int32_t COORD_LOWEST = -9999999;
constexpr int32_t COORD_HIGHEST = 99999999;

struct SamplePoint {
    char xText[COORD_TEXT_SIZE];  // "%8d" or typed text right-justified in 8 characters
    char yText[COORD_TEXT_SIZE];
    int32_t type;  // 0 empty, 1 straight to the next point, 2 three-point arc starts here, 9 loop break
    int32_t x;     // image dots at the viewer's current magnification
    int32_t y;
};

// A row of this type holds no point: it ends one loop of the outline (a
// part or a hole) and begins the next. Its texts stay blank.
constexpr int32_t kLoopBreakType = 9;

// A loop break: type 9, blank texts, numbers 0.
SamplePoint LoopBreakSamplePoint();

// True for rows that hold a point (every type but the loop break).
inline bool HoldsPoint(const SamplePoint& row) { return row.type != kLoopBreakType; }

// A blank row: texts " ", numbers 0.
SamplePoint BlankSamplePoint();

// A vacated row: every byte zero (empty texts). Counts as empty like a blank row.
SamplePoint ZeroSamplePoint();

// Writes value as "%8d" into text and stores back what that text says.
// Values that do not fit in 8 characters are first clamped to the widest
// that do (-9999999 .. 99999999), so text and integer always agree.
void SetCoordinate(char (&text)[COORD_TEXT_SIZE], int32_t& value);

// Writes value right-justified in the 8 characters with as many decimals
// as fit (none for values too long for one), clamped like SetCoordinate's
// (not a number: 0), the point always '.'; whole gets the integer the
// text begins with.
void SetFractionalCoordinate(char (&text)[COORD_TEXT_SIZE], int32_t& whole, double value);

// The decimal integer at the start of text after leading blanks: an
// optional sign, then digits up to the first other character; no digits
// give 0. Reads at most the 8 characters of the field.
int32_t ParseLeadingInteger(const char (&text)[COORD_TEXT_SIZE]);
