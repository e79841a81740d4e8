// The program's pictures, kept as icon resources in the executable.
#pragma once

#include <windows.h>

#include <string>

namespace tess::win32 {

// Resource name of the program's own icon.
inline constexpr const wchar_t* kProgramIconName = L"APPICON";

// The named icon at the given size, or null when the executable holds none of that name.
// The caller destroys it.
HICON LoadPicture(const std::string& name, int size_px);
// The program's icon at the given size; the system's application icon when there is none.
HICON LoadProgramIcon(int size_px);

}  // namespace tess::win32
