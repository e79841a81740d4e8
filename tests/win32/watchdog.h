// Ends any event loop that is still running after the given time, so a fault fails instead of hanging.
#pragma once

#include <windows.h>

namespace tess::testing {

class Watchdog {
public:
    explicit Watchdog(UINT ms) : timer_(SetTimer(nullptr, 0, ms, &Watchdog::Fire)) {}
    ~Watchdog() { KillTimer(nullptr, timer_); }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;
    inline static bool fired = false;

private:
    static void CALLBACK Fire(HWND, UINT, UINT_PTR, DWORD) {
        fired = true;
        PostQuitMessage(99);
    }
    UINT_PTR timer_;
};

}  // namespace tess::testing
