// The section calculation with arbitrary row counts, row types and
// coordinate texts: first the library on its own, then the edit window's
// calculation over the same rows.
//
// Input: one byte of row count (0..202), then per row one byte of type
// (read as a signed number; 9, the loop break, splits the outline into
// loops) and 8 + 8 bytes of coordinate text. An outline the edit window
// calculates is also written out as the expanded-segment report and the
// measurement sheet's loops.
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "data/calc_driver.h"
#include "data/calc_state.h"
#include "data/measurement_sheet.h"
#include "data/report_texts.h"
#include "data/sample_table.h"
#include "osmeca/osmeca.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

constexpr std::size_t ROW_BYTES = 17;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::AnswerMessageBoxes();
    if (size < 1) return 0;
    const int count = data[0] % (OS_MAX_POINTS + 3);
    // Exactly count rows, so that any reading beyond them is seen.
    std::vector<SectionInputPoint> inputs(std::size_t(std::max(count, 1)));
    std::memset(inputs.data(), 0, inputs.size() * sizeof(SectionInputPoint));
    SampleTable table;
    for (int i = 0; i < count; ++i) {
        std::uint8_t row[ROW_BYTES] = {};
        const std::size_t at = 1 + std::size_t(i) * ROW_BYTES;
        if (at < size) std::memcpy(row, data + at, std::min(ROW_BYTES, size - at));
        inputs[std::size_t(i)].type = static_cast<std::int8_t>(row[0]);
        std::memcpy(inputs[std::size_t(i)].xText, row + 1, 8);
        std::memcpy(inputs[std::size_t(i)].yText, row + 9, 8);
        if (i < SAMPLE_CAPACITY) {
            SamplePoint& point = table.rows[std::size_t(i)];
            point.type = static_cast<std::int8_t>(row[0]);
            std::memcpy(point.xText, row + 1, 8);
            std::memcpy(point.yText, row + 9, 8);
            point.xText[8] = point.yText[8] = '\0';
        }
    }
    auto state = std::make_unique<CalcState>();
    std::int32_t segmentCount = 0;
    osSectionIntegrate(inputs.data(), state->segments.data(), count, &segmentCount, &state->sectionResults,
                       &state->inclined);

    table.count = std::min(count, SAMPLE_CAPACITY);
    table.TextToCoords();
    const double scales[] = {1.0, 0.5, 2.0, 0.0};
    if (Calculate(table, *state, scales[data[0] % 4], nullptr)) {
        DetailReportText(state->segments.data(), state->segmentCount);
        OutlineLoopPoints(state->segments.data(), state->segmentCount, state->results.R);
    }
    return 0;
}
