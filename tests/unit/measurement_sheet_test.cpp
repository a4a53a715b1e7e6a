// The measurement sheet from the edit window's print menu to a PDF made by
// the print program without any dialog.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <string>
#include <vector>

#include "data/calc_driver.h"
#include "data/measurement_sheet.h"
#include "image/image_data.h"
#include "platform/message_box_recorder.h"
#include "platform/shell_execute.h"
#include "platform/text_codec.h"
#include "print_fixture.h"
#include "temp_dir.h"

namespace {

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

}  // namespace

TEST(MeasurementSheet, PrintedToPdfWithThePictureOnOnePage) {
    TempDir dir;
    ShellRecorder shell;
    std::vector<std::string>& started = shell.arguments;
    // A grey 200 x 100 picture; a rectangle with a round top traced on it at 200 %.
    CImageData image;
    ASSERT_TRUE(MakeGreyPicture(image, "部品.bmp", 200, 100));
    SampleTable table;
    CalcState state;
    for (auto [x, y] : {std::pair{100, 60}, {140, 40}, {180, 60}, {180, 140}, {100, 140}}) table.AddPoint(x, y);
    table.rows[0].type = 2;
    ASSERT_TRUE(Calculate(table, state, 2.0, nullptr));
    state.mmPerDot = 0.1;

    Notices told;
    ASSERT_TRUE(PrintMeasurementSheet(table, state, image, dir.path(), dir.path(), &told));
    EXPECT_TRUE(told.empty());
    ASSERT_EQ(started.size(), 4u);
    EXPECT_EQ(started[1], "F=" + dir.File("MeasSheet.txt"));
    const std::string sheet = platform::FromCp932(ReadFileBytes(dir.File("MeasSheet.txt")));
    EXPECT_EQ(sheet.substr(0, sheet.find("\r\n")), "[ 測定シート ]");
    EXPECT_NE(sheet.find("画像=部品.bmp\r\n"), std::string::npos);
    // Outline from (50, 20) to (90, 70) in source dots, a margin of 10 round it.
    EXPECT_NE(sheet.find("切出し範囲=40,10,60,70\r\n"), std::string::npos) << sheet;
    EXPECT_NE(sheet.find("結果=実寸 (元画像 1 ドット = 0.1 mm)\r\n"), std::string::npos);

    const std::string command = std::string(VELDRIO_BIN_DIR) + "/lurm Lurm.exe " + started[1] + " " + started[2] +
                                " CV=1 --pdf " + dir.File("sheet.pdf") + " 2>" + dir.File("err");
    ASSERT_EQ(std::system(command.c_str()), 0) << ReadFileBytes(dir.File("err"));
    const std::string pdf = ReadFileBytes(dir.File("sheet.pdf"));
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_EQ(Count(pdf, "/Type /Page\n") + Count(pdf, "/Type /Page ") + Count(pdf, "/Type /Page/") +
                  Count(pdf, "/Type/Page\n") + Count(pdf, "/Type/Page/"),
              1u);
    EXPECT_GE(Count(pdf, "/Subtype /Image"), 1u);

    // Not calculated since: refused, nothing started.
    started.clear();
    table.workState = WS_MODIFIED;
    EXPECT_FALSE(PrintMeasurementSheet(table, state, image, dir.path(), dir.path(), &told));
    EXPECT_TRUE(started.empty());
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].text, "計算が完了しておらず印刷できません");

    // A picture that cannot be written beside the sheet: said, nothing started.
    table.workState = WS_CALCULATED;
    told.clear();
    EXPECT_FALSE(PrintMeasurementSheet(table, state, image, dir.File("missing"), dir.path(), &told));
    EXPECT_TRUE(started.empty());
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].title, "確認要求");
}

TEST(MeasurementSheet, PictureTakesTheLargestPlaceThatKeepsItsProportions) {
    // Wide: the box's width decides; tall: its height, and the picture is centred across.
    const SheetPicturePlace wide = PlaceSheetPicture(0, 30, 400, 400, 200, 100);
    EXPECT_EQ(wide.scale, 2.0);
    EXPECT_EQ(wide.x, 0.0);
    EXPECT_EQ(wide.y, 30.0);
    EXPECT_EQ(wide.height, 200.0);
    const SheetPicturePlace tall = PlaceSheetPicture(0, 0, 400, 300, 100, 200);
    EXPECT_EQ(tall.scale, 1.5);
    EXPECT_EQ(tall.x, 125.0);
    EXPECT_EQ(tall.width, 150.0);
}
