// Entry of the desktop program on Windows.
#include <windows.h>
#include <ole2.h>

#include "platform/entry.h"
#include "platform/win32/win32_services.h"
#include "platform/win32/win32_window_system.h"

namespace tess {

int RunDesktop(int, char**, const ProgramNames& names, const ProgramBody& body) {
    // Drops arrive through OLE, which wants a single-threaded apartment on the window thread.
    HRESULT ole = OleInitialize(nullptr);
    int code = 0;
    {
        win32::Win32Services services(names);
        win32::Win32WindowSystem windows;
        Platform platform = services.Bundle(windows);
        code = body(platform);
    }
    if (SUCCEEDED(ole)) OleUninitialize();
    return code;
}

}  // namespace tess
