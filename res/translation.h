// The program's texts are written in Japanese, the source language. A
// catalog chosen at start-up may give them in the user's language: every
// place a text reaches the user (a window, a message, a report, a result
// line) asks Tr() for it. Texts the catalog does not hold, and every text
// while no catalog is set, come back as they are, so asking twice is
// harmless. Data written for programs to read (CSV, sheet keys, journals)
// never asks.
//
// Plain C++: the catalog itself is set by the platform layer.
#pragma once

#include <string>

// Marks a text for the catalog without changing it (the catalog's tools
// find the texts by this macro).
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// The text in the user's language; the pointer stays valid as long as the
// program runs (or as long as source does, for a text the catalog lacks).
const char* Tr(const char* source);
std::string Tr(const std::string& source);

// A catalog lookup: the translation of source, or nullptr for none.
using TranslationLookup = const char* (*)(const char* source);
// Sets the catalog (nullptr: none, the texts as written).
void SetTranslationLookup(TranslationLookup lookup);
