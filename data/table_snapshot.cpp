#include "data/table_snapshot.h"

#include <algorithm>
#include <cmath>
#include <cstring>

TableSnapshot SnapshotOf(const SampleTable& table, double magnification) {
    TableSnapshot snapshot;
    snapshot.rows = table.rows;
    snapshot.count = table.count;
    snapshot.magnification = magnification;
    return snapshot;
}

bool SameRows(const TableSnapshot& a, const TableSnapshot& b) {
    return a.count == b.count && std::memcmp(a.rows.data(), b.rows.data(), sizeof a.rows) == 0;
}

TableSnapshot CorrectedSnapshotOf(const SampleTable& table, double magnification) {
    SampleTable ended = table;
    ended.CoordsToText();
    return SnapshotOf(ended, magnification);
}

void RestoreSnapshot(SampleTable& table, const TableSnapshot& snapshot, double magnification) {
    table.rows = snapshot.rows;
    table.count = std::clamp(snapshot.count, 0, SAMPLE_CAPACITY);
    const double from = snapshot.magnification;
    if (from > 0 && magnification > 0 && std::isfinite(from) && std::isfinite(magnification) &&
        from != magnification)
        table.ScaleCoords(magnification / from);
    if (table.workState == WS_CALCULATED) table.workState = WS_MODIFIED;
}
