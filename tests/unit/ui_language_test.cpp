#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui_language.h"

using platform::LanguageForDesktop;
using platform::TakeLanguageOption;
using platform::UiLanguage;

TEST(UiLanguage, TheDesktopsFirstLanguageChoosesJapaneseForJapaneseAndNoneElseEnglish) {
    using List = std::vector<std::string>;
    for (const List& japanese : {List{}, List{"ja"}, List{"ja-JP", "en-US"}, List{"ja_JP"}, List{"C"},
                                 List{"POSIX", "en"}, List{""}})
        EXPECT_EQ(LanguageForDesktop(japanese), UiLanguage::Japanese)
            << (japanese.empty() ? "" : japanese[0]);
    for (const List& english :
         {List{"en-US"}, List{"en"}, List{"de-DE", "ja-JP"}, List{"fr"}, List{"jam"}, List{"zh-CN"}})
        EXPECT_EQ(LanguageForDesktop(english), UiLanguage::English) << english[0];
}

TEST(UiLanguage, TheLangOptionIsTakenOutTheLastWinsAndABadOneIsNamed) {
    std::vector<std::string> arguments{"picture.jpg", "--lang", "en", "--json", "--lang=ja", "x"};
    auto option = TakeLanguageOption(arguments);
    EXPECT_TRUE(option.given);
    EXPECT_EQ(option.language, UiLanguage::Japanese);
    EXPECT_TRUE(option.problem.empty());
    EXPECT_EQ(arguments, (std::vector<std::string>{"picture.jpg", "--json", "x"}));

    arguments = {"--lang=en"};
    option = TakeLanguageOption(arguments);
    EXPECT_TRUE(option.given && option.language == UiLanguage::English && arguments.empty());

    arguments = {"a"};
    option = TakeLanguageOption(arguments);
    EXPECT_FALSE(option.given);
    EXPECT_EQ(arguments, std::vector<std::string>{"a"});

    // A bad code or a missing one: named, taken out, nothing chosen.
    for (std::vector<std::string> bad :
         {std::vector<std::string>{"--lang", "de", "b"}, {"--lang=", "b"}, {"b", "--lang"}}) {
        option = TakeLanguageOption(bad);
        EXPECT_FALSE(option.given);
        EXPECT_NE(option.problem.find("ja or en"), std::string::npos);
        EXPECT_EQ(bad, std::vector<std::string>{"b"});
    }
    EXPECT_STREQ(platform::LanguageCode(UiLanguage::English), "en");
    EXPECT_STREQ(platform::LanguageCode(UiLanguage::Japanese), "ja");
}
