// Loads and hashes that the chain and the trees of the match finder share.
#pragma once
#include <cstdint>
#include <cstring>

#include "chm/lzx_tunables.h"

namespace chm::lzx_hashing {

// For comparing only: the byte order does not matter.
inline uint32_t Load32(const char* p) {
    uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}
inline uint16_t Load16(const char* p) {
    uint16_t v;
    std::memcpy(&v, p, 2);
    return v;
}
// For hashing: the same value on every machine, so the output is too.
inline uint32_t Le32(const char* p) {
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return uint32_t{u[0]} | uint32_t{u[1]} << 8 | uint32_t{u[2]} << 16 | uint32_t{u[3]} << 24;
}
inline uint32_t Hash2(uint32_t v) { return ((v & 0xFFFF) * 0x1E35A7BDu) >> (32 - lzx_tunables::kHash2Bits); }
inline uint32_t Hash3(uint32_t v) { return ((v & 0xFFFFFF) * 0x1E35A7BDu) >> (32 - lzx_tunables::kHash3Bits); }
inline uint32_t Hash4Of(uint64_t v) {
    return static_cast<uint32_t>((v * 0x9E3779B97F4A7C15ull) >> (64 - lzx_tunables::kHash4Bits));
}

}  // namespace chm::lzx_hashing
