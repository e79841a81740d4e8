// A temporary folder tree for one test, removed afterwards.
#pragma once

#include <string>
#include <string_view>

namespace hhc_test {

class TempTree {
public:
    TempTree();
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    const std::string& root() const { return root_; }
    // Writes bytes at root + "/" + rel, making the folders on the way; returns the full path.
    std::string Write(const std::string& rel, std::string_view bytes) const;
    std::string Path(const std::string& rel) const { return root_ + "/" + rel; }

private:
    std::string root_;
};

std::string ReadFile(const std::string& path);
bool FileExists(const std::string& path);
// Bytes that do not compress, so sizes stay near what they are.
std::string NoiseBytes(size_t size, unsigned seed);

}  // namespace hhc_test
