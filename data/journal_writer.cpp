#include "data/journal_writer.h"

JournalWriter::JournalWriter(std::function<void(const std::string& text)> write)
    : write_(std::move(write)), thread_([this] { Run(); }) {}

JournalWriter::~JournalWriter() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void JournalWriter::Submit(std::string text) {
    {
        std::lock_guard lock(mutex_);
        pending_ = std::move(text);
    }
    wake_.notify_one();
}

void JournalWriter::Flush() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return !pending_ && !writing_; });
}

void JournalWriter::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return pending_ || stopping_; });
        if (!pending_) return;  // stopping with nothing left
        const std::string text = std::move(*pending_);
        pending_.reset();
        writing_ = true;
        lock.unlock();
        write_(text);
        lock.lock();
        writing_ = false;
        idle_.notify_all();
    }
}
