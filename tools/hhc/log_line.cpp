#include "tools/hhc/log_line.h"

namespace hhc {

std::string Harmless(std::string line) {
    for (size_t at = line.find("Created"); at != std::string::npos; at = line.find("Created", at)) line[at] = 'c';
    for (char& c : line)
        if (c == '\r' || c == '\n') c = ' ';
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
