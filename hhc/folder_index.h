// The files of a folder tree for lookups by name, each folder listed once on first need: a
// page with thousands of references in a folder of thousands of files costs no rescans.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

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
    // A folder's names end to end in one block, sorted for lookups: a folder of a few hundred
    // thousand files then costs a few megabytes, not a pair of hash tables of strings.
    struct Listing {
        struct Item {
            uint32_t offset = 0, length = 0;
            bool folder = false, file = false, link = false;
        };
        std::string names;
        std::vector<Item> items;     // in byte order of the names
        std::vector<uint32_t> folded;  // items in order of the names with ASCII case folded, ties in byte order
        std::string_view NameOf(const Item& item) const { return std::string_view(names).substr(item.offset, item.length); }
        // The item spelled `name`, else the first spelled so but for ASCII case; none without one.
        const Item* Find(std::string_view name) const;
    };
    const Listing& ListingOf(const std::string& folder);

    std::string root_;
    std::unordered_map<std::string, Listing> listings_;
};

}  // namespace hhc
