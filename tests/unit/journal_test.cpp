// The journal: its text read back as written, every kind of damage
// refused, its files written and removed, the capture's pixels
// kept as a PNG, and the writing thread that keeps only the latest text.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>
#include <vector>

#include "data/journal_file.h"
#include "data/journal_pixels.h"
#include "data/journal_writer.h"
#include "image/image_data.h"
#include "tests/unit/temp_dir.h"

namespace {

JournalRecord SampleRecord() {
    SampleTable table;
    table.AddPoint(10, 20);
    table.AddPoint(-5, 7);
    table.InsertBlankRow(1);
    std::strcpy(table.rows[2].xText, "  -5.5e0");  // typed, not what %8d would write
    JournalRecord record;
    record.picturePath = "/pics/a b\\c\nd.jpg";
    record.table = SnapshotOf(table, 1.5);
    record.mmPerDot = 0.0625;
    return record;
}

}  // namespace

TEST(Journal, FilesReadBackWhatWasWrittenAndAreRemoved) {
    TempDir dir;
    const JournalPaths paths = JournalPathsIn(dir.path());
    EXPECT_EQ(ReadJournalFile(paths.journal).state, JournalState::None);
    JournalRecord record = SampleRecord();
    record.pixelsFile = "veldrio-work-pixels.png";
    const std::string text = FormatJournal(record);
    ASSERT_TRUE(WriteJournalFile(paths.journal, text));
    dir.Write("veldrio-work-pixels.png", "png");
    const JournalRead read = ReadJournalFile(paths.journal);
    ASSERT_EQ(read.state, JournalState::Ready);
    EXPECT_EQ(read.record.picturePath, record.picturePath);
    EXPECT_EQ(read.record.pixelsFile, "veldrio-work-pixels.png");
    EXPECT_EQ(read.record.mmPerDot, 0.0625);
    EXPECT_EQ(read.record.table.magnification, 1.5);
    EXPECT_TRUE(SameRows(read.record.table, record.table));
    EXPECT_STREQ(read.record.table.rows[2].xText, "  -5.5e0");
    EXPECT_EQ(read.record.table.rows[1].type, 0);
    // The text itself, so that a change of format is seen.
    EXPECT_NE(text.find("picture /pics/a b\\\\c\\nd.jpg\n"), std::string::npos);
    EXPECT_NE(text.find("\n1 10 20|      10|      20|\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 4), "end\n");
    const auto empty = ParseJournal(FormatJournal(JournalRecord()));
    ASSERT_TRUE(empty.has_value());
    EXPECT_EQ(empty->table.count, 0);
    EXPECT_EQ(empty->pixelsFile, "");

    RemoveJournalFiles(paths);
    EXPECT_FALSE(std::filesystem::exists(paths.journal));
    EXPECT_FALSE(std::filesystem::exists(dir.File("veldrio-work-pixels.png")));
}

TEST(Journal, RefusesEveryKindOfDamage) {
    const std::string good = FormatJournal(SampleRecord());
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return text.replace(at, from.size(), to);
    };
    EXPECT_FALSE(ParseJournal(""));
    EXPECT_FALSE(ParseJournal(good.substr(0, good.size() - 1)));  // cut short
    EXPECT_FALSE(ParseJournal(replaced("VELDRIO-JOURNAL 1", "VELDRIO-JOURNAL 2")));
    EXPECT_FALSE(ParseJournal(replaced("rows 3", "rows 4")));
    EXPECT_FALSE(ParseJournal(replaced("rows 3", "rows -1")));
    EXPECT_FALSE(ParseJournal(replaced("magnification 1.5", "magnification 0")));
    EXPECT_FALSE(ParseJournal(replaced("scale 0.0625", "scale -1")));
    EXPECT_FALSE(ParseJournal(replaced("scale 0.0625", "scale 1x")));
    EXPECT_FALSE(ParseJournal(replaced("pixels \n", "pixels ../../etc/passwd\n")));
    EXPECT_FALSE(ParseJournal(replaced("\\n", "\\q")));
    EXPECT_FALSE(ParseJournal(replaced("1 10 20|", "1 10 99999999999|")));
    EXPECT_FALSE(ParseJournal(replaced("|      10|", "|123456789|")));  // longer than a cell
    EXPECT_FALSE(ParseJournal(replaced("      20|\n", "      20\n")));
    EXPECT_FALSE(ParseJournal(replaced("end\n", "end\nmore\n")));
    EXPECT_FALSE(ParseJournal(std::string(2 << 20, '\n')));
    std::string zero = good;
    zero[good.find("|      10|") + 3] = '\0';
    EXPECT_FALSE(ParseJournal(zero));
}

TEST(Journal, BlankPictureHoldsEveryRowInSourceDots) {
    TableSnapshot table;
    table.count = 2;
    table.magnification = 2.0;
    table.rows[0].x = 2000;  // 1000 source dots
    table.rows[0].y = 10;
    table.rows[1].x = 10;
    table.rows[1].y = 1600;
    const PictureSize size = BlankPictureSize(table);
    EXPECT_EQ(size.width, 1050);
    EXPECT_EQ(size.height, 850);
    table.rows[0].x = INT32_MAX;
    table.rows[1].y = -5;
    EXPECT_EQ(BlankPictureSize(table).width, 8000);
    EXPECT_EQ(BlankPictureSize(table).height, 480);
}

TEST(Journal, CapturePixelsComeBackFromTheirPng) {
    TempDir dir;
    CImageData image;
    ASSERT_TRUE(image.SetImageSize(3, 2));
    const std::vector<std::uint8_t> rgb = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
    ASSERT_TRUE(image.StorePixels(rgb.data(), rgb.size(), false));
    const std::string path = dir.File("pixels.png");
    ASSERT_TRUE(WriteJournalPixels(path, image));
    CImageData back;
    ASSERT_TRUE(ReadJournalPixels(path, back));
    EXPECT_EQ(back.height(), 2);
    EXPECT_EQ(std::vector<std::uint8_t>(back.pixels(), back.pixels() + back.pixelBytes()), rgb);
    EXPECT_FALSE(ReadJournalPixels(dir.Write("bad.png", "not a png"), back));
    EXPECT_EQ(back.width(), 3);
    EXPECT_FALSE(WriteJournalPixels(dir.File("none.png"), CImageData()));
}

TEST(JournalWriter, KeepsOnlyTheLatestTextAndFlushesOnTheWay) {
    std::mutex mutex;
    std::vector<std::string> written;
    std::atomic<bool> release{false};
    {
        JournalWriter writer([&](const std::string& text) {
            while (!release)
                std::this_thread::yield();
            std::lock_guard lock(mutex);
            written.push_back(text);
        });
        writer.Submit("1");
        // While "1" is being written, "2" is replaced by "3".
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        writer.Submit("2");
        writer.Submit("3");
        release = true;
        writer.Flush();
        std::lock_guard lock(mutex);
        EXPECT_EQ(written, (std::vector<std::string>{"1", "3"}));
        written.clear();
    }
    {
        JournalWriter writer([&](const std::string& text) {
            std::lock_guard lock(mutex);
            written.push_back(text);
        });
        writer.Submit("last");
    }  // the end writes what waits
    EXPECT_EQ(written, (std::vector<std::string>{"last"}));
}
