// Gathers the page and the local files it needs, within the page's folder tree.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/result.h"

namespace hhc {

struct Collection {
    std::string root;                // the page's folder
    std::vector<std::string> files;  // names as the pages spell them, "/" syntax; the page first
    std::map<std::string, std::string> sources;  // name -> the file's own spelling, where they differ
    std::string title;               // the page's own title (UTF-8), may be empty
    std::vector<std::string> missing;  // local references that name no file
};

// Follows linked pages of the tree and the style sheets' own references. Fails only when
// the page itself cannot be read; what it refers to is taken when it is there.
tess::Result<Collection> CollectFiles(const std::string& page_path, size_t max_files = 20000);

// The same for several named files of the tree under `root` (full paths, the default
// topic first, a contents file among them if any). Each named file must be there.
tess::Result<Collection> CollectTree(const std::string& root, const std::vector<std::string>& named,
                                     size_t max_files = 20000);

// A file's name inside the tree under `root`, in "/" syntax; starts with ".." when the
// file lies outside.
std::string TreeName(const std::string& root, const std::string& path);

// The deepest folder that holds all the files (full paths).
std::string CommonFolder(const std::vector<std::string>& paths);

}  // namespace hhc
