#include "tools/hhc/log_line.h"

#include <vector>

namespace hhc {

namespace {

bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// Where each character starts: a lead byte takes the byte after it along.
std::vector<bool> CharacterStarts(const std::string& bytes) {
    std::vector<bool> starts(bytes.size(), false);
    for (size_t i = 0; i < bytes.size(); ++i) {
        starts[i] = true;
        if (IsLeadByte(static_cast<unsigned char>(bytes[i])) && i + 1 < bytes.size()) ++i;
    }
    return starts;
}

}  // namespace

std::string Harmless(std::string line) {
    for (char& c : line)
        if (c == '\r' || c == '\n') c = ' ';  // never a trail byte in code page 932
    for (size_t at = line.find("Created"); at != std::string::npos; at = line.find("Created")) {
        if (CharacterStarts(line)[at]) {
            line[at] = 'c';
        } else {
            // The "C" ends a double-byte character: that character gives way to "?".
            line = line.substr(0, at - 1) + "?" + line.substr(at + 1);  // (replace() trips a GCC 12 warning)
        }
    }
    return line;
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
