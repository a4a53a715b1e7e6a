// The rows of the sample table at one moment, with the display
// magnification their dots belong to. An undo step keeps two of these; the
// journal keeps one.
#pragma once

#include <array>
#include <cstdint>

#include "data/sample_table.h"

struct TableSnapshot {
    std::array<SamplePoint, SAMPLE_CAPACITY> rows{};
    int32_t count = 0;
    double magnification = 1.0;  // the viewer's display scale the dots are in
};

TableSnapshot SnapshotOf(const SampleTable& table, double magnification);

// True when the two hold the same rows, byte for byte (the magnification
// is not compared).
bool SameRows(const TableSnapshot& a, const TableSnapshot& b);

// The rows as the end of a correction leaves them: the texts follow the
// dots (a correction moves only the dots until it ends).
TableSnapshot CorrectedSnapshotOf(const SampleTable& table, double magnification);

// Puts the snapshot's rows into table, their dots scaled from the
// snapshot's magnification to magnification (truncated toward zero, as a
// change of magnification scales them). The work state stays, except that
// calculated results now belong to older data (WS_MODIFIED). The save
// buffer stays.
void RestoreSnapshot(SampleTable& table, const TableSnapshot& snapshot, double magnification);
