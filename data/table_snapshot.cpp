#include "data/table_snapshot.h"

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

void TextsFollowDots(TableSnapshot& snapshot) {
    const int count =
        snapshot.count < 0 ? 0 : (snapshot.count > SAMPLE_CAPACITY ? SAMPLE_CAPACITY : snapshot.count);
    for (int i = 0; i < count; ++i) {
        SamplePoint& row = snapshot.rows[i];
        SetCoordinate(row.xText, row.x);
        SetCoordinate(row.yText, row.y);
    }
}

void RestoreSnapshot(SampleTable& table, const TableSnapshot& snapshot, double magnification) {
    table.rows = snapshot.rows;
    table.count =
        snapshot.count < 0 ? 0 : (snapshot.count > SAMPLE_CAPACITY ? SAMPLE_CAPACITY : snapshot.count);
    const double from = snapshot.magnification;
    if (from > 0 && magnification > 0 && std::isfinite(from) && std::isfinite(magnification) &&
        from != magnification)
        table.ScaleCoords(magnification / from);
    if (table.workState == WS_CALCULATED) table.workState = WS_MODIFIED;
}
