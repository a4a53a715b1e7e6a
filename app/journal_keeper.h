// Keeps the work in a journal while the program runs: within a second of
// every change to the table, its scale or its picture, the work is written
// (on a thread of its own); a normal end removes the journal. A lock file
// says the journal belongs to a running program, so that a second one
// neither offers it nor overwrites it.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QTimer>
#include <memory>
#include <string>

#include "data/journal_file.h"

class JournalWriter;

// How long after a change the journal is written; later changes within it
// are written with it.
constexpr int kJournalDelayMs = 300;

class JournalKeeper : public QObject {
public:
    explicit JournalKeeper(const std::string& folder);
    ~JournalKeeper() override;

    // Takes the lock; false when another running program holds it (this
    // one then keeps nothing).
    bool Lock();
    // What the last run left behind; None without the lock.
    JournalRead Leftover() const;
    // A damaged journal is renamed; returns the new name (see SetJournalAside).
    std::string SetAside() const;
    // The journal left behind is not wanted.
    void Discard() const;

    // From now on every change is kept.
    void Keep();
    // The normal end: what waits is dropped, the journal removed, the lock
    // given up.
    void Finish();

    const JournalPaths& paths() const { return paths_; }

private:
    void Schedule();
    void WriteNow();
    void RemoveJournal();

    JournalPaths paths_;
    QLockFile lock_;
    QTimer timer_;
    std::unique_ptr<JournalWriter> writer_;
    int listener_ = 0;
    bool locked_ = false;
    // The captured picture whose pixels are beside the journal.
    const void* pixelsWritten_ = nullptr;
};
