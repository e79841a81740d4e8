// Real time for short polls, but long pauses are only counted: tests never wait seconds.
#pragma once

#include <algorithm>
#include <vector>

#include "platform/posix/posix_clock.h"

namespace tess::testing {

class QuickClock final : public Clock {
public:
    std::vector<int> asked;  // every pause asked for, in order
    std::int64_t skipped_ms = 0;

    void SleepMs(int ms) override {
        asked.push_back(ms);
        const int real = std::min(ms, 5);
        real_.SleepMs(real);
        skipped_ms += ms - real;
    }
    std::int64_t NowMs() override { return real_.NowMs() + skipped_ms; }
    std::int64_t PausedMs() const {
        std::int64_t total = 0;
        for (int ms : asked) total += ms;
        return total;
    }

private:
    PosixClock real_;
};

}  // namespace tess::testing
