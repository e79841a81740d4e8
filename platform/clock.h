// Time, injectable so that tests never sleep for real.
#pragma once

#include <cstdint>

namespace tess {

class Clock {
public:
    virtual ~Clock() = default;
    virtual void SleepMs(int ms) = 0;
    virtual std::int64_t NowMs() = 0;  // monotonic
};

}  // namespace tess
