#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "app/recent_images.h"
#include "platform/text_codec.h"
#include "temp_dir.h"

namespace {

using List = std::vector<std::string>;

SettingsRecord RecordWith(const List& paths) {
    SettingsRecord record;
    ResetSettings(record);
    for (auto it = paths.rbegin(); it != paths.rend(); ++it) EXPECT_TRUE(AddRecentImage(record, *it));
    return record;
}

List Paths(int n) {
    List list;
    for (int i = 0; i < n; ++i) list.push_back("/pictures/p" + std::to_string(i) + ".jpg");
    return list;
}

}  // namespace

TEST(RecentImages, NamesDifferingOnlyInLetterCaseAreDifferentFilesAndBothStay) {
    SettingsRecord record = RecordWith({"/x/B.bmp", "/d/A.jpg"});
    ASSERT_TRUE(AddRecentImage(record, "/x/b.bmp"));
    EXPECT_EQ(RecentImages(record), (List{"/x/b.bmp", "/x/B.bmp", "/d/A.jpg"}));
    // Choosing the other one again moves it, without taking its twin along.
    ASSERT_TRUE(AddRecentImage(record, "/x/B.bmp"));
    EXPECT_EQ(RecentImages(record), (List{"/x/B.bmp", "/x/b.bmp", "/d/A.jpg"}));
}

TEST(RecentImages, ANewPathOnAFullListDropsTheOldest) {
    List ten = Paths(10);
    SettingsRecord record = RecordWith(ten);
    ASSERT_TRUE(AddRecentImage(record, "/new.bmp"));
    List expected{"/new.bmp"};
    expected.insert(expected.end(), ten.begin(), ten.end() - 1);
    EXPECT_EQ(RecentImages(record), expected);
}

TEST(RecentImages, AddingTheLastEntryAgainMovesItFirstWithoutLosingAny) {
    List ten = Paths(10);
    SettingsRecord record = RecordWith(ten);
    ASSERT_TRUE(AddRecentImage(record, ten[9]));
    List expected{ten[9]};
    expected.insert(expected.end(), ten.begin(), ten.end() - 1);
    EXPECT_EQ(RecentImages(record), expected);
}

TEST(RecentImages, CaseFoldingTouchesOnlyAsciiLettersNotShiftJisTrailBytes) {
    // In Shift-JIS ア is 0x83 0x41 and ヂ is 0x83 0x61: their trail bytes are
    // 'A' and 'a'. They are different paths.
    ASSERT_EQ(platform::ToCp932("ア"), "\x83\x41");
    ASSERT_EQ(platform::ToCp932("ヂ"), "\x83\x61");
    SettingsRecord record = RecordWith({"/x/ア.jpg"});
    ASSERT_TRUE(AddRecentImage(record, "/x/ヂ.jpg"));
    EXPECT_EQ(RecentImages(record), (List{"/x/ヂ.jpg", "/x/ア.jpg"}));
}

TEST(RecentImages, PathsTooLongForAnEntryOrEmptyAreNotAdded) {
    SettingsRecord record = RecordWith({"/a.jpg"});
    const std::string longest = "/" + std::string(250, 'x') + ".jpg";  // 255 bytes
    ASSERT_EQ(longest.size(), 255u);
    EXPECT_TRUE(AddRecentImage(record, longest));
    EXPECT_EQ(RecentImage(record, 0), longest);

    EXPECT_FALSE(AddRecentImage(record, longest + "x"));
    EXPECT_FALSE(AddRecentImage(record, ""));
    EXPECT_EQ(RecentImages(record), (List{longest, "/a.jpg"}));

    // The limit counts the bytes in the record (Shift-JIS), not UTF-8 bytes:
    // a slash and 127 kanji are 255 bytes there, 382 in UTF-8.
    std::string kanji = "/";
    for (int i = 0; i < 127; ++i) kanji += "図";
    EXPECT_TRUE(AddRecentImage(record, kanji));
    EXPECT_FALSE(AddRecentImage(record, kanji + "図"));
    EXPECT_EQ(RecentImages(record), (List{kanji, longest, "/a.jpg"}));
}

TEST(RecentImages, EntryWithoutTerminatorFromADamagedFileIsReadWithinItsBytes) {
    SettingsRecord record;
    ResetSettings(record);
    std::memset(record.recentImages[0], 'z', RECENT_ENTRY_BYTES);
    record.recentImages[1][0] = 'q';  // must not run on into entry 1
    EXPECT_EQ(RecentImage(record, 0), std::string(256, 'z'));
    EXPECT_EQ(RecentImage(record, 10), "");
    EXPECT_EQ(RecentImage(record, -1), "");
}

TEST(RecentImages, PruneKeepsExistingPathsInOrderAndEmptiesTheRest) {
    TempDir dir;
    const std::string a = dir.Write("A.jpg", "a");
    const std::string c = dir.path();  // a directory counts as found
    SettingsRecord record = RecordWith({a, dir.File("B.jpg"), c, dir.File("D.jpg")});
    // Entries after the first empty one are not looked at.
    record.recentImages[5][0] = '/';
    record.recentImages[5][1] = 'g';

    PruneRecentImages(record);

    EXPECT_EQ(RecentImages(record), (List{a, c}));
    EXPECT_EQ(record.recentImages[2][0], 0);
    EXPECT_EQ(record.recentImages[3][0], 0);
    EXPECT_EQ(record.recentImages[5][0], '/');
}

TEST(RecentImages, PruneAsksOnlyUpToTheFirstEmptyEntry) {
    SettingsRecord record = RecordWith({"/1", "/2"});
    std::set<std::string> asked;
    PruneRecentImages(record, [&](const std::string& path) {
        asked.insert(path);
        return true;
    });
    EXPECT_EQ(asked, (std::set<std::string>{"/1", "/2"}));
    EXPECT_EQ(RecentImages(record), (List{"/1", "/2"}));

    SettingsRecord empty;
    ResetSettings(empty);
    PruneRecentImages(empty, [&](const std::string&) -> bool {
        ADD_FAILURE() << "an empty list needs no look-up";
        return false;
    });
}

TEST(RecentImages, PromoteMovesTheChosenEntryToTheFront) {
    SettingsRecord record = RecordWith({"/a", "/b", "/c", "/d"});
    PromoteRecentImage(record, 0);
    EXPECT_EQ(RecentImages(record), (List{"/a", "/b", "/c", "/d"}));
    PromoteRecentImage(record, 2);
    EXPECT_EQ(RecentImages(record), (List{"/c", "/a", "/b", "/d"}));
    PromoteRecentImage(record, 3);
    EXPECT_EQ(RecentImages(record), (List{"/d", "/c", "/a", "/b"}));
}

TEST(RecentImages, PromotingAnEmptyOrOutsideEntryKeepsTheList) {
    SettingsRecord record = RecordWith({"/a", "/b"});
    PromoteRecentImage(record, 2);
    PromoteRecentImage(record, 10);
    PromoteRecentImage(record, -3);
    EXPECT_EQ(RecentImages(record), (List{"/a", "/b"}));
}
