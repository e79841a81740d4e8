#include "platform/win32/win32_clock.h"

#include <windows.h>

namespace tess::win32 {

void Win32Clock::SleepMs(int ms) { Sleep(ms > 0 ? static_cast<DWORD>(ms) : 0); }

std::int64_t Win32Clock::NowMs() { return static_cast<std::int64_t>(GetTickCount64()); }

}  // namespace tess::win32
