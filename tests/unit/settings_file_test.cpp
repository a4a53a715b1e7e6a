#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>

#include "app/recent_images.h"
#include "app/settings_file.h"
#include "temp_dir.h"

namespace {

std::int32_t Int32At(const std::string& bytes, std::size_t offset) {
    std::int32_t value = 0;
    std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

std::string RecordBytes(const SettingsRecord& record) {
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

SettingsRecord Defaults() {
    SettingsRecord record;
    ResetSettings(record);
    return record;
}

}  // namespace

TEST(SettingsPath, IsTheProgramDirectoryAndTheFixedFileName) {
    SettingsPaths paths = BuildSettingsPath("/opt/veldrio/bin/veldrio");
    EXPECT_EQ(paths.programDir, "/opt/veldrio/bin");
    EXPECT_EQ(paths.settingsPath, "/opt/veldrio/bin/SetteiKol.bin");

    // In the root directory the program directory is empty, without a slash.
    paths = BuildSettingsPath("/veldrio");
    EXPECT_EQ(paths.programDir, "");
    EXPECT_EQ(paths.settingsPath, "/SetteiKol.bin");
}

TEST(SettingsFile, MissingFileIsCreatedWithTheDefaults) {
    TempDir dir;
    const std::string path = dir.File("SetteiKol.bin");
    SettingsRecord record = Defaults();
    record.zoneRect.right = 99;  // something the reset must clear

    EXPECT_FALSE(LoadOrResetSettings(path, record));

    std::string bytes = ReadFileBytes(path);
    ASSERT_EQ(bytes.size(), 9116u);
    const std::int32_t colours[6] = {2, 2, 6, 14, 13, 8};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(Int32At(bytes, 5276 + 4 * i), colours[i]) << i;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i >= 5276 && i < 5300) continue;
        ASSERT_EQ(bytes[i], 0) << "byte " << i;
    }
    EXPECT_EQ(record.zoneRect.right, 0);
}

TEST(SettingsFile, ShortFileIsTreatedAsMissingAndOverwritten) {
    TempDir dir;
    const std::string path = dir.Write("SetteiKol.bin", std::string(9115, '\x55'));
    SettingsRecord record = Defaults();
    record.colourNumbers[0] = 7;

    EXPECT_FALSE(LoadSettings(path, record));
    EXPECT_EQ(record.colourNumbers[0], 7);  // a failed load leaves the record alone

    EXPECT_FALSE(LoadOrResetSettings(path, record));
    EXPECT_EQ(ReadFileBytes(path), RecordBytes(Defaults()));
}

TEST(SettingsFile, LongerFileIsReadAndItsTailSurvivesTheSave) {
    TempDir dir;
    std::string content(9200, '\0');
    for (std::size_t i = 0; i < content.size(); ++i) content[i] = char(i * 7 + 3);
    const std::string path = dir.Write("SetteiKol.bin", content);

    SettingsRecord record = Defaults();
    ASSERT_TRUE(LoadSettings(path, record));
    EXPECT_EQ(RecordBytes(record), content.substr(0, 9116));

    // Reserved parts stay as read; only what the program changes differs.
    record.zoneRect = {10, 20, 30, 40};
    ASSERT_TRUE(SaveSettings(path, record));
    std::string written = ReadFileBytes(path);
    ASSERT_EQ(written.size(), 9200u);
    EXPECT_EQ(written.substr(0, 9116), RecordBytes(record));
    EXPECT_EQ(written.substr(9116), content.substr(9116));
    EXPECT_EQ(Int32At(written, 7652), 10);
    EXPECT_EQ(Int32At(written, 7664), 40);
    EXPECT_EQ(written.substr(2560, 2296), content.substr(2560, 2296));
}

TEST(SettingsFile, FileHeldByAnotherProcessIsNeitherReadNorWritten) {
    TempDir dir;
    SettingsRecord original = Defaults();
    original.colourNumbers[3] = 1;
    const std::string path = dir.Write("SetteiKol.bin", RecordBytes(original));

    int holder = ::open(path.c_str(), O_RDWR);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);

    SettingsRecord record = Defaults();
    EXPECT_FALSE(LoadSettings(path, record));
    EXPECT_FALSE(LoadOrResetSettings(path, record));  // defaults, silently
    EXPECT_EQ(record.colourNumbers[3], 14);
    ::close(holder);
    EXPECT_EQ(ReadFileBytes(path), RecordBytes(original));  // not overwritten
}

TEST(SettingsFile, UnwritablePlaceFailsQuietly) {
    SettingsRecord record = Defaults();
    EXPECT_FALSE(SaveSettings("/nonexistent-dir/veldrio/SetteiKol.bin", record));
    EXPECT_FALSE(LoadOrResetSettings("/nonexistent-dir/veldrio/SetteiKol.bin", record));
    EXPECT_EQ(record.colourNumbers[5], 8);
}

TEST(SettingsFile, JapanesePathRoundTripsThroughTheFile) {
    TempDir dir;
    const std::string path = dir.File("SetteiKol.bin");
    const std::string japanese = "/home/ユーザー/図面/断面Ａ.jpg";
    // No CP932 form: kept as UTF-8. Its bytes also read as CP932; the
    // reading that names the existing file wins.
    const std::string emoji = dir.Write("\xF0\x9F\x93\xB7.bmp", "x");

    SettingsRecord record = Defaults();
    ASSERT_TRUE(AddRecentImage(record, japanese));
    ASSERT_TRUE(AddRecentImage(record, emoji));
    ASSERT_TRUE(SaveSettings(path, record));

    SettingsRecord loaded = Defaults();
    ASSERT_TRUE(LoadSettings(path, loaded));
    EXPECT_EQ(RecentImages(loaded), (std::vector<std::string>{emoji, japanese}));

    // Inside the file the Japanese path is Shift-JIS: 断 is 0x92 0x66.
    std::string bytes = ReadFileBytes(path);
    std::string entry1(bytes.data() + 256);
    EXPECT_EQ(entry1.size(), 30u);  // 6 + 8 + 1 + 4 + 1 + 6 + 4
    EXPECT_NE(entry1.find("\x92\x66"), std::string::npos);
}
