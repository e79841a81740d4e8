// The compiler's log, open without delete sharing from the moment it appears until it is
// closed: the program's rename probe then meets "in use" while the compilation is not done.
#pragma once

#include <string>
#include <string_view>

#include "platform/result.h"
#include "platform/win32/unique_handle.h"

namespace hhc::win32 {

class HeldLog {
public:
    // Made under a temporary name and renamed into place through its own handle, so it is
    // never seen unheld; made in place where that rename is refused.
    static tess::Result<HeldLog> Create(const std::wstring& path);

    // Appends the bytes (code page 932) and a CR LF, made harmless: only the success line
    // may carry the bytes "Created".
    tess::Status WriteLine(std::string_view bytes);
    tess::Status WriteSuccessLine(std::string_view bytes);
    void Close() { handle_.Reset(); }

private:
    tess::Status Append(std::string line);
    explicit HeldLog(tess::win32::UniqueHandle handle) : handle_(std::move(handle)) {}
    tess::win32::UniqueHandle handle_;
};

}  // namespace hhc::win32
