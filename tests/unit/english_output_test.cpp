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
#include "data/outline_reopen.h"
#include "data/report_printing.h"
#include "data/traced_rows.h"
#include "image/image_data.h"
#include "platform/message_box_recorder.h"
#include "platform/shell_execute.h"
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
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find("\r\n", at), text.size());
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

// An outer loop with an arc and a square hole, calculated as the edit window does.
void Calculated(double R, double mmPerDot, SampleTable& table, CalcState& state) {
    std::string error;
    ASSERT_EQ(ReadOutlineCsv("1,100,60\n2,140,40\n1,180,60\n1,180,140\n1,100,140\n9,0,0\n"
                             "1,120,80\n1,160,80\n1,160,120\n1,120,120\n",
                             table, error),
              OutlineReadResult::Ok)
        << error;
    Notice notice;
    ASSERT_TRUE(Calculate(table, state, R, &notice)) << notice.text;
    state.mmPerDot = mmPerDot;
}

// What a message box shows of notice.
platform::MessageBoxCall Shown(const Notice& notice) {
    platform::MessageBoxRecorder boxes;
    platform::ShowNotice(nullptr, notice);
    return boxes.calls.empty() ? platform::MessageBoxCall{} : boxes.Last();
}

}  // namespace

TEST(EnglishOutput, EveryReportIsPlainAsciiAndTheCsvKeepsItsBytes) {
    for (const double R : {1.0, 2.0}) {
        for (const double mmPerDot : {0.0, 0.1}) {
            SampleTable table;
            CalcState state;
            Calculated(R, mmPerDot, table, state);
            const std::string japaneseCsv = CsvText(state.results, table);
            const std::string japaneseProperties = ReportText(ReportKind::Properties, state);
            English english;
            for (const ReportKind kind : {ReportKind::Results, ReportKind::InclinedAxes, ReportKind::Details,
                                          ReportKind::Properties}) {
                const std::string report = ReportText(kind, state);
                EXPECT_TRUE(IsAscii(report)) << report;
                EXPECT_TRUE(IsAscii(platform::ToCp932(report)));
            }
            for (const std::string& line : ResultBoxLines(state.results, WS_MODIFIED))
                EXPECT_TRUE(IsAscii(line)) << line;
            EXPECT_EQ(CsvText(state.results, table), japaneseCsv);

            // The English labels fit the label column: the table's lines are as
            // long as in Japanese (in Shift-JIS bytes), none pushed out.
            const std::vector<std::string> ja = Lines(japaneseProperties);
            const std::vector<std::string> en = Lines(ReportText(ReportKind::Properties, state));
            ASSERT_EQ(en.size(), ja.size());
            for (std::size_t i = 3; i < en.size(); ++i)
                EXPECT_EQ(en[i].size(), platform::Cp932Length(ja[i])) << en[i];
        }
    }
}

TEST(EnglishOutput, SheetKeepsItsKeysAndPrintsEnglish) {
    TempDir dir;
    ShellRecorder shell;
    std::vector<std::string>& started = shell.arguments;
    CImageData image;
    ASSERT_TRUE(MakeGreyPicture(image, "part.bmp", 200, 100));
    SampleTable table;
    CalcState state;
    Calculated(2.0, 0.1, table, state);
    const auto sheetLines = [&] {
        Notices told;
        EXPECT_TRUE(PrintMeasurementSheet(table, state, image, dir.path(), dir.path(), &told));
        return Lines(platform::FromCp932(ReadFileBytes(dir.File("MeasSheet.txt"))));
    };
    const std::vector<std::string> ja = sheetLines();
    EXPECT_EQ(SheetHeading("part.bmp"), "[ 測定シート ]  part.bmp");
    {
        English english;
        const std::vector<std::string> en = sheetLines();
        ASSERT_EQ(en.size(), ja.size());
        ASSERT_FALSE(en.empty());
        // The first line marks the file as a sheet; every other line is a key
        // the print program looks for and a value it prints or draws.
        EXPECT_EQ(en[0], "[ 測定シート ]");
        for (std::size_t i = 1; i < en.size(); ++i) {
            const std::size_t key = ja[i].find('=') + 1;
            ASSERT_GT(key, 0u) << ja[i];
            EXPECT_EQ(en[i].substr(0, key), ja[i].substr(0, key));
            EXPECT_TRUE(IsAscii(en[i].substr(key))) << en[i];
        }
        EXPECT_EQ(SheetHeading("part.bmp"), "[ Measurement sheet ]  part.bmp");

        // The print program, started as the measuring program starts it (its
        // language handed on in the environment), still lays the English sheet
        // out as a sheet with its picture, and speaks English.
        ASSERT_EQ(started.size(), 4u);
        const std::string lurm = std::string(VELDRIO_BIN_DIR) + "/lurm ";
        const std::string print =
            lurm + started[1] + " --pdf " + dir.File("sheet.pdf") + " 2>" + dir.File("err");
        ASSERT_EQ(std::system(print.c_str()), 0) << ReadFileBytes(dir.File("err"));
        EXPECT_NE(ReadFileBytes(dir.File("sheet.pdf")).find("/Subtype /Image"), std::string::npos);
        const std::string missing = lurm + "F=" + dir.File("none.txt") + " --pdf x.pdf 2>" + dir.File("err");
        EXPECT_NE(std::system(missing.c_str()), 0);
        EXPECT_NE(ReadFileBytes(dir.File("err")).find("Cannot read the file to print"), std::string::npos);
    }
}

TEST(EnglishOutput, RefusalsMadeInTheLogicComeOutEnglish) {
    English english;
    // The calculation: a constant, a formatted message and a loop's.
    const char* outlines[] = {"1,0,0\n1,10,0\n", "1,0,0\n0,10,0\n1,10,10\n",
                              "1,0,0\n1,10,0\n1,10,10\n9,0,0\n1,20,20\n1,30,20\n"};
    for (const char* rows : outlines) {
        SampleTable table;
        CalcState state;
        std::string error;
        ASSERT_EQ(ReadOutlineCsv(rows, table, error), OutlineReadResult::Ok) << error;
        Notice notice;
        EXPECT_FALSE(Calculate(table, state, 1.0, &notice));
        const platform::MessageBoxCall shown = Shown(notice);
        EXPECT_FALSE(shown.text.empty()) << rows;
        EXPECT_TRUE(IsAscii(shown.text) && IsAscii(shown.title)) << shown.text << " / " << shown.title;
    }

    // A traced outline refused with its reason below.
    trace::TraceResult traced;
    traced.status = trace::TraceStatus::Unreliable;
    traced.fault = trace::TraceFault::AreaOffRegion;
    const platform::MessageBoxCall trace = Shown(JudgeTrace(traced, SampleTable()).notice);
    EXPECT_NE(trace.text.find('\n'), std::string::npos) << trace.text;
    EXPECT_TRUE(IsAscii(trace.text)) << trace.text;

    // A reopened outline that crosses itself.
    TempDir dir;
    SampleTable table;
    Notice reopened;
    EXPECT_FALSE(ReopenOutline(dir.Write("eight.csv", "1,0,0\n1,100,100\n1,100,0\n1,0,100\n"), 1.0, table,
                               nullptr, &reopened));
    EXPECT_TRUE(IsAscii(Shown(reopened).text)) << reopened.text;
}
