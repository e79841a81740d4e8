#include "tools/hhc/win32/unix_path.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace hhc::win32 {
namespace {

using UnixFileName = char* (*)(const wchar_t*);

}  // namespace

tess::Result<UnixPathFn> WineUnixPaths() {
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    FARPROC proc = kernel ? GetProcAddress(kernel, "wine_get_unix_file_name") : nullptr;
    if (!proc)
        return tess::Error{"This hhc.exe drives the Linux help compiler and runs only under Wine; "
                           "on Windows, use the help workshop's own compiler."};
    // Through a plain function pointer type, which any function pointer may be cast to.
    auto to_unix = reinterpret_cast<UnixFileName>(reinterpret_cast<void (*)()>(proc));
    return UnixPathFn([to_unix](const std::wstring& path) -> tess::Result<std::string> {
        char* unix_name = to_unix(path.c_str());
        if (!unix_name) return tess::Error{"Wine knows no Linux path for " + tess::win32::Narrow(path) + "."};
        std::string out(unix_name);
        HeapFree(GetProcessHeap(), 0, unix_name);
        return out;
    });
}

}  // namespace hhc::win32
