// What hhc tells on the console while it works, when the project does not turn it off: the
// files gathered, the megabytes compressed, the search index, the time taken.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <mutex>
#include <string>

namespace hhc {

class Progress {
public:
    explicit Progress(bool shown, std::FILE* out = stdout);

    void Gathered(size_t files, std::uint64_t bytes);
    // For the writer: told the bytes compressed so far, it says so at each tenth of `total` (an
    // estimate: files re-encoded as they are read may store fewer).
    std::function<void(std::uint64_t)> Compressing(std::uint64_t total);
    void Indexed(size_t topics);
    // Once the file is written; the compressing ends at 100% whatever the estimate was.
    void Finished();

private:
    void Say(const std::string& line);
    void Compressed(std::uint64_t done);
    bool shown_;
    bool compressing_ = false;
    std::uint64_t total_ = 0, done_ = 0;
    unsigned told_ = 0;  // tenths said
    std::FILE* out_;
    std::mutex mutex_;  // the index is made on a thread of its own
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace hhc
