// A fixed set of threads, started once and kept until the program ends,
// that run the parts of a piece of work beside the thread asking for it.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class WorkerPool {
public:
    // Starts up to threads threads (fewer when the system refuses more; with
    // none, every part runs on the caller's thread).
    explicit WorkerPool(int threads);
    // Stops and joins every thread. No call may be running.
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    // The program's pool: one thread fewer than the machine has cores (the
    // caller makes up the last), started on first use, stopped at exit.
    static WorkerPool& Shared();

    int threads() const { return int(threads_.size()); }

    // Calls work(part) exactly once for each part in 0..parts-1, and returns
    // when every call has returned. The parts go to whichever of the pool's
    // threads and the caller's is free: the caller takes parts too, so the
    // call completes even while the pool is busy with other callers' work.
    // Safe from several threads at once. A call from one of the pool's own
    // threads (work that asks for work) runs every part there, in order.
    // work must not throw.
    void Run(int parts, const std::function<void(int part)>& work);

private:
    // One call's parts: those handed out so far and those done.
    struct Job {
        const std::function<void(int)>* work;
        int parts;
        int next = 0;
        int done = 0;
    };

    // The next part of job, under the lock; the job leaves the queue with
    // its last part.
    int Claim(Job& job);
    void Serve();

    std::mutex mutex_;
    std::condition_variable wake_;      // work queued, or stopping
    std::condition_variable finished_;  // a part done
    std::deque<Job*> queue_;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};
