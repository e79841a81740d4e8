// Lines for the compiler's log.
#pragma once

#include <string>
#include <string_view>

#include "hhc/log_line.h"

namespace hhc {

// Code page 932 like every text the compiler side reads; a character without a form
// there becomes "?" rather than costing the line.
std::string ToLogText(std::string_view utf8);

}  // namespace hhc
