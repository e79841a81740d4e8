#include "hhc/log_text.h"

#include "hhc/codec.h"

namespace hhc {

std::string ToLogText(std::string_view utf8) {
    auto whole = Codec().ToAnsi(utf8);
    if (whole) return *whole;
    std::string out;
    for (size_t i = 0; i < utf8.size();) {
        auto lead = static_cast<unsigned char>(utf8[i]);
        size_t n = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 1;
        auto one = Codec().ToAnsi(utf8.substr(i, n));
        out += one ? *one : std::string("?");
        i += n;
    }
    return out;
}

}  // namespace hhc
