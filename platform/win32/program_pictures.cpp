#include "platform/win32/program_pictures.h"

#include "platform/win32/wide_text.h"

namespace tess::win32 {

HICON LoadPicture(const std::string& name, int size_px) {
    if (name.empty()) return nullptr;
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), Widen(name).c_str(), IMAGE_ICON, size_px, size_px, 0));
}

HICON LoadProgramIcon(int size_px) {
    auto icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), kProgramIconName, IMAGE_ICON, size_px, size_px, 0));
    if (icon) return icon;
    return CopyIcon(LoadIconW(nullptr, IDI_APPLICATION));
}

}  // namespace tess::win32
