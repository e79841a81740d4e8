#include "tools/hhc/win32/work_folder.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace hhc::win32 {
namespace {

void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring child = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(child.c_str());
            }
        } while (FindNextFileW(h, &found));
        FindClose(h);
    }
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

tess::Result<WorkFolder> WorkFolder::Make() {
    wchar_t base[MAX_PATH + 1];
    DWORD n = GetTempPathW(MAX_PATH + 1, base);
    if (n == 0 || n > MAX_PATH) return tess::win32::LastError("The temporary folder cannot be found");
    std::wstring prefix = std::wstring(base, n) + L"tess-hhc-" + std::to_wstring(GetCurrentProcessId()) + L"-";
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        std::wstring path = prefix + std::to_wstring(GetTickCount() + attempt);
        if (CreateDirectoryW(path.c_str(), nullptr)) return WorkFolder(path);
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            return tess::win32::LastError("The work folder " + tess::win32::Narrow(path) + " cannot be made");
    }
    return tess::Error{"No unused name for a work folder was found in " + tess::win32::Narrow(base) + "."};
}

WorkFolder::~WorkFolder() {
    if (!path_.empty()) RemoveTree(path_);
}

}  // namespace hhc::win32
