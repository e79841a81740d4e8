#include "platform/win32/win32_single_instance.h"

#include "platform/win32/wide_text.h"

namespace tess::win32 {

bool Win32SingleInstance::AnotherInstanceRunning() {
    // The answer is fixed by the first question: later ones must not see our own mutex.
    if (asked_) return another_;
    asked_ = true;
    HANDLE h = CreateMutexW(nullptr, FALSE, Widen(name_).c_str());
    another_ = h != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
    mutex_ = UniqueHandle(h);
    return another_;
}

}  // namespace tess::win32
