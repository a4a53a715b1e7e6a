// With English set, what the user reads is plain ASCII, while what programs
// read (the CSV, the measurement sheet's keys) keeps its bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>

#include "data/calc_driver.h"
#include "data/csv_export.h"
#include "data/measurement_sheet.h"
#include "data/outline_csv_reader.h"
#include "data/report_printing.h"
#include "platform/message_box_recorder.h"
#include "platform/text_codec.h"
#include "platform/ui_language.h"
#include "print_fixture.h"
#include "temp_dir.h"

static bool IsAscii(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return c < 0x80; });
}

static std::string PrintedSheet(const SampleTable& table, const CalcState& state, const TempDir& dir) {
    CImageData image;
    EXPECT_TRUE(MakeGreyPicture(image, "part.bmp", 200, 100) &&
                PrintMeasurementSheet(table, state, image, dir.path(), dir.path()));
    return platform::FromCp932(ReadFileBytes(dir.File("MeasSheet.txt")));
}

TEST(EnglishOutput, ReportsSheetValuesAndARefusalAreAsciiWhileCsvAndSheetKeysKeepTheirBytes) {
    TempDir dir;
    ShellRecorder shell;
    SampleTable table;
    CalcState state;
    std::string error;
    const char* part =
        "1,100,60\n2,140,40\n1,180,60\n1,180,140\n1,100,140\n9,0,0\n"  // an arc,
        "1,120,80\n1,160,80\n1,160,120\n1,120,120\n";                  // a square hole
    ASSERT_EQ(ReadOutlineCsv(part, table, error), OutlineReadResult::Ok);
    ASSERT_TRUE(Calculate(table, state, 2.0));
    state.mmPerDot = 0.1;
    const std::string csv = CsvText(state.results, table);
    const std::string ja = PrintedSheet(table, state, dir);
    platform::UseUiLanguage(platform::UiLanguage::English);
    for (const ReportKind kind :
         {ReportKind::Results, ReportKind::Properties, ReportKind::InclinedAxes, ReportKind::Details})
        EXPECT_TRUE(IsAscii(ReportText(kind, state))) << ReportText(kind, state);
    EXPECT_EQ(CsvText(state.results, table), csv);
    const std::string en = PrintedSheet(table, state, dir);  // its keys (and the mark line) as they were
    EXPECT_EQ(std::regex_replace(en, std::regex("=.*"), "="), std::regex_replace(ja, std::regex("=.*"), "="));
    EXPECT_TRUE(IsAscii(std::regex_replace(en.substr(en.find('\n')), std::regex("\n[^=\n]*="), "\n"))) << en;
    Notice notice;  // a refusal made up in the logic, as its box shows it
    EXPECT_EQ(ReadOutlineCsv("1,0,0\n0,10,0\n1,10,10\n", table, error), OutlineReadResult::Ok);
    EXPECT_FALSE(Calculate(table, state, 1.0, &notice));
    platform::MessageBoxRecorder boxes;
    platform::ShowNotice(nullptr, notice);
    EXPECT_TRUE(!notice.empty() && IsAscii(boxes.Last().text + boxes.Last().title)) << boxes.Last().title;
    platform::UseUiLanguage(platform::UiLanguage::Japanese);
}
