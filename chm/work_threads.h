// Threads kept for a run of jobs: each job runs once on every thread, the caller's among them,
// and the caller waits for all. A job's part t stays on thread t from one job to the next, so
// what one thread fills stays in its cache. Standard C++ only.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace chm {

class WorkThreads {
public:
    // Starts count - 1 threads: none for one, and then a job runs on the caller alone.
    explicit WorkThreads(unsigned count);
    ~WorkThreads();
    WorkThreads(const WorkThreads&) = delete;
    WorkThreads& operator=(const WorkThreads&) = delete;

    unsigned count() const { return count_; }
    // Calls job(0) here and job(t) on thread t; returns once all have, rethrowing what one threw.
    void Run(const std::function<void(unsigned)>& job);

private:
    void Work(unsigned t);

    unsigned count_;
    std::mutex mutex_;
    std::condition_variable start_, done_;
    const std::function<void(unsigned)>* job_ = nullptr;  // under mutex_, as the rest
    uint64_t round_ = 0;
    unsigned busy_ = 0;
    bool stop_ = false;
    std::exception_ptr failed_;
    std::vector<std::thread> threads_;
};

}  // namespace chm
