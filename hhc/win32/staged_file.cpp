#include "hhc/staged_file.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace hhc {
namespace {

std::string CannotWrite(const std::string& path, DWORD code) {
    return tess::win32::ErrorFrom("The compiled file " + path + " cannot be written", code).message;
}

}  // namespace

tess::Result<StagedFile> StagedFile::Write(std::string_view bytes, const std::string& final_path) {
    const size_t slash = final_path.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? "" : final_path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? final_path : final_path.substr(slash + 1);
    std::string temp;
    HANDLE out = INVALID_HANDLE_VALUE;
    for (unsigned attempt = 0; out == INVALID_HANDLE_VALUE; ++attempt) {
        temp = folder + "~" + name + "." + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(attempt) +
               ".tmp";
        out = CreateFileW(tess::win32::Widen(temp).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (out == INVALID_HANDLE_VALUE && (GetLastError() != ERROR_FILE_EXISTS || attempt == 100))
            return tess::Error{CannotWrite(final_path, GetLastError())};
    }
    DWORD error = 0;
    for (size_t done = 0; done < bytes.size() && error == 0;) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(out, bytes.data() + done, chunk, &written, nullptr)) error = GetLastError();
        else if (written == 0) error = ERROR_DISK_FULL;
        done += written;
    }
    // A full disk may show only when the data goes out.
    if (error == 0 && !FlushFileBuffers(out)) error = GetLastError();
    if (!CloseHandle(out) && error == 0) error = GetLastError();
    if (error != 0) {
        DeleteFileW(tess::win32::Widen(temp).c_str());
        return tess::Error{CannotWrite(final_path, error)};
    }
    return StagedFile(temp, final_path, bytes.size());
}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : temp_(std::move(other.temp_)), final_(std::move(other.final_)), size_(other.size_) {
    other.temp_.clear();
}

StagedFile::~StagedFile() {
    if (!temp_.empty()) DeleteFileW(tess::win32::Widen(temp_).c_str());
}

tess::Status StagedFile::Commit() {
    if (temp_.empty()) return tess::Error{"The compiled file " + final_ + " was already placed."};
    if (!MoveFileExW(tess::win32::Widen(temp_).c_str(), tess::win32::Widen(final_).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return tess::Error{CannotWrite(final_, GetLastError())};
    temp_.clear();
    return {};
}

}  // namespace hhc
