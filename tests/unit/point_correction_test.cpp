#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>
#include <string>

#include "data/sample_table.h"
#include "platform/message_box_recorder.h"
#include "viewer/left_click_action.h"
#include "viewer/point_correction.h"
#include "viewer/point_pick.h"

namespace {

// A table holding the given points, appended without messages.
SampleTable TableOf(std::initializer_list<std::pair<int, int>> points) {
    SampleTable table;
    for (auto [x, y] : points) table.AddPoint(x, y);
    return table;
}

}  // namespace

TEST(PointPick, ReachIsFourDotsEachWayEdgesIncluded) {
    const SampleTable table = TableOf({{100, 80}});
    EXPECT_EQ(PickPoint(table, 104, 84), 0);
    EXPECT_EQ(PickPoint(table, 96, 76), 0);
    EXPECT_EQ(PickPoint(table, 104, 76), 0);
    EXPECT_EQ(PickPoint(table, 105, 80), -1);
    EXPECT_EQ(PickPoint(table, 100, 85), -1);
    EXPECT_EQ(PickPoint(table, 95, 80), -1);
    EXPECT_EQ(PickPoint(table, 100, 75), -1);
}

TEST(PointPick, LowestRowWinsAndEmptyRowsTakePart) {
    SampleTable table = TableOf({{10, 10}, {50, 50}, {52, 51}, {0, 0}});
    EXPECT_EQ(PickPoint(table, 53, 52), 1);
    EXPECT_EQ(PickPoint(table, 56, 55), 2);
    // A row blanked in the edit window is at (0, 0) with type 0: still picked.
    table.InsertBlankRow(0);
    EXPECT_EQ(table.rows[0].type, 0);
    EXPECT_EQ(PickPoint(table, 2, -3), 0);
}

TEST(PointPick, OnlyRowsBelowCountAndFarCoordinatesDoNotOverflow) {
    SampleTable table = TableOf({{5, 5}, {7, 7}});
    table.count = 1;
    EXPECT_EQ(PickPoint(table, 11, 11), -1);  // row 1 is beyond the data
    table.rows[0].x = INT_MIN;
    EXPECT_EQ(PickPoint(table, INT_MAX, 5), -1);
    table.count = -3;  // a count outside the table reads nothing
    EXPECT_EQ(PickPoint(table, 5, 5), -1);
}

TEST(LeftClickAction, DecidedInOrderTrackerDataViewCorrectionSampling) {
    LeftClickState state{true, true, true, WS_SAMPLING};
    EXPECT_EQ(LeftClickActionOf(state), LeftClickAction::Tracker);
    state.trackerShown = false;
    EXPECT_EQ(LeftClickActionOf(state), LeftClickAction::Pick);  // correction before sampling
    state.dataView = false;
    EXPECT_EQ(LeftClickActionOf(state), LeftClickAction::None);
    state = {false, true, false, WS_SAMPLING};
    EXPECT_EQ(LeftClickActionOf(state), LeftClickAction::AddPoint);
    for (int ws : std::initializer_list<int>{WS_IDLE, WS_CALCULATED, WS_MODIFIED, WS_VIEWER_SEARCH, WS_VIEWER_EDIT, 77}) {
        state.workState = ws;
        EXPECT_EQ(LeftClickActionOf(state), LeftClickAction::None) << ws;
    }
}

TEST(PointCorrection, BeginPickMoveEndMoveStatesAndTextsTogether) {
    SampleTable table = TableOf({{100, 80}, {30, 40}});
    PointCorrection correction;
    correction.Begin(table);
    EXPECT_TRUE(correction.correcting());
    EXPECT_EQ(correction.selectedRow(), -1);
    EXPECT_EQ(table.workState, WS_VIEWER_SEARCH);

    // Nothing picked yet: the keys move nothing.
    EXPECT_FALSE(correction.Move(table, -1, 0));
    EXPECT_EQ(table.rows[0].x, 100);

    // A miss changes nothing.
    EXPECT_EQ(correction.Pick(table, 200, 200), -1);
    EXPECT_EQ(table.workState, WS_VIEWER_SEARCH);

    EXPECT_EQ(correction.Pick(table, 98, 83), 0);
    EXPECT_EQ(correction.selectedRow(), 0);
    EXPECT_EQ(table.workState, WS_VIEWER_EDIT);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(correction.Move(table, -1, 0));
    EXPECT_TRUE(correction.Move(table, 0, 1));
    EXPECT_EQ(table.rows[0].x, 97);
    EXPECT_EQ(table.rows[0].y, 81);
    EXPECT_STREQ(table.rows[0].xText, "     100");  // texts wait for the end

    // Picking again switches rows.
    EXPECT_EQ(correction.Pick(table, 30, 40), 1);
    EXPECT_TRUE(correction.Move(table, 0, -1));
    EXPECT_EQ(table.rows[1].y, 39);

    correction.End(table);
    EXPECT_FALSE(correction.correcting());
    EXPECT_EQ(correction.selectedRow(), 1);  // kept after the end
    EXPECT_EQ(table.workState, WS_MODIFIED);
    EXPECT_STREQ(table.rows[0].xText, "      97");
    EXPECT_STREQ(table.rows[0].yText, "      81");
    EXPECT_STREQ(table.rows[1].yText, "      39");

    // Not correcting: neither picks nor moves.
    EXPECT_EQ(correction.Pick(table, 97, 81), -1);
    EXPECT_FALSE(correction.Move(table, 1, 0));
    EXPECT_EQ(table.rows[1].y, 39);
}

TEST(PointCorrection, SelectedRowGoneFromTheTableIsNotWritten) {
    SampleTable table = TableOf({{1, 1}, {50, 50}});
    PointCorrection correction;
    correction.Begin(table);
    ASSERT_EQ(correction.Pick(table, 50, 50), 1);
    table.count = 1;
    EXPECT_FALSE(correction.Move(table, 1, 1));
    EXPECT_EQ(table.rows[1].x, 50);
}

TEST(PointCorrection, MovesStopAtTheEndsOfTheRange) {
    SampleTable table = TableOf({{0, 0}});
    table.rows[0].x = INT_MIN;
    table.rows[0].y = INT_MAX;
    PointCorrection correction;
    correction.Begin(table);
    ASSERT_EQ(correction.Pick(table, INT_MIN + 2, INT_MAX - 1), 0);
    EXPECT_TRUE(correction.Move(table, -1, 1));
    EXPECT_EQ(table.rows[0].x, INT_MIN);
    EXPECT_EQ(table.rows[0].y, INT_MAX);
    // The texts hold 8 characters whatever the integers say.
    correction.End(table);
    EXPECT_EQ(std::string(table.rows[0].xText).size(), 8u);
    EXPECT_EQ(std::string(table.rows[0].yText).size(), 8u);
}
