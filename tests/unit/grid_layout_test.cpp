#include <gtest/gtest.h>

#include <string>

#include "data/grid_layout.h"
#include "data/status_box.h"
#include "data/work_state.h"

namespace {

// W 8, H 16; heading at (10, 100), 120 x 20: origin (18, 128).
GridLayout Layout() { return GridLayout(8, 16, GridBox{10, 100, 120, 20}); }

}  // namespace

TEST(GridLayout, OriginFollowsTheHeading) {
    const GridLayout layout = Layout();
    EXPECT_EQ(layout.origin, (GridPoint{18, 128}));
    // H odd: half an H is truncated.
    EXPECT_EQ(GridLayout(7, 15, GridBox{0, 0, 10, 10}).origin, (GridPoint{7, 17}));
}

TEST(GridLayout, CellsOfTheThreeColumns) {
    const GridLayout layout = Layout();
    EXPECT_EQ(layout.Cell(0, 0), (GridBox{18 + 40, 128 + 16, 32, 16}));
    EXPECT_EQ(layout.Cell(0, 1), (GridBox{18 + 72, 144, 64, 16}));
    EXPECT_EQ(layout.Cell(0, 2), (GridBox{18 + 136, 144, 64, 16}));
    EXPECT_EQ(layout.Cell(9, 2), (GridBox{154, 128 + 160, 64, 16}));
    // Columns touch: each begins where the one before ends.
    for (int line = 0; line < 10; ++line) {
        EXPECT_EQ(layout.Cell(line, 0).x + layout.Cell(line, 0).width, layout.Cell(line, 1).x);
        EXPECT_EQ(layout.Cell(line, 1).x + layout.Cell(line, 1).width, layout.Cell(line, 2).x);
    }
}

TEST(GridLayout, FrameBandsLinesAndTexts) {
    const GridLayout layout = Layout();
    EXPECT_EQ(layout.HeaderBand(), (GridBox{26, 128, 192, 16}));
    EXPECT_EQ(layout.RowNumberColumn(), (GridBox{26, 144, 32, 160}));
    const auto lines = layout.FrameLines();
    EXPECT_EQ(lines[0], (GridSegment{{26, 128}, {58, 128}}));
    EXPECT_EQ(lines[11], (GridSegment{{26, 128 + 176}, {58, 128 + 176}}));
    EXPECT_EQ(lines[12], (GridSegment{{26, 144}, {26, 304}}));
    const auto separators = layout.HeaderSeparators();
    EXPECT_EQ(separators[0], (GridSegment{{58, 128}, {58, 144}}));
    EXPECT_EQ(separators[1], (GridSegment{{90, 128}, {90, 144}}));
    EXPECT_EQ(separators[2], (GridSegment{{154, 128}, {154, 144}}));
    EXPECT_EQ(layout.RowNumberAt(0), (GridPoint{26, 128 + 16 + 2}));
    EXPECT_EQ(layout.RowNumberAt(9), (GridPoint{26, 146 + 144}));
    const auto captions = layout.CaptionsAt();
    EXPECT_EQ(captions[0], (GridPoint{34, 132}));
    EXPECT_EQ(captions[1], (GridPoint{66, 132}));
    EXPECT_EQ(captions[2], (GridPoint{114, 132}));
    EXPECT_EQ(captions[3], (GridPoint{178, 132}));
}

TEST(StatusBox, FillAndTextOfEachState) {
    struct Case {
        int32_t state;
        int r, g, b;
        std::string text;
    };
    const Case cases[] = {
        {WS_IDLE, 212, 212, 212, "指示待ち中"},
        {WS_SAMPLING, 255, 255, 0, "サンプリング中"},
        {WS_CALCULATED, 128, 255, 255, "計算完了"},
        {WS_MODIFIED, 255, 128, 64, "データ修正あり"},
        {WS_VIEWER_SEARCH, 255, 128, 64, "Viwer 修正データサーチ中"},
        {WS_VIEWER_EDIT, 255, 128, 64, "Viwer データ修正中"},
        {42, 212, 212, 212, "指示待ち中"},
        {-1, 212, 212, 212, "指示待ち中"},
    };
    for (const Case& c : cases) {
        const StatusBoxLook look = StatusBoxFor(c.state);
        EXPECT_EQ(look.red, c.r) << c.state;
        EXPECT_EQ(look.green, c.g) << c.state;
        EXPECT_EQ(look.blue, c.b) << c.state;
        EXPECT_EQ(look.text, c.text) << c.state;
    }
}
