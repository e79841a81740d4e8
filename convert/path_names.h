// Pieces of paths, taken apart the way the conversion names its files.
#pragma once

#include <string>
#include <string_view>

namespace tess {

// Text after the last "." anywhere in the path (folders included); "" when there is none.
std::string GetExtension(std::string_view path);
// The path without its last component and trailing separator; a root keeps its separator.
std::string GetParentFolderName(std::string_view path);
// The last component without its final "." and what follows.
std::string GetBaseName(std::string_view path);
// Appends the platform separator unless the text already ends in one.
std::string WithTrailingSeparator(std::string folder);
// ASCII lower case; other bytes unchanged.
std::string AsciiLower(std::string_view text);

}  // namespace tess
