// Temporary files: the private work folder and the compiled file's way into place.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "platform/result.h"

namespace hhc {

// A new folder only this process uses, under the system's temporary folder (TMPDIR).
tess::Result<std::string> MakePrivateFolder();
void RemoveTree(const std::string& folder);

// Copies `from` to `to`, creating the folders on the way.
tess::Status CopyInto(const std::string& from, const std::string& to);

// A complete, flushed copy under a temporary name beside its final path, waiting to take
// that name: `final_path` is only ever the old file or the whole new one. The copy goes
// away unless it was committed.
class StagedFile {
public:
    static tess::Result<StagedFile> Write(const std::string& from, const std::string& final_path);

    StagedFile(StagedFile&& other) noexcept;
    StagedFile& operator=(StagedFile&&) = delete;
    ~StagedFile();

    tess::Status Commit();
    std::uint64_t size() const { return size_; }
    const std::string& final_path() const { return final_; }

private:
    StagedFile(std::string temp, std::string final_path, std::uint64_t size)
        : temp_(std::move(temp)), final_(std::move(final_path)), size_(size) {}
    std::string temp_;  // empty once committed or moved from
    std::string final_;
    std::uint64_t size_;
};

}  // namespace hhc
