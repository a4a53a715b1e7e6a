// Writes that fail or are cut short: the user hears about the files they
// chose, the settings fail silently, and no file is ever left half-written.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "app/settings_file.h"
#include "data/csv_export.h"
#include "data/report_printing.h"
#include "data/text_file.h"
#include "platform/atomic_write.h"
#include "platform/message_box_recorder.h"
#include "temp_dir.h"

using platform::MessageBoxRecorder;

namespace {

SettingsRecord Defaults() {
    SettingsRecord record;
    ResetSettings(record);
    return record;
}

// Exports a calculated table to path; what the user is told.
Notices ExportTo(const std::string& path) {
    SampleTable table;
    table.workState = WS_CALCULATED;
    CalcResults results;
    std::string lastCsvDir;
    Notices told;
    EXPECT_FALSE(
        ExportCsv(table, results, "/prog", lastCsvDir, [&](const std::string&) { return path; }, nullptr, &told));
    return told;
}

void ExpectCsvFailureTold(const Notices& boxes) {
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "ファイルのオープンに失敗しました");
    EXPECT_EQ(boxes[1].text, "Csv ファイル書込みに失敗しました");
}

}  // namespace

TEST(WriteFailure, FolderThatIsAFile) {
    TempDir dir;
    const std::string file = dir.Write("plain", "not a folder");
    ExpectCsvFailureTold(ExportTo(file + "/out.csv"));

    CalcState state;
    Notices told;
    EXPECT_EQ(WriteReportFile(ReportKind::Results, state, file, &told), "");
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[1].text, "計算結果の印刷用ファイルへの書込みに失敗しました。");

    MessageBoxRecorder boxes;
    EXPECT_FALSE(SaveSettings(file + "/SetteiKol.bin", Defaults()));
    EXPECT_TRUE(boxes.calls.empty());  // the settings fail silently
    EXPECT_EQ(ReadFileBytes(file), "not a folder");
}

TEST(WriteFailure, FullDisk) {
    ExpectCsvFailureTold(ExportTo("/dev/full"));
    MessageBoxRecorder boxes;
    EXPECT_FALSE(SaveSettings("/dev/full", Defaults()));
    EXPECT_TRUE(boxes.calls.empty());
    // A device is written in place, never replaced by a file.
    struct stat info {};
    ASSERT_EQ(stat("/dev/full", &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
}

TEST(WriteFailure, KilledWriterLeavesTheOldFileWhole) {
    TempDir dir;
    const std::string path = dir.Write("Result.csv", "old contents\r\n");
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Half the new file on disk, then the process dies.
        platform::WriteFileAtomically(path, [&](std::FILE* file) {
            std::fputs("new con", file);
            std::fflush(file);
            const char byte = 1;
            (void)!write(ready[1], &byte, 1);
            pause();
            return true;
        });
        _exit(0);
    }
    close(ready[1]);
    char byte = 0;
    EXPECT_EQ(read(ready[0], &byte, 1), 1);  // returns at the child's end at the latest
    close(ready[0]);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_EQ(ReadFileBytes(path), "old contents\r\n");

    // The next write replaces it whole, with the old file's permissions.
    chmod(path.c_str(), 0640);
    ASSERT_TRUE(WriteCp932TextFile(path, "新しい\r\n"));
    EXPECT_EQ(ReadFileBytes(path), "\x90\x56\x82\xb5\x82\xa2\r\n");
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}
