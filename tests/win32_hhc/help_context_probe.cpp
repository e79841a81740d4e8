// Asks the system's help viewer to open topics by context id, as an application's F1 help
// does: one line per id, "ID window" when the viewer opened a window, "ID none" otherwise.
// Usage: help_context_probe FILE.chm ID...
#include <windows.h>
#include <htmlhelp.h>

#include <cstdio>
#include <cwchar>

namespace {
using HtmlHelpW_t = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);
}

int wmain(int argc, wchar_t** argv) {
    // The viewer is loaded as applications load it, without an import library.
    HMODULE viewer = LoadLibraryW(L"hhctrl.ocx");
    auto html_help = viewer ? reinterpret_cast<HtmlHelpW_t>(reinterpret_cast<void*>(GetProcAddress(viewer, "HtmlHelpW"))) : nullptr;
    if (argc < 3 || !html_help) return 2;
    for (int i = 2; i < argc; ++i) {
        unsigned long id = std::wcstoul(argv[i], nullptr, 0);
        HWND window = html_help(nullptr, argv[1], HH_HELP_CONTEXT, static_cast<DWORD_PTR>(id));
        std::printf("%lu %s\n", id, window ? "window" : "none");
        std::fflush(stdout);
    }
    html_help(nullptr, nullptr, HH_CLOSE_ALL, 0);
    return 0;
}
