#include <gtest/gtest.h>

#include <cstdio>

#include "app/app_context.h"
#include "app/settings_file.h"
#include "app/settings_startup.h"
#include "temp_dir.h"

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

TEST(SettingsStartup, UnwritableProgramDirectoryStillStartsWithDefaults) {
    AppContext context;
    EXPECT_FALSE(LoadStartupSettings(context, "/nonexistent-dir/veldrio"));
    EXPECT_EQ(context.settings.colourNumbers, DEFAULT_COLOUR_NUMBERS);
    EXPECT_FALSE(SaveEndSettings(context));
}
