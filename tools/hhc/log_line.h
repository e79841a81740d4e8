// Log-line helpers that need no code-page converter, shared by hhc and hhc.exe.
#pragma once

#include <cstdint>
#include <string>

namespace hhc {

// For every line but the success line: the program takes "Created" anywhere in any line
// as success, and a path may well contain the word. Also keeps the line one line.
std::string Harmless(std::string line);

// 12345 -> "12,345".
std::string WithThousands(std::uint64_t n);

}  // namespace hhc
