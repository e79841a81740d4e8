#include "chm/work_threads.h"

#include <algorithm>

namespace chm {

WorkThreads::WorkThreads(unsigned count) : count_(std::max(1u, count)) {
    for (unsigned t = 1; t < count_; ++t) threads_.emplace_back([this, t] { Work(t); });
}

WorkThreads::~WorkThreads() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    start_.notify_all();
    for (auto& t : threads_) t.join();
}

void WorkThreads::Run(const std::function<void(unsigned)>& job) {
    if (threads_.empty()) return job(0);
    {
        std::lock_guard lock(mutex_);
        job_ = &job;
        ++round_;
        busy_ = count_ - 1;
        failed_ = nullptr;
    }
    start_.notify_all();
    std::exception_ptr here;
    try {
        job(0);
    } catch (...) {
        here = std::current_exception();  // the others still use `job`: wait for them first
    }
    std::unique_lock lock(mutex_);
    done_.wait(lock, [this] { return busy_ == 0; });
    if (here) std::rethrow_exception(here);
    if (failed_) std::rethrow_exception(failed_);
}

void WorkThreads::Work(unsigned t) {
    uint64_t seen = 0;
    std::unique_lock lock(mutex_);
    for (;;) {
        start_.wait(lock, [&] { return stop_ || round_ != seen; });
        if (stop_) return;
        seen = round_;
        const auto* job = job_;
        lock.unlock();
        std::exception_ptr failed;
        try {
            (*job)(t);
        } catch (...) {
            failed = std::current_exception();
        }
        lock.lock();
        if (failed && !failed_) failed_ = failed;
        if (--busy_ == 0) done_.notify_one();
    }
}

}  // namespace chm
