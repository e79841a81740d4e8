// Which references in a page name a file of the page's own folder tree.
#pragma once

#include <string>
#include <string_view>

namespace hhc {

struct LocalRef {
    enum class Kind {
        none,     // not a local file: another scheme, a bare anchor, a folder, nothing
        inside,   // a file of the tree: `path` is relative to the root, "/" syntax
        outside,  // a local file outside the tree: `path` is the reference, decoded, for the log
    };
    Kind kind = Kind::none;
    std::string path;
};

// `ref` as written in a page or style sheet; `from_folder` is the referring file's folder
// relative to the tree's root ("" or "a/b"). Queries and anchors are dropped, %XX decoded.
LocalRef ResolveRef(std::string_view ref, std::string_view from_folder);

// "%20" and the like turned into the bytes they stand for; anything else kept.
std::string PercentDecode(std::string_view s);

// True for a name ending in .htm or .html (any case).
bool IsPageName(std::string_view name);

}  // namespace hhc
