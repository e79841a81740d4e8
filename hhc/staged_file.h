// The compiled file's way into place: written whole under a temporary name beside its final
// path, then renamed, so that the final path only ever holds the old file or the whole new one.
#pragma once

#include <functional>
#include <iostream>
#include <memory>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "platform/result.h"

namespace hhc {

class StagedFile {
public:
    // Writes and flushes `bytes`; on failure nothing is left behind.
    static tess::Result<StagedFile> Write(std::string_view bytes, const std::string& final_path);

    // Has `fill` write the file into `out`, with `spill` a second, empty temporary file beside it
    // for what is made before it can be placed; the spill is gone afterwards, and on failure
    // nothing is left behind.
    using Filler = std::function<tess::Status(std::ostream& out, std::iostream& spill)>;
    static tess::Result<StagedFile> Write(const Filler& fill, const std::string& final_path);

    // An empty read-write work file beside `final_path`, gone once the stream is destroyed (at
    // once where the system allows an open file to lose its name).
    static tess::Result<std::unique_ptr<std::iostream>> WorkFile(const std::string& final_path);

    StagedFile(StagedFile&& other) noexcept;
    StagedFile& operator=(StagedFile&&) = delete;
    ~StagedFile();  // removes the temporary file unless it was committed

    // Takes the final name, replacing an earlier file there.
    tess::Status Commit();
    std::uint64_t size() const { return size_; }
    const std::string& final_path() const { return final_; }

private:
    class WorkStream;
    // Creates an empty file of a new name beside `final_path`, for this process alone.
    static tess::Result<std::string> CreateTemp(const std::string& final_path);
    // Unlinks an open spill where the system allows it, so that a killed run leaves none.
    static void ForgetOpen(const std::string& temp);
    static void RemoveTemp(const std::string& temp);
    StagedFile(std::string temp, std::string final_path, std::uint64_t size)
        : temp_(std::move(temp)), final_(std::move(final_path)), size_(size) {}
    std::string temp_;  // empty once committed or moved from
    std::string final_;
    std::uint64_t size_;
};

}  // namespace hhc
