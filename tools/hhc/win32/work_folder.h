// A private folder under the user's temporary folder, removed with its contents.
#pragma once

#include <string>

#include "platform/result.h"

namespace hhc::win32 {

class WorkFolder {
public:
    static tess::Result<WorkFolder> Make();
    WorkFolder(WorkFolder&& other) noexcept : path_(std::move(other.path_)) { other.path_.clear(); }
    WorkFolder& operator=(WorkFolder&&) = delete;
    ~WorkFolder();

    const std::wstring& path() const { return path_; }
    std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    explicit WorkFolder(std::wstring path) : path_(std::move(path)) {}
    std::wstring path_;
};

}  // namespace hhc::win32
