#include "app/recent_images.h"

#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/text_codec.h"

namespace {

using Entry = char[RECENT_ENTRY_BYTES];

std::string_view EntryBytes(const Entry& entry) {
    // A damaged file may hold an entry without its terminating zero.
    return std::string_view(entry, strnlen(entry, RECENT_ENTRY_BYTES));
}

bool IsEmpty(const Entry& entry) { return entry[0] == 0; }

// Moves entries first..last-1 one place down to first+1..last, the last one
// first, so that nothing is overwritten before it has moved.
void ShiftDown(SettingsRecord& record, int first, int last) {
    for (int i = last; i > first; --i)
        std::memcpy(record.recentImages[i], record.recentImages[i - 1], RECENT_ENTRY_BYTES);
}

int FilledCount(const SettingsRecord& record) {
    int n = 0;
    while (n < RECENT_COUNT && !IsEmpty(record.recentImages[n])) ++n;
    return n;
}

}  // namespace

std::string RecentImage(const SettingsRecord& record, int index, const PathExists& exists) {
    if (index < 0 || index >= RECENT_COUNT) return {};
    return platform::DecodeRecordPath(EntryBytes(record.recentImages[index]), exists);
}

std::vector<std::string> RecentImages(const SettingsRecord& record, const PathExists& exists) {
    std::vector<std::string> list;
    for (int i = 0; i < FilledCount(record); ++i) list.push_back(RecentImage(record, i, exists));
    return list;
}

bool AddRecentImage(SettingsRecord& record, std::string_view path) {
    std::string stored = platform::EncodeRecordText(path);
    if (stored.empty() || stored.size() >= RECENT_ENTRY_BYTES ||
        stored.find('\0') != std::string::npos)
        return false;

    int found = RECENT_COUNT;
    for (int i = 0; i < RECENT_COUNT; ++i) {
        if (!IsEmpty(record.recentImages[i]) && EntryBytes(record.recentImages[i]) == stored) {
            found = i;
            break;
        }
    }
    ShiftDown(record, 0, found == RECENT_COUNT ? RECENT_COUNT - 1 : found);

    std::memset(record.recentImages[0], 0, RECENT_ENTRY_BYTES);
    std::memcpy(record.recentImages[0], stored.data(), stored.size());
    return true;
}

bool PathExistsOnDisk(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::path(path), error);
}

void PruneRecentImages(SettingsRecord& record, const PathExists& exists) {
    const int n = FilledCount(record);
    int kept = 0;
    for (int i = 0; i < n; ++i) {
        if (!exists(RecentImage(record, i, exists))) continue;
        if (kept != i)
            std::memcpy(record.recentImages[kept], record.recentImages[i], RECENT_ENTRY_BYTES);
        ++kept;
    }
    for (int i = kept; i < n; ++i) record.recentImages[i][0] = 0;
}

void PromoteRecentImage(SettingsRecord& record, int index) {
    // Only a filled entry can be chosen; an empty one at the front would hide
    // the whole list.
    if (index <= 0 || index >= FilledCount(record)) return;
    Entry saved;
    std::memcpy(saved, record.recentImages[index], RECENT_ENTRY_BYTES);
    ShiftDown(record, 0, index);
    std::memcpy(record.recentImages[0], saved, RECENT_ENTRY_BYTES);
}
