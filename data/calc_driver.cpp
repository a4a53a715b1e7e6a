#include "data/calc_driver.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

#include "data/angle_units.h"
#include "data/table_outline_check.h"
#include "osmeca/loop_rows.h"
#include "platform/message_box.h"
#include "res/format_text.h"
#include "res/texts_data.h"

namespace {

// A refusal: false, with its message in *notice.
bool Refuse(Notice* notice, std::string text, const char* title = texts_data::TITLE_CONFIRM) {
    Tell(notice, {std::move(text), title});
    return false;
}

// Input record i from row i: the type and the two 8-character texts.
void FillInput(SectionInputPoint& input, const SamplePoint& row) {
    std::memset(&input, 0, sizeof input);
    input.type = row.type;
    std::memcpy(input.xText, row.xText, sizeof input.xText);
    std::memcpy(input.yText, row.yText, sizeof input.yText);
}

// What the library writes, kept aside until the whole run has succeeded.
struct LibraryOutput {
    std::array<SectionSegment, OS_MAX_SEGMENTS> segments;
    int32_t segmentCount = 0;
    SectionResults results;
    InclinedAxisTable inclined;
};

bool HasLoopBreak(const SampleTable& table) {
    return std::any_of(table.rows.begin(), table.rows.begin() + table.count,
                       [](const SamplePoint& row) { return !HoldsPoint(row); });
}

// The message for rows that make no loops (breaks misplaced, a loop too
// short or ending on an arc's first point); empty when the loops are sound.
// Loops and rows are counted from 1 in the messages.
std::string LoopRefusal(const SampleTable& table) {
    std::array<int32_t, SAMPLE_CAPACITY> types{};
    for (int32_t i = 0; i < table.count; ++i)
        types[static_cast<std::size_t>(i)] = table.rows[i].type;
    osmeca::LoopLayout layout;
    const osmeca::LoopFaultAt at = osmeca::SplitLoops(types.data(), table.count, layout);
    const int loop = at.loop + 1, row = at.row + 1;
    switch (at.fault) {
    case osmeca::LoopFault::None: return {};
    case osmeca::LoopFault::BreakFirst: return FormatText(texts_data::MSG_BREAK_FIRST, row);
    case osmeca::LoopFault::BreakLast: return FormatText(texts_data::MSG_BREAK_LAST, row);
    case osmeca::LoopFault::BreakTwice: return FormatText(texts_data::MSG_BREAK_TWICE, row, layout.count + 1);
    case osmeca::LoopFault::TooFewPoints: return FormatText(texts_data::MSG_LOOP_TOO_FEW, loop, row);
    case osmeca::LoopFault::LastRowArc: return FormatText(texts_data::MSG_LOOP_LAST_ARC, loop, row);
    }
    return {};
}

// Loops that cross or touch themselves or each other. Arcs the check finds
// wrong, and texts that are no numbers, are left to the calculation, which
// refuses them with its own messages.
std::string CrossingRefusal(const SampleTable& table) {
    for (int32_t i = 0; i < table.count; ++i) {
        if (HoldsPoint(table.rows[i]) && !RowTextsAreNumbers(table.rows[i])) return {};
    }
    const osmeca::OutlineFaultAt at = CheckTableOutline(table);
    switch (at.fault) {
    case osmeca::OutlineFault::LoopCrossesItself:
        return FormatText(texts_data::MSG_LOOP_CROSSES_ITSELF, at.loop + 1, at.row + 1);
    case osmeca::OutlineFault::LoopsCross:
        return FormatText(texts_data::MSG_LOOPS_CROSS, at.loop + 1, at.otherLoop + 1, at.row + 1);
    default: return {};
    }
}

}  // namespace

void StartEditSession(SampleTable& table, CalcState& state) {
    table.ClearTable();
    table.workState = WS_IDLE;
    state.ResetBuffers();
    state.ZeroSectionResults();
}

bool Calculate(SampleTable& table, CalcState& state, double R, Notice* notice) {
    if (table.count <= 2) return Refuse(notice, texts_data::MSG_TOO_FEW_POINTS);
    return RunCalculation(table, state, R, notice);
}

bool RunCalculation(SampleTable& table, CalcState& state, double R, Notice* notice) {
    const int32_t count = table.count;
    if (count < 1 || count > OS_MAX_POINTS) return false;
    for (int32_t i = 0; i < count; ++i) {
        const SamplePoint& row = table.rows[i];
        FillInput(state.inputs[i], row);
        if (row.type == 1 || row.type == kLoopBreakType) continue;
        if (row.type == 2) {
            if (i == count - 1) return Refuse(notice, texts_data::MSG_LAST_POINT_ARC);
            continue;
        }
        return Refuse(notice, FormatText(texts_data::MSG_BAD_TYPE, i + 1), texts_data::TITLE_NOT_CALCULABLE);
    }

    // Rows without a break are one loop, calculated as they always were, a
    // crossing or a cut to an inner contour and back included.
    if (HasLoopBreak(table)) {
        std::string refusal = LoopRefusal(table);
        if (refusal.empty()) refusal = CrossingRefusal(table);
        if (!refusal.empty()) return Refuse(notice, std::move(refusal), texts_data::TITLE_NOT_CALCULABLE);
    }

    auto out = std::make_unique<LibraryOutput>();
    if (osSectionIntegrate(state.inputs.data(), out->segments.data(), count, &out->segmentCount,
                           &out->results, &out->inclined) == 0)
        return Refuse(notice, texts_data::MSG_CALC_FAILED);
    for (int32_t k = 0; k < out->segmentCount; ++k) {
        const SectionSegment& segment = out->segments[k];
        if (segment.rowType == 2 && DegreesFromRadians(segment.sweepAngle) >= 180)
            return Refuse(notice, FormatText(texts_data::MSG_ARC_TOO_WIDE, k + 1));
    }

    state.segments = out->segments;
    state.segmentCount = out->segmentCount;
    state.sectionResults = out->results;
    state.inclined = out->inclined;
    table.workState = WS_CALCULATED;
    if (!(R > 0) || !std::isfinite(R)) R = 1.0;
    state.results = MakeCalcResults(state.sectionResults, R);
    return true;
}

bool ClearSampleData(SampleTable& table, CalcState& state, const AskUser& ask, Notice* notice) {
    if (table.count == 0) return Refuse(notice, texts_data::MSG_NO_VALID_DATA);
    if (!Ask(ask, {texts_data::MSG_CLEAR_QUESTION, texts_data::TITLE_CONFIRM, platform::MB_YESNO}))
        return false;
    state.ZeroSectionResults();
    table.ClearTable();
    table.workState = WS_IDLE;
    return true;
}

std::array<std::string, 9> ResultBoxLines(const CalcResults& results, int32_t workState) {
    const ResultValues& v = results.shown;
    const char* note = (v.A != 0 && workState == WS_MODIFIED) ? Tr(texts_data::BOX_OLD_DATA_NOTE) : "";
    return {
        FormatText(texts_data::BOX_R, results.R),
        FormatText(texts_data::BOX_A, v.A, note),
        FormatText(texts_data::BOX_L, v.L),
        FormatText(texts_data::BOX_B, v.B),
        FormatText(texts_data::BOX_H, v.H),
        FormatText(texts_data::BOX_XC, v.xC, v.bL, v.bR),
        FormatText(texts_data::BOX_YC, v.yC, v.hU, v.hL),
        FormatText(texts_data::BOX_IY, v.IyMax, v.theta),
        FormatText(texts_data::BOX_IZ, v.IzMin),
    };
}
