#include "platform/ui_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdlib>
#include <mutex>
#include <string_view>
#include <unordered_map>

#include "res/translation.h"

namespace platform {

namespace {

constexpr char kContext[] = "veldrio";

bool IsJapanese(std::string_view language) {
    return language == "ja" || language.rfind("ja-", 0) == 0 || language.rfind("ja_", 0) == 0;
}

bool IsUnset(std::string_view language) { return language.empty() || language == "C" || language == "POSIX"; }

const char* LanguageCode(UiLanguage language) { return language == UiLanguage::English ? "en" : "ja"; }

std::optional<UiLanguage> FromCode(std::string_view code) {
    if (code == "ja") return UiLanguage::Japanese;
    if (code == "en") return UiLanguage::English;
    return std::nullopt;
}

// The catalog: translations made UTF-8 once and kept, so that the pointers
// handed out stay valid.
QTranslator& Catalog() {
    static QTranslator* catalog = new QTranslator;
    return *catalog;
}

const char* LookUp(const char* source) {
    static std::mutex mutex;
    static std::unordered_map<std::string, std::string> made;
    const std::lock_guard<std::mutex> lock(mutex);
    if (const auto found = made.find(source); found != made.end()) return found->second.c_str();
    const QString translated = Catalog().translate(kContext, source);
    if (translated.isEmpty()) return nullptr;
    return made.emplace(source, translated.toStdString()).first->second.c_str();
}

void InstallQtTexts(UiLanguage language) {
    auto* app = QCoreApplication::instance();
    if (app == nullptr) return;
    static QTranslator* qtTexts = nullptr;
    if (qtTexts != nullptr) {
        QCoreApplication::removeTranslator(qtTexts);
        delete qtTexts;
        qtTexts = nullptr;
    }
    // Qt's own texts are English as they stand.
    if (language == UiLanguage::English) return;
    auto* translator = new QTranslator(app);
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return;
    }
    QCoreApplication::installTranslator(translator);
    qtTexts = translator;
}

}  // namespace

UiLanguage LanguageForDesktop(const std::vector<std::string>& uiLanguages) {
    if (uiLanguages.empty() || IsUnset(uiLanguages.front()) || IsJapanese(uiLanguages.front()))
        return UiLanguage::Japanese;
    return UiLanguage::English;
}

LanguageOption TakeLanguageOption(std::vector<std::string>& arguments) {
    LanguageOption option;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        std::string code;
        if (argument == "--lang") {
            if (i + 1 == arguments.size()) {
                option.problem = "--lang needs ja or en";
                continue;
            }
            code = arguments[++i];
        } else if (argument.rfind("--lang=", 0) == 0) {
            code = argument.substr(7);
        } else {
            rest.push_back(argument);
            continue;
        }
        if (const auto language = FromCode(code)) {
            option.given = true;
            option.language = *language;
        } else {
            option.problem = "--lang needs ja or en, not " + code;
        }
    }
    arguments = std::move(rest);
    return option;
}

UiLanguage ChooseUiLanguage(const LanguageOption& option) {
    if (option.given) return option.language;
    std::vector<std::string> languages;
    for (const QString& language : QLocale::system().uiLanguages())
        languages.push_back(language.toStdString());
    return LanguageForDesktop(languages);
}

void UseUiLanguage(UiLanguage language) {
    const bool english =
        language == UiLanguage::English && Catalog().load(QStringLiteral(":/i18n/veldrio_en.qm"));
    SetTranslationLookup(english ? LookUp : nullptr);
    InstallQtTexts(english ? UiLanguage::English : UiLanguage::Japanese);
    setenv("LANGUAGE", LanguageCode(english ? UiLanguage::English : UiLanguage::Japanese), 1);
}

}  // namespace platform
