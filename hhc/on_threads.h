// Many small, independent jobs (a system call or a file each) shared out among threads.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <functional>
#include <thread>
#include <vector>

namespace hhc {

// Calls each(0) to each(count - 1) on up to `threads` threads, the caller's among them. Fewer
// than `few` run on the caller alone: they are done sooner than a thread starts.
inline void OnThreads(size_t count, unsigned threads, size_t few, const std::function<void(size_t)>& each) {
    std::atomic<size_t> next{0};
    auto work = [&] {
        for (size_t k; (k = next.fetch_add(1)) < count;) each(k);
    };
    std::vector<std::thread> pool;
    if (count >= few)
        for (unsigned t = 1; t < std::min<size_t>(threads, count); ++t) pool.emplace_back(work);
    work();
    for (auto& t : pool) t.join();
}

}  // namespace hhc
