// Writes the journal on a thread of its own, so that the disk never holds
// up the windows. Only the latest text waits: a newer one replaces a text
// not yet written.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

class JournalWriter {
public:
    // write: how a text reaches the disk (WriteJournalFile to the journal's
    // path in the program).
    explicit JournalWriter(std::function<void(const std::string& text)> write);
    // Writes what still waits, then ends the thread.
    ~JournalWriter();
    JournalWriter(const JournalWriter&) = delete;
    JournalWriter& operator=(const JournalWriter&) = delete;

    // Hands a text over and returns at once.
    void Submit(std::string text);
    // Returns once everything handed over is written.
    void Flush();

private:
    void Run();

    std::function<void(const std::string&)> write_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::optional<std::string> pending_;
    bool writing_ = false;
    bool stopping_ = false;
    std::thread thread_;
};
