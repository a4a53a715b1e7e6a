// The journal's files in their folder: the journal itself, the pixels of a
// captured picture beside it, and the lock that says a running program
// keeps them. Plain file work; the program's side is app/journal_keeper.
#pragma once

#include <string>

#include "data/journal_record.h"

// The name of a capture's pixels beside the journal.
constexpr char kJournalPixelsFile[] = "veldrio-work-pixels.png";

struct JournalPaths {
    std::string folder;
    std::string journal;  // <folder>/veldrio-work.journal
    std::string lock;     // <folder>/veldrio-work.lock
    std::string pixels;   // <folder>/kJournalPixelsFile
};

JournalPaths JournalPathsIn(const std::string& folder);

// The folder the journal is kept in: beside the settings when the program
// keeps them beside itself; otherwise <state home>/veldrio, an unset or
// relative $XDG_STATE_HOME standing for ~/.local/state.
std::string JournalFolderFor(const std::string& programDir, const std::string& settingsDir,
                             const std::string& stateHome, const std::string& home);

enum class JournalState {
    None,     // no journal: the last run ended normally
    Ready,    // a journal to offer
    Damaged,  // a journal that cannot be read
};

struct JournalRead {
    JournalState state = JournalState::None;
    JournalRecord record;
};

JournalRead ReadJournalFile(const std::string& path);

// Writes the journal text atomically: the old journal or the new one,
// never part of either.
bool WriteJournalFile(const std::string& path, const std::string& text);

// Renames a damaged journal to "<path>.damaged" (replacing an older one)
// and returns that name; empty when it could not be moved (it is removed).
std::string SetJournalAside(const std::string& path);

// Removes the journal and the pixels beside it, if any.
void RemoveJournalFiles(const JournalPaths& paths);
