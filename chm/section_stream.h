// The LZX section made as a stream: the caller appends the input in order, whole reset
// intervals are coded on worker threads, and the coded stream goes to `out` in order as it is
// made, so that memory stays a few intervals whatever the input's size.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "chm/lzx_interval.h"
#include "chm/lzx_tunables.h"
#include "platform/result.h"

namespace chm {

struct SectionStreamOptions {
    unsigned threads = 0;  // workers; 0 takes one per core. The bytes do not depend on it.
    int level = lzx_tunables::kDefaultLevel;
    // Asked before each interval; once it says yes, the section fails as stopped.
    std::function<bool()> stopped;
    // Told on the appending thread, after each interval reached `out`, how many bytes of the
    // input the written stream now holds.
    std::function<void(uint64_t input_done)> written;
};

class SectionStream {
public:
    SectionStream(std::ostream& out, SectionStreamOptions options);
    ~SectionStream();
    SectionStream(const SectionStream&) = delete;
    SectionStream& operator=(const SectionStream&) = delete;

    // From one thread only. An error (stopped, `out` failing) is for good.
    tess::Status Append(std::string_view bytes);
    // Pads the section as readers need it and waits until all of it is in `out`.
    tess::Status Finish();

    uint64_t size() const { return size_; }  // input appended so far
    uint64_t compressed_size() const { return compressed_; }
    // Where each 32 KB frame starts in the coded stream (the first is 0).
    const std::vector<uint64_t>& frame_offsets() const { return frame_offsets_; }

private:
    struct Slot {
        std::string input;  // the interval, padded
        size_t data_end = 0;
        CodedInterval coded;
        bool ready = false;
    };
    tess::Status Submit(size_t data_end);
    tess::Status WriteNext();
    bool NextReady();
    bool CodeOneHere();  // on the appending thread; false when no interval waits
    void Work();

    std::ostream& out_;
    SectionStreamOptions options_;
    unsigned max_workers_;
    std::vector<Slot> slots_;  // a ring: interval i sits in slot i % size
    std::string pending_;      // the interval being filled
    uint64_t size_ = 0;
    uint64_t fed_ = 0;      // intervals handed on
    uint64_t written_ = 0;  // intervals in `out`
    uint64_t compressed_ = 0;
    std::vector<uint64_t> frame_offsets_;
    tess::Status failed_;
    std::optional<IntervalCoder> coder_;  // the appending thread's, made when it first codes

    std::mutex mutex_;
    std::condition_variable work_, done_;
    uint64_t queued_ = 0;  // under mutex_: intervals the workers may take
    uint64_t taken_ = 0;
    bool closing_ = false;
    std::vector<std::thread> workers_;
};

}  // namespace chm
