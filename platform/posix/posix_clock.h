// The real clock: CLOCK_MONOTONIC and nanosleep.
#pragma once

#include "platform/clock.h"

namespace tess {

class PosixClock final : public Clock {
public:
    void SleepMs(int ms) override;
    std::int64_t NowMs() override;
};

}  // namespace tess
