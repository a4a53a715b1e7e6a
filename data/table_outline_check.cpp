#include "data/table_outline_check.h"

#include <vector>

#include "data/sample_table.h"
#include "osmeca/coordinate_text.h"
#include "res/format_text.h"
#include "res/texts_outline_check.h"

namespace {

bool ReadCoordinate(const char (&text)[COORD_TEXT_SIZE], double& value) {
    return osmeca::ParseCoordinateText(text, sizeof text, value);
}

double CoordinateOf(const char (&text)[COORD_TEXT_SIZE], int32_t whole) {
    double value = 0;
    return ReadCoordinate(text, value) ? value : double(whole);
}

}  // namespace

bool RowTextsAreNumbers(const SamplePoint& row) {
    double x = 0, y = 0;
    return ReadCoordinate(row.xText, x) && ReadCoordinate(row.yText, y);
}

osmeca::OutlineFaultAt CheckTableOutline(const SampleTable& table) {
    std::vector<osmeca::CheckRow> rows;
    rows.reserve(std::size_t(table.count));
    for (int i = 0; i < table.count; ++i) {
        const SamplePoint& p = table.rows[std::size_t(i)];
        rows.push_back({p.type, CoordinateOf(p.xText, p.x), CoordinateOf(p.yText, p.y)});
    }
    return osmeca::CheckOutlineGeometry(rows, nullptr);
}

std::string OutlineFaultText(const osmeca::OutlineFaultAt& fault) {
    using osmeca::OutlineFault;
    const int row = fault.row + 1, other = fault.otherRow + 1;
    switch (fault.fault) {
    case OutlineFault::None: return {};
    case OutlineFault::PointOutside: return FormatText(texts::OUTLINE_POINT_OUTSIDE, row);
    case OutlineFault::ArcTooLong: return FormatText(texts::OUTLINE_ARC_TOO_LONG, row);
    case OutlineFault::ArcDegenerate: return FormatText(texts::OUTLINE_ARC_DEGENERATE, row);
    case OutlineFault::LoopCrossesItself: return FormatText(texts::OUTLINE_CROSSES_ITSELF, row, other);
    case OutlineFault::LoopsCross: return FormatText(texts::OUTLINE_LOOPS_CROSS, row, other);
    }
    return {};
}
