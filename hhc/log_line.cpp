#include "hhc/log_line.h"

#include <string_view>

namespace hhc {

namespace {

bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

}  // namespace

// One pass: a "Created" at a character's start loses its capital; one whose "C" ends a
// double-byte character takes that character along, which gives way to "?".
std::string Harmless(std::string line) {
    constexpr std::string_view word = "Created";
    std::string out;
    out.reserve(line.size());
    for (size_t i = 0; i < line.size();) {
        char c = line[i] == '\r' || line[i] == '\n' ? ' ' : line[i];  // never a trail byte in code page 932
        if (IsLeadByte(static_cast<unsigned char>(c)) && i + 1 < line.size()) {
            if (line.compare(i + 1, word.size(), word) == 0) {
                out += '?';
            } else {
                out += c;
                out += line[i + 1];
            }
            i += 2;
            continue;
        }
        out += line.compare(i, word.size(), word) == 0 ? 'c' : c;
        ++i;
    }
    return out;
}

std::string WithThousands(std::uint64_t n) {
    std::string digits = std::to_string(n);
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

}  // namespace hhc
