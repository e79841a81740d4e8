#include "program_windows.h"

#include "drop_source.h"
#include "hdrop_data_object.h"
#include "platform/win32/wide_text.h"

namespace tess::testing {

namespace {

using win32::Widen;

struct Search {
    DWORD pid;
    std::wstring window_class;  // empty: any (top-level windows)
    std::wstring title;
    HWND found;
};

bool Matches(HWND h, const Search& s) {
    wchar_t text[256] = {};
    wchar_t cls[64] = {};
    GetWindowTextW(h, text, 256);
    GetClassNameW(h, cls, 64);
    return s.title == text && (s.window_class.empty() || _wcsicmp(s.window_class.c_str(), cls) == 0);
}

BOOL CALLBACK MatchWindow(HWND h, LPARAM data) {
    auto* s = reinterpret_cast<Search*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    if (pid != s->pid || !IsWindowVisible(h) || !Matches(h, *s)) return TRUE;
    s->found = h;
    return FALSE;
}

BOOL CALLBACK MatchChild(HWND h, LPARAM data) {
    auto* s = reinterpret_cast<Search*>(data);
    if (!Matches(h, *s)) return TRUE;
    s->found = h;
    return FALSE;
}

}  // namespace

HWND WaitForWindow(DWORD pid, const std::string& title, const std::wstring& window_class, DWORD timeout_ms) {
    Search s{pid, window_class, Widen(title), nullptr};
    for (ULONGLONG start = GetTickCount64(); GetTickCount64() - start < timeout_ms; Sleep(20)) {
        EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&s));
        if (s.found) break;
    }
    return s.found;
}

HWND FindChild(HWND parent, const std::wstring& window_class, const std::string& text) {
    Search s{0, window_class, Widen(text), nullptr};
    EnumChildWindows(parent, &MatchChild, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

std::string FileText(const std::string& path) {
    std::string bytes;
    HANDLE h = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "<missing>";
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(h);
    return bytes;
}

void WriteText(const std::string& path, const std::string& bytes) {
    HANDLE h = CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
}

bool SetWorkshopFolder(const std::string& folder) {
    HKEY h = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kWorkshopKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &h, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const std::wstring wide = Widen(folder);
    const LSTATUS set = RegSetValueExW(h, L"InstallDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                                       static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(h);
    return set == ERROR_SUCCESS;
}

HRESULT DragFilesOnto(HWND target, const std::vector<std::string>& paths, DWORD effects, DWORD* effect) {
    RECT r;
    GetWindowRect(target, &r);
    SetCursorPos(r.left + 8, r.bottom - 6);
    IDataObject* data = NewFileListObject(paths);
    OneDropSource source;
    DWORD chosen = 0;
    const HRESULT result = DoDragDrop(data, &source, effects, &chosen);
    data->Release();
    if (effect) *effect = chosen;
    return result;
}

}  // namespace tess::testing
