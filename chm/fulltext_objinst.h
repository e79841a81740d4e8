// "$OBJINST": the settings of the viewer's word breaker for the search, with the character
// table of the project's code page, so that a query is cut into words as the index was.
#pragma once

#include <cstdint>
#include <string>

namespace chm {

std::string BuildObjInst(uint32_t language, uint32_t code_page);

}  // namespace chm
