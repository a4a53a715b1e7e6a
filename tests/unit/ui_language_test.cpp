#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui_language.h"

using platform::UiLanguage;
using Strings = std::vector<std::string>;

TEST(UiLanguage, TheDesktopsFirstLanguageChoosesJapaneseForJapaneseAndNoneElseEnglish) {
    for (const Strings& japanese : {Strings{}, {"ja-JP", "en-US"}, {"ja_JP"}, {"POSIX", "en"}, {""}})
        EXPECT_EQ(platform::LanguageForDesktop(japanese), UiLanguage::Japanese) << japanese.size();
    for (const Strings& english : {Strings{"en-US"}, {"de-DE", "ja-JP"}, {"jam"}})
        EXPECT_EQ(platform::LanguageForDesktop(english), UiLanguage::English) << english[0];
}

TEST(UiLanguage, TheLangOptionIsTakenOutTheLastWinsAndABadOneIsNamed) {
    Strings arguments{"picture.jpg", "--lang", "ja", "--json", "--lang=en", "x"};
    auto option = platform::TakeLanguageOption(arguments);
    EXPECT_TRUE(option.given && option.language == UiLanguage::English && option.problem.empty());
    EXPECT_EQ(arguments, (Strings{"picture.jpg", "--json", "x"}));
    // A bad code or a missing one: named, taken out, nothing chosen.
    for (Strings bad : {Strings{"--lang", "de", "b"}, {"--lang=", "b"}, {"b", "--lang"}}) {
        option = platform::TakeLanguageOption(bad);
        EXPECT_TRUE(!option.given && option.problem.find("ja or en") != std::string::npos);
        EXPECT_EQ(bad, Strings{"b"});
    }
}
