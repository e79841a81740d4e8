// Little-endian and variable-length integers as the compiled help format stores them.
#pragma once

#include <cstdint>
#include <string>

namespace chm {

inline void PutU16(std::string& out, uint32_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

inline void PutU32(std::string& out, uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

inline void PutU64(std::string& out, uint64_t v) {
    PutU32(out, static_cast<uint32_t>(v));
    PutU32(out, static_cast<uint32_t>(v >> 32));
}

inline void PutU32BigEndian(std::string& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

// Seven bits a byte, most significant group first, the high bit set on all but the last.
inline void PutEncInt(std::string& out, uint64_t v) {
    char groups[10];
    int n = 0;
    do {
        groups[n++] = static_cast<char>(v & 0x7F);
        v >>= 7;
    } while (v);
    while (n > 1) out.push_back(static_cast<char>(groups[--n] | 0x80));
    out.push_back(groups[0]);
}

inline size_t EncIntSize(uint64_t v) {
    size_t n = 1;
    while (v >>= 7) ++n;
    return n;
}

// A GUID in its stored order: the first three fields little-endian, the last eight bytes as written.
inline void PutGuid(std::string& out, uint32_t a, uint16_t b, uint16_t c, const uint8_t (&d)[8]) {
    PutU32(out, a);
    PutU16(out, b);
    PutU16(out, c);
    for (uint8_t x : d) out.push_back(static_cast<char>(x));
}

}  // namespace chm
