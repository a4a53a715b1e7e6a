#include <gtest/gtest.h>

#include "platform/text_codec.h"

using namespace platform;

TEST(TextCodec, Cp932RoundTripsJapaneseIncludingHalfWidthKana) {
    const std::string text = "印刷ﾌﾟﾛｸﾞﾗﾑの起動に失敗：ｴﾗｰｺｰﾄﾞ=5";
    std::string sjis;
    ASSERT_TRUE(Utf8ToCp932(text, sjis));
    // Half-width kana are one byte each in CP932.
    EXPECT_EQ(static_cast<unsigned char>(ToCp932("ﾌ")[0]), 0xCC);
    EXPECT_EQ(ToCp932("ﾌ").size(), 1u);
    EXPECT_EQ(ToCp932("印").size(), 2u);
    EXPECT_EQ(FromCp932(sjis), text);
    EXPECT_EQ(Cp932Length("ab印ﾌ"), 5u);
}

TEST(TextCodec, RecordTextFallsBackToUtf8WhenCp932CannotHoldIt) {
    const std::string japanese = "/home/ユーザー/図面.jpg";
    std::string stored = EncodeRecordText(japanese);
    EXPECT_NE(stored, japanese);  // CP932 bytes
    EXPECT_EQ(DecodeRecordText(stored), japanese);

    const std::string emoji = "/tmp/\xF0\x9F\x98\x80.jpg";  // no CP932 form
    EXPECT_EQ(EncodeRecordText(emoji), emoji);
    EXPECT_EQ(DecodeRecordText(emoji), emoji);
    EXPECT_EQ(DecodeRecordText("/plain/ascii.bmp"), "/plain/ascii.bmp");
}

TEST(TextCodec, InvalidInputNeverThrowsAndIsReported) {
    std::string out;
    EXPECT_FALSE(Utf8ToCp932("\xFF\xFE", out));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));  // overlong
    EXPECT_EQ(FromCp932("\x82"), "\xEF\xBF\xBD");  // lone lead byte
}
