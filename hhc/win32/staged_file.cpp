#include "hhc/staged_file.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace hhc {
namespace {

std::string CannotWrite(const std::string& path, DWORD code) {
    return tess::win32::ErrorFrom("The compiled file " + path + " cannot be written", code).message;
}

}  // namespace

tess::Result<std::string> StagedFile::CreateTemp(const std::string& final_path) {
    const size_t slash = final_path.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? "" : final_path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? final_path : final_path.substr(slash + 1);
    for (unsigned attempt = 0;; ++attempt) {
        std::string temp = folder + "~" + name + "." + std::to_string(GetCurrentProcessId()) + "-" +
                           std::to_string(attempt) + ".tmp";
        HANDLE out = CreateFileW(tess::win32::Widen(temp).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
        if (out != INVALID_HANDLE_VALUE) {
            CloseHandle(out);
            return temp;
        }
        if (GetLastError() != ERROR_FILE_EXISTS || attempt == 100)
            return tess::Error{CannotWrite(final_path, GetLastError())};
    }
}

// An open file cannot be unlinked here; it goes once it is closed.
void StagedFile::ForgetOpen(const std::string&) {}

void StagedFile::RemoveTemp(const std::string& temp) { DeleteFileW(tess::win32::Widen(temp).c_str()); }

StagedFile::StagedFile(StagedFile&& other) noexcept
    : temp_(std::move(other.temp_)), final_(std::move(other.final_)), size_(other.size_) {
    other.temp_.clear();
}

StagedFile::~StagedFile() {
    if (!temp_.empty()) RemoveTemp(temp_);
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
