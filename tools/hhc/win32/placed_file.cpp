#include "tools/hhc/win32/placed_file.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace hhc::win32 {

tess::Result<std::uint64_t> PlaceFile(const std::wstring& from, const std::wstring& to) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(from.c_str(), GetFileExInfoStandard, &data))
        return tess::win32::LastError("The compiled file " + tess::win32::Narrow(from) + " is missing");
    const std::uint64_t size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
    if (size == 0) return tess::Error{"The compiled file " + tess::win32::Narrow(from) + " is empty."};
    const std::wstring temp = to + L".~hhc" + std::to_wstring(GetCurrentProcessId());
    if (!CopyFileW(from.c_str(), temp.c_str(), FALSE)) {
        auto error = tess::win32::LastError("The compiled file cannot be written beside " + tess::win32::Narrow(to));
        DeleteFileW(temp.c_str());
        return error;
    }
    if (!MoveFileExW(temp.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        auto error = tess::win32::LastError("The compiled file cannot be put in place at " + tess::win32::Narrow(to));
        DeleteFileW(temp.c_str());
        return error;
    }
    return size;
}

}  // namespace hhc::win32
