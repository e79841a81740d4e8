// Real time: the system's sleep and its monotonic tick count.
#pragma once

#include "platform/clock.h"

namespace tess::win32 {

class Win32Clock final : public Clock {
public:
    void SleepMs(int ms) override;
    std::int64_t NowMs() override;
};

}  // namespace tess::win32
