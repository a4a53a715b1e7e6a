#include "data/sample_table.h"

#include <cmath>
#include <cstdint>

#include "res/format_text.h"
#include "res/texts_data.h"

SampleTable::SampleTable() {
    savedRows.fill(ZeroSamplePoint());
    ClearTable();
}

void SampleTable::ClearTable() {
    rows.fill(BlankSamplePoint());
    count = 0;
}

void SampleTable::FillRow(int index, int32_t x, int32_t y) {
    SamplePoint& row = rows[index];
    row.x = x;
    row.y = y;
    SetCoordinate(row.xText, row.x);
    SetCoordinate(row.yText, row.y);
    row.type = 1;
}

bool SampleTable::IsRowRange(int first, int last, int limit) const {
    return first >= 0 && first <= last && last < limit;
}

int SampleTable::AddPoint(int32_t x, int32_t y, Notice* notice) {
    for (int i = 0; i < count; ++i) {
        if (rows[i].type == 0) {
            Tell(notice, {FormatText(texts_data::MSG_EMPTY_ROW_FILLED, i), texts_data::TITLE_CONFIRM});
            FillRow(i, x, y);
            return 2;
        }
    }
    if (count >= capacity) {
        Tell(notice, {texts_data::MSG_TABLE_FULL, texts_data::TITLE_CONFIRM});
        return -1;
    }
    FillRow(count, x, y);
    ++count;
    return 1;
}

bool SampleTable::AddLoopBreak(Notice* notice) {
    if (count == 0 || !HoldsPoint(rows[count - 1])) {
        Tell(notice, {texts_data::MSG_BREAK_NOT_ADDED, texts_data::TITLE_CONFIRM});
        return false;
    }
    if (count >= capacity) {
        Tell(notice, {texts_data::MSG_TABLE_FULL, texts_data::TITLE_CONFIRM});
        return false;
    }
    rows[count++] = LoopBreakSamplePoint();
    return true;
}

void SampleTable::InsertBlankRow(int r) {
    if (r < 0 || r >= capacity) return;
    int last = count - 1;
    if (last > capacity - 2) last = capacity - 2;  // the row that would reach index 200 is lost
    for (int i = last; i >= r; --i) rows[i + 1] = rows[i];
    rows[r] = BlankSamplePoint();
    if (count < capacity) ++count;
}

int SampleTable::DeleteRows(int first, int last) {
    int n = last - first + 1;
    if (n < 0) return 0;
    if (n == 0) {
        savedCount = 0;
        return 1;
    }
    if (!IsRowRange(first, last, count)) return 0;
    for (int i = 0; i < n; ++i) savedRows[i] = rows[first + i];
    savedCount = n;
    for (int i = last + 1; i < count; ++i) rows[i - n] = rows[i];
    for (int i = count - n; i < count; ++i) rows[i] = ZeroSamplePoint();
    count -= n;
    return 1;
}

void SampleTable::CopyRows(int first, int last) {
    if (!IsRowRange(first, last, capacity)) return;
    int n = last - first + 1;
    for (int i = 0; i < n; ++i) savedRows[i] = rows[first + i];
    savedCount = n;
}

int SampleTable::PasteRows(int first, int last, Notice* notice) {
    int n = last - first + 1;
    if (n < 0) return 0;
    if (n > savedCount) {
        Tell(notice, {texts_data::MSG_PASTE_TOO_MANY, texts_data::TITLE_CONFIRM});
        return 0;
    }
    if (n > 0) {
        if (!IsRowRange(first, last, capacity)) return 0;
        for (int i = 0; i < n; ++i) rows[first + i] = savedRows[i];
        if (last >= count) count = last + 1;
    }
    savedCount = 0;
    return 1;
}

void SampleTable::TextToCoords() {
    for (int i = 0; i < count; ++i) {
        SamplePoint& row = rows[i];
        row.x = ParseLeadingInteger(row.xText);
        row.y = ParseLeadingInteger(row.yText);
    }
}

void SampleTable::CoordsToText() {
    for (int i = 0; i < count; ++i) {
        SamplePoint& row = rows[i];
        if (!HoldsPoint(row)) continue;
        SetCoordinate(row.xText, row.x);
        SetCoordinate(row.yText, row.y);
    }
}

namespace {

// factor * value truncated toward zero, kept inside int32 (a huge factor
// must not overflow; SetCoordinate then clamps to what 8 characters hold).
int32_t ScaleTruncated(double factor, int32_t value) {
    double scaled = std::trunc(factor * static_cast<double>(value));
    if (std::isnan(scaled)) return value;
    if (scaled < -2147483648.0) return INT32_MIN;
    if (scaled > 2147483647.0) return INT32_MAX;
    return static_cast<int32_t>(scaled);
}

}  // namespace

void SampleTable::ScaleCoords(double factor) {
    for (int i = 0; i < count; ++i) {
        SamplePoint& row = rows[i];
        if (!HoldsPoint(row)) continue;
        row.x = ScaleTruncated(factor, row.x);
        row.y = ScaleTruncated(factor, row.y);
        SetCoordinate(row.xText, row.x);
        SetCoordinate(row.yText, row.y);
    }
}
