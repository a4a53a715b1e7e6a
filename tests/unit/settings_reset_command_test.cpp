#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "app/recent_images.h"
#include "app/settings_reset_command.h"
#include "platform/message_box.h"

namespace {

SettingsRecord Customised() {
    SettingsRecord record;
    ResetSettings(record);
    AddRecentImage(record, "/a.jpg");
    record.colourNumbers = {1, 1, 1, 1, 1, 1};
    record.zoneRect = {1, 2, 3, 4};
    record.reserved7676[9] = 0x5A;
    return record;
}

// Records each notice and answers it.
struct Answering {
    int answer;
    std::vector<Notice> told;
    NoticeShower Shower() {
        return [this](const Notice& notice) {
            told.push_back(notice);
            return answer;
        };
    }
};

}  // namespace

TEST(SettingsResetCommand, NoChangesNothing) {
    Answering boxes{platform::IDNO, {}};
    SettingsRecord record = Customised();
    SettingsRecord before = record;

    EXPECT_FALSE(RunSettingsResetCommand(record, boxes.Shower()));
    ASSERT_EQ(boxes.told.size(), 1u);
    EXPECT_EQ(boxes.told[0].text, "設定条件を初期化していいですか？");
    EXPECT_EQ(boxes.told[0].title, "確認");
    EXPECT_EQ(boxes.told[0].style & 0x0F, platform::MB_YESNO);
    EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);
}

TEST(SettingsResetCommand, YesResetsTheRecordAndAsksToCloseTheProgram) {
    Answering boxes{platform::IDYES, {}};
    SettingsRecord record = Customised();

    EXPECT_TRUE(RunSettingsResetCommand(record, boxes.Shower()));
    ASSERT_EQ(boxes.told.size(), 2u);
    EXPECT_EQ(boxes.told[1].text, "本ソフトはいったんクローズしてください。");
    EXPECT_EQ(boxes.told[1].title, "確認");
    EXPECT_EQ(boxes.told[1].style, platform::MB_OK);

    SettingsRecord defaults;
    ResetSettings(defaults);
    EXPECT_EQ(std::memcmp(&record, &defaults, sizeof record), 0);
    EXPECT_TRUE(RecentImages(record).empty());
}
