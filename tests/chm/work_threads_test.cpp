// Each job runs once on every thread, part t on the same thread from job to job, and a part
// that throws reaches the caller only once every part has ended.
#include "chm/work_threads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

TEST(WorkThreads, RunsEachPartOnceOnItsOwnThread) {
    for (unsigned count : {1u, 3u}) {
        chm::WorkThreads threads(count);
        std::vector<std::thread::id> first(count), again(count);
        std::vector<int> runs(count, 0);
        threads.Run([&](unsigned t) { first[t] = std::this_thread::get_id(), ++runs[t]; });
        threads.Run([&](unsigned t) { again[t] = std::this_thread::get_id(), ++runs[t]; });
        EXPECT_EQ(first, again) << count;
        EXPECT_EQ(first[0], std::this_thread::get_id()) << "part 0 is the caller's";
        EXPECT_EQ(std::set<std::thread::id>(first.begin(), first.end()).size(), count);
        EXPECT_EQ(runs, std::vector<int>(count, 2));
    }
}

TEST(WorkThreads, RethrowsAPartsErrorOnceAllPartsHaveEnded) {
    chm::WorkThreads threads(3);
    for (unsigned thrower : {0u, 2u}) {  // the caller's part, another thread's
        std::atomic<int> ended{0};
        EXPECT_THROW(threads.Run([&](unsigned t) {
            if (t == thrower) throw std::runtime_error("part failed");
            ++ended;
        }),
                     std::runtime_error);
        EXPECT_EQ(ended, 2) << thrower;
        threads.Run([&](unsigned) { ++ended; });
        EXPECT_EQ(ended, 5) << "the threads take the next job";
    }
}

}  // namespace
