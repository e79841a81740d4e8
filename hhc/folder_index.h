// The files of a folder tree for lookups by name, each folder listed once on first need: a
// page with thousands of references in a folder of thousands of files costs no rescans.
#pragma once

#include <optional>
#include <string>
#include <unordered_map>

namespace hhc {

class FolderIndex {
public:
    explicit FolderIndex(std::string root) : root_(std::move(root)) {}

    struct Found {
        std::string path;          // relative to the root, in the file's own spelling
        bool through_link = false;  // a part of the way is a symbolic link
    };

    // The regular file `rel` ("a/b.png") names: that spelling when there is one, else one
    // spelled the same but for ASCII case (pages written on Windows often differ there).
    std::optional<Found> Find(const std::string& rel);

private:
    struct Entry {
        bool folder = false;
        bool file = false;
        bool link = false;
    };
    struct Listing {
        std::unordered_map<std::string, Entry> exact;
        std::unordered_map<std::string, std::string> folded;  // lower-case -> first spelling in byte order
    };
    const Listing& ListingOf(const std::string& folder);

    std::string root_;
    std::unordered_map<std::string, Listing> listings_;
};

}  // namespace hhc
