// The reports, the measurement sheet and the messages the logic makes, with
// English set: plain ASCII wherever the user reads them, while the data
// written for programs (the CSV, the sheet's keys) keeps its bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "data/calc_driver.h"
#include "data/csv_export.h"
#include "data/measurement_sheet.h"
#include "data/outline_csv_reader.h"
#include "data/report_printing.h"
#include "data/traced_rows.h"
#include "image/image_data.h"
#include "platform/message_box_recorder.h"
#include "platform/text_codec.h"
#include "platform/ui_language.h"
#include "print_fixture.h"
#include "temp_dir.h"

namespace {

// English while alive, Japanese again afterwards (a failed check included).
struct English {
    English() { platform::UseUiLanguage(platform::UiLanguage::English); }
    ~English() { platform::UseUiLanguage(platform::UiLanguage::Japanese); }
};

bool IsAscii(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; at < text.size(); at = end + 2) {
        end = std::min(text.find("\r\n", at), text.size());
        lines.push_back(text.substr(at, end - at));
    }
    return lines;
}

// What a message box shows of notice.
std::string Shown(const Notice& notice) {
    platform::MessageBoxRecorder boxes;
    platform::ShowNotice(nullptr, notice);
    return boxes.calls.empty() ? "" : boxes.Last().text + " / " + boxes.Last().title;
}

// rows calculated as the edit window does; what is shown of a refusal.
std::string Calculated(const char* rows, double R, SampleTable& table, CalcState& state) {
    std::string error;
    EXPECT_EQ(ReadOutlineCsv(rows, table, error), OutlineReadResult::Ok) << error;
    Notice notice;
    return Calculate(table, state, R, &notice) ? "" : Shown(notice);
}

// An outer loop with an arc and a square hole.
const char* const kPart =
    "1,100,60\n2,140,40\n1,180,60\n1,180,140\n1,100,140\n9,0,0\n1,120,80\n1,160,80\n1,160,120\n1,120,120\n";

}  // namespace

TEST(EnglishOutput, ReportsAndTheSheetAreAsciiWhileTheCsvAndTheSheetsKeysKeepTheirBytes) {
    TempDir dir;
    ShellRecorder shell;
    CImageData image;
    ASSERT_TRUE(MakeGreyPicture(image, "part.bmp", 200, 100));
    // R = 1 and R = 2 have their own lines, a scale its own heading.
    for (const auto& [R, mmPerDot] : {std::pair{1.0, 0.0}, {2.0, 0.1}}) {
        SampleTable table;
        CalcState state;
        ASSERT_EQ(Calculated(kPart, R, table, state), "");
        state.mmPerDot = mmPerDot;
        const auto sheetLines = [&] {
            EXPECT_TRUE(PrintMeasurementSheet(table, state, image, dir.path(), dir.path()));
            return Lines(platform::FromCp932(ReadFileBytes(dir.File("MeasSheet.txt"))));
        };
        const std::string csv = CsvText(state.results, table);
        const std::vector<std::string> ja = Lines(ReportText(ReportKind::Properties, state));
        const std::vector<std::string> jaSheet = sheetLines();
        English english;
        for (const ReportKind kind : {ReportKind::Results, ReportKind::InclinedAxes, ReportKind::Details})
            EXPECT_TRUE(IsAscii(ReportText(kind, state))) << ReportText(kind, state);
        EXPECT_EQ(CsvText(state.results, table), csv);
        // The English labels fit the table's label column: its lines are as
        // long as the Japanese ones in Shift-JIS bytes.
        const std::vector<std::string> en = Lines(ReportText(ReportKind::Properties, state));
        ASSERT_EQ(en.size(), ja.size());
        for (std::size_t i = 0; i < en.size(); ++i) {
            EXPECT_TRUE(IsAscii(en[i])) << en[i];
            EXPECT_EQ(en[i].size(), i < 3 ? en[i].size() : platform::Cp932Length(ja[i])) << en[i];
        }
        // The sheet's first line marks it as a sheet; every other line is a
        // key the print program looks for and a value it prints or draws.
        const std::vector<std::string> sheet = sheetLines();
        ASSERT_EQ(sheet.size(), jaSheet.size());
        EXPECT_EQ(sheet.at(0), "[ 測定シート ]");
        for (std::size_t i = 1; i < sheet.size(); ++i) {
            const std::size_t key = jaSheet[i].find('=') + 1;
            EXPECT_EQ(sheet[i].substr(0, key), jaSheet[i].substr(0, key));
            EXPECT_TRUE(key > 0 && IsAscii(sheet[i].substr(key))) << sheet[i];
        }
    }

    // The print program, started with the language handed on in the
    // environment, lays the English sheet out with its picture and speaks
    // English.
    English english;
    const std::string lurm = std::string(VELDRIO_BIN_DIR) + "/lurm ";
    const std::string err = " 2>" + dir.File("err");
    ASSERT_EQ(std::system((lurm + shell.arguments.at(1) + " --pdf " + dir.File("sheet.pdf") + err).c_str()),
              0);
    EXPECT_NE(ReadFileBytes(dir.File("sheet.pdf")).find("/Subtype /Image"), std::string::npos);
    EXPECT_NE(std::system((lurm + "F=" + dir.File("none.txt") + " --pdf x.pdf" + err).c_str()), 0);
    EXPECT_NE(ReadFileBytes(dir.File("err")).find("Cannot read the file to print"), std::string::npos);
    EXPECT_EQ(SheetHeading("part.bmp"), "[ Measurement sheet ]  part.bmp");
}

TEST(EnglishOutput, RefusalsMadeInTheLogicComeOutEnglish) {
    // The calculation's (a formatted message) and a trace's with its reason
    // below, both made up in the logic.
    English english;
    SampleTable table;
    CalcState state;
    const std::string refused = Calculated("1,0,0\n0,10,0\n1,10,10\n", 1.0, table, state);
    EXPECT_TRUE(!refused.empty() && IsAscii(refused)) << refused;
    trace::TraceResult traced;
    traced.status = trace::TraceStatus::Unreliable;
    traced.fault = trace::TraceFault::AreaOffRegion;
    const std::string shown = Shown(JudgeTrace(traced, SampleTable()).notice);
    EXPECT_TRUE(shown.find('\n') != std::string::npos && IsAscii(shown)) << shown;
}
