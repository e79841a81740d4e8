#include "platform/posix/posix_clock.h"

#include <time.h>

#include <cerrno>

namespace tess {

void PosixClock::SleepMs(int ms) {
    if (ms <= 0) return;
    timespec rest{ms / 1000, static_cast<long>(ms % 1000) * 1'000'000L};
    // A signal cuts the sleep short; sleep the rest.
    while (::nanosleep(&rest, &rest) != 0 && errno == EINTR) {
    }
}

std::int64_t PosixClock::NowMs() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
}

}  // namespace tess
