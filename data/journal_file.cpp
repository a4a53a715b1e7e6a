#include "data/journal_file.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "data/text_file.h"
#include "platform/atomic_write.h"

JournalPaths JournalPathsIn(const std::string& folder) {
    return {folder, JoinPath(folder, "veldrio-work.journal"), JoinPath(folder, "veldrio-work.lock"),
            JoinPath(folder, kJournalPixelsFile)};
}

std::string JournalFolderFor(const std::string& programDir, const std::string& settingsDir,
                             const std::string& stateHome, const std::string& home) {
    if (settingsDir == programDir) return programDir;
    if (!stateHome.empty() && stateHome.front() == '/') return stateHome + "/veldrio";
    return home + "/.local/state/veldrio";
}

JournalRead ReadJournalFile(const std::string& path) {
    JournalRead read;
    std::ifstream file(path, std::ios::binary);
    if (!file) return read;
    // One byte more than a journal may hold tells a longer file.
    std::string text(kLongestJournal + 1, '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(file.gcount()));
    std::optional<JournalRecord> record = ParseJournal(text);
    if (!record) {
        read.state = JournalState::Damaged;
        return read;
    }
    read.state = JournalState::Ready;
    read.record = std::move(*record);
    return read;
}

bool WriteJournalFile(const std::string& path, const std::string& text) {
    return platform::WriteFileAtomically(
        path, [&](std::FILE* file) { return std::fwrite(text.data(), 1, text.size(), file) == text.size(); });
}

std::string SetJournalAside(const std::string& path) {
    const std::string aside = path + ".damaged";
    if (std::rename(path.c_str(), aside.c_str()) == 0) return aside;
    std::remove(path.c_str());
    return {};
}

void RemoveJournalFiles(const JournalPaths& paths) {
    std::remove(paths.pixels.c_str());
    std::remove(paths.journal.c_str());
}
