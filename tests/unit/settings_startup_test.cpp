#include <gtest/gtest.h>

#include <cstdio>

#include "app/app_context.h"
#include "app/settings_file.h"
#include "app/settings_startup.h"
#include "platform/file_locations.h"
#include "temp_dir.h"

#include <cstdlib>
#include <filesystem>

TEST(SettingsStartup, FirstRunWritesDefaultsAndTheNextRunReadsWhatTheLastOneSaved) {
    TempDir dir;
    const std::string program = dir.File("veldrio");
    const std::string picture = dir.Write("kept.jpg", "x");
    {
        AppContext first;
        first.settings.colourNumbers[0] = 11;  // replaced by the defaults
        EXPECT_FALSE(LoadStartupSettings(first, program));
        EXPECT_EQ(first.programDir, dir.path());
        EXPECT_EQ(first.settingsPath, dir.File("SetteiKol.bin"));
        EXPECT_EQ(first.settings.colourNumbers, DEFAULT_COLOUR_NUMBERS);
        EXPECT_EQ(ReadFileBytes(first.settingsPath).size(), 9116u);

        AddRecentImage(first.settings, dir.File("gone.jpg"));
        AddRecentImage(first.settings, picture);
        first.settings.colourNumbers[5] = 0;
        first.settings.zoneRect = {1, 2, 3, 4};
        ASSERT_TRUE(SaveEndSettings(first));
    }
    std::remove(dir.File("gone.jpg").c_str());
    AppContext second;
    EXPECT_TRUE(LoadStartupSettings(second, program));
    EXPECT_EQ(RecentImages(second.settings), (std::vector<std::string>{picture}));
    EXPECT_EQ(second.settings.colourNumbers[5], 0);
    EXPECT_EQ(second.settings.zoneRect.bottom, 4);
}

TEST(SettingsStartup, AKanaNameWhoseShiftJisBytesAlsoReadAsUtf8SurvivesARestart) {
    // "ﾄｱ" is C4 B1 in Shift-JIS, which is also the UTF-8 form of "ı".
    TempDir dir;
    const std::string kana = dir.Write("ﾄｱ.jpg", "x");
    for (int run = 0; run < 3; ++run) {
        AppContext context;
        LoadStartupSettings(context, dir.File("veldrio"));
        if (run == 0) AddRecentImage(context.settings, kana);
        // Once only the UTF-8 reading names a file, that one is meant.
        const std::string expected = run < 2 ? kana : dir.File("ı.jpg");
        EXPECT_EQ(RecentImages(context.settings), (std::vector<std::string>{expected}));
        ASSERT_TRUE(SaveEndSettings(context));
        if (run == 1) std::rename(kana.c_str(), dir.File("ı.jpg").c_str());
    }
}

TEST(SettingsStartup, ResetAnsweredYesGivesAnEmptyListAndDefaultColoursNextTime) {
    TempDir dir;
    const std::string program = dir.File("veldrio");
    const std::string picture = dir.Write("a.bmp", "x");
    {
        AppContext run;
        LoadStartupSettings(run, program);
        AddRecentImage(run.settings, picture);
        run.settings.colourNumbers = {1, 1, 1, 1, 1, 1};
        ResetSettings(run.settings);  // what the menu's reset does on Yes
        SaveEndSettings(run);
    }
    AppContext next;
    EXPECT_TRUE(LoadStartupSettings(next, program));
    EXPECT_TRUE(RecentImages(next.settings).empty());
    EXPECT_EQ(next.settings.colourNumbers, DEFAULT_COLOUR_NUMBERS);
}

namespace {

// Points the XDG homes somewhere for one test; unset again at its end.
struct UserFoldersOverride {
    UserFoldersOverride(const std::string& config, const std::string& data) {
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        setenv("XDG_DATA_HOME", data.c_str(), 1);
    }
    ~UserFoldersOverride() {
        unsetenv("XDG_CONFIG_HOME");
        unsetenv("XDG_DATA_HOME");
    }
};

}  // namespace

TEST(SettingsStartup, UnwritableSettingsFolderStillStartsWithDefaults) {
    TempDir dir;
    // Not even root can make a folder under a plain file.
    const std::string blocked = dir.Write("plain", "x") + "/below";
    const UserFoldersOverride user(blocked, blocked);
    AppContext context;
    EXPECT_FALSE(LoadStartupSettings(context, "/nonexistent-dir/veldrio"));
    EXPECT_EQ(context.settings.colourNumbers, DEFAULT_COLOUR_NUMBERS);
    EXPECT_FALSE(SaveEndSettings(context));
}

TEST(SettingsStartup, ProgramFolderNotWritableSendsSettingsAndReportsToTheUsersFolders) {
    TempDir dir;
    const UserFoldersOverride user(dir.File("config"), dir.File("data"));
    AppContext context;
    // An installed program: its folder cannot be written (a missing one
    // stands for it here, since the tests run as root).
    EXPECT_FALSE(LoadStartupSettings(context, "/nonexistent-dir/bin/veldrio"));
    EXPECT_EQ(context.programDir, "/nonexistent-dir/bin");
    EXPECT_EQ(context.settingsPath, dir.File("config/veldrio/SetteiKol.bin"));
    EXPECT_EQ(ReadFileBytes(context.settingsPath).size(), 9116u);
    EXPECT_FALSE(std::filesystem::exists(dir.File("data")));  // not needed yet
    EXPECT_EQ(context.DataFolder(), dir.File("data/veldrio"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("data/veldrio")));
    AppContext next;
    EXPECT_TRUE(LoadStartupSettings(next, "/nonexistent-dir/bin/veldrio"));
}

TEST(FileLocations, BesideTheProgramWhenWritableElseTheXdgFoldersOrTheirDefaults) {
    const platform::UserFolders unset{"", "relative", "/home/u"};
    const platform::FileLocations beside = platform::ChooseFileLocations("/opt/v", true, unset);
    EXPECT_EQ(beside.settingsDir + " " + beside.dataDir, "/opt/v /opt/v");
    const platform::FileLocations user = platform::ChooseFileLocations("/usr/bin", false, unset);
    EXPECT_EQ(user.settingsDir + " " + user.dataDir, "/home/u/.config/veldrio /home/u/.local/share/veldrio");
}
