// Gathers the page and the local files it needs, within the page's folder tree, read in
// place. Everything left out is named with the reason.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/result.h"

namespace hhc {

struct CollectedFile {
    std::string name;    // inside the tree, "/" syntax, as the pages spell it
    std::string bytes;   // the file's contents
    bool page = false;   // an HTML page: a topic of the compiled file
    std::string title;   // a page's own <title>, UTF-8; its file name when it has none
    std::string source;  // the file read, a full path
};

struct LeftOut {
    std::string name;    // as the pages spell it (relative to the tree, or the reference itself)
    std::string reason;  // a sentence: "it was not found."
};

struct Collection {
    std::string root;                 // the tree's folder
    std::vector<CollectedFile> files; // the named files first in their order, the default topic first
    std::vector<LeftOut> left_out;
    std::int64_t newest_time = 0;     // the newest file's modification time, seconds since 1970
};

inline constexpr size_t kMaxFiles = 20000;

// Follows linked pages of the tree and the style sheets' own references. Fails only when
// the page itself cannot be taken.
tess::Result<Collection> CollectFiles(const std::string& page_path, size_t max_files = kMaxFiles);

// The same for several named files of the tree under `root` (full paths, the default
// topic first, a contents file among them if any). Each named file must be there, readable
// and storable; files they refer to are taken when they can be and named otherwise.
tess::Result<Collection> CollectTree(const std::string& root, const std::vector<std::string>& named,
                                     size_t max_files = kMaxFiles);

// A file's name inside the tree under `root`, in "/" syntax; starts with ".." when the
// file lies outside.
std::string TreeName(const std::string& root, const std::string& path);

// The deepest folder that holds all the files (full paths).
std::string CommonFolder(const std::vector<std::string>& paths);

}  // namespace hhc
