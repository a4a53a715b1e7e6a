#include "res/translation.h"
#include "res/translation_state.h"

#include <atomic>

namespace {

std::atomic<TranslationLookup> lookup_{nullptr};

}  // namespace

const char* Tr(const char* source) {
    const TranslationLookup lookup = lookup_.load();
    if (lookup == nullptr || source == nullptr) return source;
    const char* translated = lookup(source);
    return translated != nullptr ? translated : source;
}

std::string Tr(const std::string& source) { return Tr(source.c_str()); }

void SetTranslationLookup(TranslationLookup lookup) { lookup_.store(lookup); }

bool TextsTranslated() { return lookup_.load() != nullptr; }
