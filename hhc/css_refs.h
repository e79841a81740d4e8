// References that a style sheet (or a style attribute) makes: url(...) and @import.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace hhc {

// The references as written (unresolved), in order; comments are skipped.
std::vector<std::string> CssReferences(std::string_view css);

}  // namespace hhc
