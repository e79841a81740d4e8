// Names inside the compiled file: checking them and the order readers search them in.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

namespace chm {

// Readers compare names byte by byte with ASCII letters folded to lower case (UTF-8 byte
// order is code point order, which is what the Unicode-aware readers compare).
bool NameLess(std::string_view a, std::string_view b);
bool NameEqualIgnoringCase(std::string_view a, std::string_view b);

// Why a stored file cannot carry this name, or success.
tess::Status CheckStoredName(std::string_view name);

// Every folder holding one of `names` ("/a/b/c.htm" gives "/a/" and "/a/b/"), not "/".
std::vector<std::string> FoldersOf(const std::vector<std::string_view>& names);

// A stored name as the directory holds it, with its leading "/".
std::string WithLeadingSlash(std::string_view name);

// A name as the system files hold it: relative to the file's root, no leading "/", blanks kept.
std::string UrlOf(std::string_view name);

}  // namespace chm
