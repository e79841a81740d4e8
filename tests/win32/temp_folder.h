// A fresh folder under the system's temporary folder, removed with what it holds.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/win32/wide_text.h"

namespace tess::testing {

class TempFolder {
public:
    TempFolder() {
        wchar_t base[MAX_PATH + 1];
        GetTempPathW(MAX_PATH + 1, base);
        static int counter = 0;
        path_ = win32::Narrow(base) + "tess-win32-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++counter);
        CreateDirectoryW(win32::Widen(path_).c_str(), nullptr);
    }
    ~TempFolder() {
        // Attributes first: hidden, system and read-only files resist a plain delete.
        std::wstring pattern = win32::Widen(path_) + L"\\*";
        WIN32_FIND_DATAW found;
        HANDLE h = FindFirstFileW(pattern.c_str(), &found);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                std::wstring child = win32::Widen(path_) + L"\\" + found.cFileName;
                SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            } while (FindNextFileW(h, &found));
            FindClose(h);
        }
        std::wstring from = win32::Widen(path_) + L'\0';
        SHFILEOPSTRUCTW op{};
        op.wFunc = FO_DELETE;
        op.pFrom = from.c_str();
        op.fFlags = FOF_NO_UI;
        SHFileOperationW(&op);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

}  // namespace tess::testing
