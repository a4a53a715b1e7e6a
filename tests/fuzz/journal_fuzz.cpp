// The journal reader: whatever a journal file holds, it is read or refused,
// and what it reads formats back to a journal that reads the same.
#include <cstdlib>
#include <string>

#include "data/journal_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<JournalRecord> record = ParseJournal(text);
    if (!record) return 0;
    const std::optional<JournalRecord> again = ParseJournal(FormatJournal(*record));
    if (!again || !SameRows(again->table, record->table)) std::abort();
    BlankPictureSize(record->table);
    return 0;
}
