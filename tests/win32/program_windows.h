// Finding and reading another process's windows and files, as a user would see them: for the
// tests that start the real program.
#pragma once

#include <windows.h>

#include <string>

namespace tess::testing {

// A visible top-level window of the process with that title (and class, when given), waited for.
HWND WaitForWindow(DWORD pid, const std::string& title, const std::wstring& window_class = L"",
                   DWORD timeout_ms = 30000);
// A child window of that class and text.
HWND FindChild(HWND parent, const std::wstring& window_class, const std::string& text);
// The file's bytes, read while others may still hold it; "<missing>" when it cannot be opened.
std::string FileText(const std::string& path);
void WriteText(const std::string& path, const std::string& bytes);

}  // namespace tess::testing
