#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui_language.h"

using namespace platform;
using Strings = std::vector<std::string>;

TEST(UiLanguage, TheDesktopsFirstLanguageChoosesAndLangIsTakenOutTheLastWinningABadOneNamed) {
    EXPECT_EQ(LanguageForDesktop({}), UiLanguage::Japanese);
    EXPECT_EQ(LanguageForDesktop({"ja_JP", "en-US"}), UiLanguage::Japanese);
    EXPECT_EQ(LanguageForDesktop({"de-DE", "ja-JP"}), UiLanguage::English);
    Strings args{"a.jpg", "--lang", "ja", "--json", "--lang=en"}, bad{"--lang", "de", "b"};
    const LanguageOption option = TakeLanguageOption(args), wrong = TakeLanguageOption(bad);
    EXPECT_TRUE(option.given && option.language == UiLanguage::English &&
                (args == Strings{"a.jpg", "--json"}));
    EXPECT_TRUE(!wrong.given && wrong.problem.find("ja or en") != std::string::npos && bad == Strings{"b"});
}
