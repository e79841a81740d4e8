// The log's line for an option or section the compiler does not honour: what it is and what
// the compiled file lacks because of it.
#pragma once

#include <string>
#include <string_view>

namespace hhc {

// `ignored` as the project parser names it: "option Create CHI file=Yes", "section [SUBSETS]".
std::string UnhonouredLine(std::string_view ignored);

}  // namespace hhc
