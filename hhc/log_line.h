// Log-line helpers that need no code-page converter, shared by hhc and hhc.exe.
#pragma once

#include <cstdint>
#include <string>

namespace hhc {

// For every line but the success line: the program takes the bytes "Created" anywhere in any
// line as success, and a path may well contain them, even across a double-byte character
// (イ is 83 43, and 43 is "C"). Works on the code page 932 bytes as written. Also keeps the
// line one line.
std::string Harmless(std::string cp932);

// 12345 -> "12,345".
std::string WithThousands(std::uint64_t n);

}  // namespace hhc
