// The language of the program's interface: Japanese, the language its
// texts are written in, or English from the translation catalog compiled
// into the program.
#pragma once

#include <string>
#include <vector>

namespace platform {

enum class UiLanguage { Japanese, English };

// The language for the desktop's languages in their order of preference
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as Qt lists them): Japanese for
// Japanese and where none is set (C, POSIX), English for any other.
UiLanguage LanguageForDesktop(const std::vector<std::string>& uiLanguages);

// "--lang ja" or "--lang en" (or "--lang=ja") taken out of arguments; the
// last one given wins. problem says what is wrong with a bad one.
struct LanguageOption {
    bool given = false;
    UiLanguage language = UiLanguage::Japanese;
    std::string problem;
};
LanguageOption TakeLanguageOption(std::vector<std::string>& arguments);

// The option's language, else the desktop's (through QLocale).
UiLanguage ChooseUiLanguage(const LanguageOption& option);

// The program's texts and Qt's own (standard dialogs) in language; the
// environment's LANGUAGE is set to it, so that programs started from here
// (the print program) speak the same. Call before any window is made; Qt's
// own texts need the application object.
void UseUiLanguage(UiLanguage language);

}  // namespace platform
