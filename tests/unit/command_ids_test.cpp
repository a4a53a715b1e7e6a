// The numbers each window dispatches on (its menu items, buttons, controls
// looked up by id, the commands other windows send it, its timers) must not
// meet within that window, and none may fall into the blocks kept free for
// later work.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "res/ids.h"

namespace {

struct CommandSet {
    const char* window;
    std::vector<int> ids;
};

const std::vector<CommandSet>& WindowCommandSets() {
    static const std::vector<CommandSet> sets = {
        {"main dialog",
         {ID_FRAMEWORK_OK,     IDM_ABOUTBOX,        IDC_LABEL_FILE_CHOICE,   IDC_LABEL_SCREEN_CUT,
          IDC_LABEL_CLIP_VIEW, IDC_LABEL_ZONE,      IDC_PREVIEW_BOX,         IDC_FILE_SEARCH,
          IDC_CLOSE,           IDC_RECENT_COMBO,    IDC_CLIP_VIEW,           IDC_ZONE_START,
          IDC_ZONE_END,        IDC_CUT_AND_VIEW,    IDC_ZONE_TEXT,           IDC_ZONE_GUIDE,
          IDC_ZONE_FLASH,      IDC_LABEL_RECENT,    ID_SETTINGS_RESET,       ID_HOWTO_GUIDE,
          ZONE_FLASH_TIMER,    CAPTURE_DELAY_TIMER, ID_VIEWER_CLOSE_REQUEST, ID_VIEWER_CLOSED,
          ID_EDITWND_CLOSED,   ID_OPEN_DRAWING_PICTURE}},
        {"image viewer",
         {ID_WINDOW_CLOSE, ID_IMAGE_PROPERTIES, ID_MAGNIFICATION, ID_TRACKER_ZONE, ID_COLOUR_SETTINGS,
          ID_CORRECTION_START, ID_CORRECTION_END, ID_TRACE_FIGURE, ID_WRITE_ZONE_PNG, ID_WRITE_ZONE_BMP,
          ID_CUT_GUIDE, ID_WRITE_WINDOW_PNG, ID_WRITE_WINDOW_BMP, ID_REAL_SCALE, WRITE_TIMER,
          ID_SAMPLING_START_REQUEST, ID_SAMPLING_STOP_REQUEST, ID_PLANE_SET, ID_PLANE_FINISH, ID_PLANE_CLEAR,
          ID_PLANE_RECTIFY}},
        {"plane dialog", {ID_FRAMEWORK_OK, ID_FRAMEWORK_CANCEL, IDC_PLANE_FIT}},
        {"magnification dialog",
         {ID_FRAMEWORK_OK, ID_FRAMEWORK_CANCEL, IDC_RATIO_PERCENT, IDC_RATIO_ARROWS, IDC_RATIO_100,
          IDC_RATIO_CONVERTED, IDC_RATIO_SOURCE}},
        {"data edit window",
         {ID_WINDOW_CLOSE,
          IDC_RESULT_BOX,
          IDC_LABEL_RESULTS,
          IDC_LABEL_SAMPLING_DATA,
          IDC_LABEL_WORK_STATE,
          IDC_ROW_COUNT,
          IDC_STATUS_BOX,
          IDC_PAGE_UP,
          IDC_PAGE_DOWN,
          IDC_PAGE_FIRST,
          IDC_PAGE_LAST,
          IDC_SAMPLING_START,
          IDC_CALCULATE,
          IDC_SAMPLING_STOP,
          IDC_CLEAR,
          IDC_MAGNIFICATION_TEXT,
          IDC_EXPLAIN_FIRST,
          IDC_EXPLAIN_FIRST + 1,
          IDC_EXPLAIN_FIRST + 2,
          IDC_EXPLAIN_FIRST + 3,
          IDC_EXPLAIN_LAST,
          IDC_SCALE_TEXT,
          ID_PRINT_INCLINED,
          ID_PRINT_DETAIL,
          ID_DATA_EXPLAIN,
          ID_EDIT_GUIDE,
          ID_PRINT_RESULTS,
          ID_EXPORT_CSV,
          ID_PROC_GUIDE,
          ID_PRINT_PROPERTIES,
          ID_PRINT_SHEET,
          ID_REOPEN_OUTLINE,
          ID_EXPORT_CAD,
          ID_IMPORT_DXF,
          ID_DIAGNOSTIC_TRACE,
          ID_KEY_ENTER,
          ID_KEY_TAB,
          ID_KEY_UP,
          ID_KEY_DOWN,
          ID_KEY_SHIFT_TAB,
          ID_KEY_LEFT,
          ID_KEY_RIGHT,
          ID_KEY_ESCAPE,
          ID_KEY_PAGE_DOWN,
          ID_KEY_PAGE_UP,
          ID_ROW_INSERT,
          ID_ROW_DELETE,
          ID_ROW_PASTE,
          ID_ROW_COPY,
          ID_ADD_LOOP,
          ID_UNDO,
          ID_REDO}},
        {"real-scale dialog", {ID_FRAMEWORK_OK, ID_FRAMEWORK_CANCEL, IDC_SCALE_MEASURE, IDC_SCALE_CLEAR}},
        {"drawing-colour dialog",
         {ID_FRAMEWORK_OK, ID_FRAMEWORK_CANCEL, IDC_COLOUR_POINT_MARK, IDC_COLOUR_POINT_NUMBER,
          IDC_COLOUR_CENTROID, IDC_COLOUR_SEGMENT, IDC_COLOUR_STRONG_AXIS, IDC_COLOUR_WEAK_AXIS,
          IDC_COLOUR_TABLE_FRAME}},
    };
    return sets;
}

}  // namespace

TEST(CommandIds, EachWindowDispatchesOnDistinctNumbersOutsideTheReservedBlocks) {
    for (const CommandSet& set : WindowCommandSets()) {
        std::set<int> seen;
        for (int id : set.ids) {
            EXPECT_TRUE(seen.insert(id).second) << set.window << ": " << id << " is used twice";
            EXPECT_FALSE(id >= 342 && id <= 349) << set.window << ": " << id << " lies in a reserved block";
        }
    }
    // The edit window's cells sit above every command.
    EXPECT_GT(EditCellId(0, 0), ID_DIAGNOSTIC_TRACE);
}
