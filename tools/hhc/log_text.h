// Lines for the compiler's log.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace hhc {

// Code page 932 like every text the compiler side reads; a character without a form
// there becomes "?" rather than costing the line.
std::string ToLogText(std::string_view utf8);

// For every line but the success line: the program takes "Created" anywhere in any line
// as success, and a path may well contain the word. Also keeps the line one line.
std::string Harmless(std::string line);

// 12345 -> "12,345".
std::string WithThousands(std::uint64_t n);

}  // namespace hhc
