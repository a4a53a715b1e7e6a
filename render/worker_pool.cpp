#include "render/worker_pool.h"

#include <algorithm>
#include <system_error>

namespace {
// The pool whose thread this is, if any.
thread_local const WorkerPool* tCurrentPool = nullptr;
}  // namespace

WorkerPool::WorkerPool(int threads) {
    threads_.reserve(std::size_t(std::max(threads, 0)));
    for (int i = 0; i < threads; ++i) {
        try {
            threads_.emplace_back([this] { Serve(); });
        } catch (const std::system_error&) {
            break;  // the threads started so far do the work
        }
    }
}

WorkerPool::~WorkerPool() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    for (std::thread& thread : threads_)
        thread.join();
}

WorkerPool& WorkerPool::Shared() {
    static WorkerPool pool(int(std::max(1u, std::thread::hardware_concurrency())) - 1);
    return pool;
}

int WorkerPool::Claim(Job& job) {
    const int part = job.next++;
    if (job.next == job.parts) queue_.erase(std::find(queue_.begin(), queue_.end(), &job));
    return part;
}

void WorkerPool::Run(int parts, const std::function<void(int)>& work) {
    if (parts <= 0) return;
    if (parts == 1 || threads_.empty() || tCurrentPool == this) {
        for (int part = 0; part < parts; ++part)
            work(part);
        return;
    }
    Job job{&work, parts};
    std::unique_lock lock(mutex_);
    queue_.push_back(&job);
    lock.unlock();
    if (parts - 1 >= threads())
        wake_.notify_all();
    else
        for (int i = 0; i < parts - 1; ++i)
            wake_.notify_one();
    lock.lock();
    while (job.next < parts) {
        const int part = Claim(job);
        lock.unlock();
        work(part);
        lock.lock();
        ++job.done;
    }
    // The job left the queue with its last part; the parts the pool's
    // threads took may still be running.
    finished_.wait(lock, [&] { return job.done == parts; });
}

void WorkerPool::Serve() {
    tCurrentPool = this;
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [&] { return stopping_ || !queue_.empty(); });
        if (queue_.empty()) return;  // stopping, and no work left
        Job& job = *queue_.front();
        const int part = Claim(job);
        lock.unlock();
        (*job.work)(part);
        lock.lock();
        if (++job.done == job.parts) finished_.notify_all();
    }
}
