// The journal of a full table of 200 rows: the text made on the window's
// thread, the hand-over to the writing thread (what the window waits for),
// and the whole atomic write to disk that the writing thread does.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "data/journal_file.h"
#include "data/journal_writer.h"

namespace {

JournalRecord FullRecord() {
    JournalRecord record;
    record.picturePath = "/home/user/pictures/a long folder name/section-0042.jpg";
    record.table.magnification = 1.5;
    record.mmPerDot = 0.0625;
    SampleTable table;
    for (int i = 0; i < SAMPLE_CAPACITY; ++i)
        table.AddPoint(1000 + 37 * i, 2000 - 11 * i);
    record.table = SnapshotOf(table, 1.5);
    return record;
}

// What the window does on each change: the text, then the hand-over.
void BM_JournalFormatAndSubmit200Rows(benchmark::State& state) {
    const JournalRecord record = FullRecord();
    JournalWriter writer([](const std::string&) {});
    for (auto _ : state)
        writer.Submit(FormatJournal(record));
    writer.Flush();
}
BENCHMARK(BM_JournalFormatAndSubmit200Rows)->Unit(benchmark::kMicrosecond);

// What the writing thread does: the atomic write, flushed to disk.
void BM_JournalAtomicWrite200Rows(benchmark::State& state) {
    const std::string text = FormatJournal(FullRecord());
    const std::string path =
        (std::filesystem::temp_directory_path() / "veldrio-journal-bench.journal").string();
    for (auto _ : state)
        WriteJournalFile(path, text);
    std::filesystem::remove(path);
    state.counters["bytes"] = double(text.size());
}
BENCHMARK(BM_JournalAtomicWrite200Rows)->Unit(benchmark::kMicrosecond);

}  // namespace
