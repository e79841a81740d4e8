// Which references in a page name a file of the page's own folder tree.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace hhc {

// `ref` as written in a page or style sheet; `from_folder` is the referring file's folder
// relative to the tree's root ("" or "a/b"). Gives the target relative to the root in
// "/" syntax, or nothing for absolute URLs, other schemes, bare anchors, folders and
// anything that leaves the tree. Queries and anchors are dropped, %XX decoded.
std::optional<std::string> LocalTarget(std::string_view ref, std::string_view from_folder);

// True for a name ending in .htm or .html (any case).
bool IsPageName(std::string_view name);

}  // namespace hhc
