// Pieces of paths, taken apart the way the conversion names its files, in a given syntax.
#pragma once

#include <string>
#include <string_view>

#include "platform/path_style.h"

namespace tess {

// Text after the last "." anywhere in the path (folders included); "" when there is none.
std::string GetExtension(std::string_view path);
// The path without its last component and trailing separator; a root keeps its separator.
std::string GetParentFolderName(std::string_view path, const PathSyntax& syntax = kNativePaths);
// The last component without its final "." and what follows.
std::string GetBaseName(std::string_view path, const PathSyntax& syntax = kNativePaths);
// Appends the separator unless the text already ends in one.
std::string WithTrailingSeparator(std::string folder, const PathSyntax& syntax = kNativePaths);
// folder + separator + name, the separator written even when the folder ends in one.
std::string JoinPath(const std::string& folder, std::string_view name, const PathSyntax& syntax = kNativePaths);

}  // namespace tess
