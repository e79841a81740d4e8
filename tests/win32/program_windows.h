// Finding and reading another process's windows and files, as a user would see them: for the
// tests that start the real program.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tess::testing {

// A visible top-level window of the process with that title (and class, when given), waited for.
HWND WaitForWindow(DWORD pid, const std::string& title, const std::wstring& window_class = L"",
                   DWORD timeout_ms = 30000);
// A child window of that class and text.
HWND FindChild(HWND parent, const std::wstring& window_class, const std::string& text);
// The file's bytes, read while others may still hold it; "<missing>" when it cannot be opened.
std::string FileText(const std::string& path);
void WriteText(const std::string& path, const std::string& bytes);

inline constexpr const wchar_t* kWorkshopKey = L"Software\\Microsoft\\HTML Help Workshop";
inline constexpr const wchar_t* kSettingsKey = L"Software\\VB and VBA Program Settings\\Quillvane";

// Names the workshop's folder as its installer does (HKCU, InstallDir); false when it cannot.
bool SetWorkshopFolder(const std::string& folder);
// Drags the files onto the window with the pointer inside its lower left corner, as a user does;
// returns once the drop is over (the target runs its handler inside it), with the effect the
// target chose in `effect` when given.
HRESULT DragFilesOnto(HWND target, const std::vector<std::string>& paths, DWORD effects, DWORD* effect = nullptr);

}  // namespace tess::testing
