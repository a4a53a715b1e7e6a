// The list of the ten most recently chosen image files inside the settings
// record. Paths go in and come out as UTF-8; inside the record they are
// CP932, or UTF-8 when CP932 cannot hold them.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings_record.h"

// Whether a path names something on the file system (a file or directory).
using PathExists = std::function<bool(const std::string& path)>;
bool PathExistsOnDisk(const std::string& path);

// Entry index as UTF-8; empty for an empty entry or an index outside 0..9.
// Bytes that read as a path both in CP932 and in UTF-8 take the reading
// that exists (see platform::DecodeRecordPath).
std::string RecentImage(const SettingsRecord& record, int index,
                        const PathExists& exists = PathExistsOnDisk);

// The filled entries from entry 0 up to the first empty one, in list order.
std::vector<std::string> RecentImages(const SettingsRecord& record,
                                      const PathExists& exists = PathExistsOnDisk);

// Puts path at entry 0. An entry holding the same path, byte for byte (file
// names differing only in letter case are different files), is removed from
// its old place; otherwise entry 9 drops out. An empty path, or one longer
// than 255 bytes in the record, is not added: the result is then false and
// the list unchanged.
bool AddRecentImage(SettingsRecord& record, std::string_view path);

// Drops the entries, among the filled ones before the first empty entry, whose
// path no longer exists; the staying ones move up in their order and the
// freed entries become empty.
void PruneRecentImages(SettingsRecord& record, const PathExists& exists = PathExistsOnDisk);

// Moves entry index to the front; the entries before it move down by one.
// An index that is not a filled entry changes nothing.
void PromoteRecentImage(SettingsRecord& record, int index);
