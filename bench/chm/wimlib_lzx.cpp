#include "bench/chm/wimlib_lzx.h"

#include <wimlib.h>

#include <algorithm>

namespace bench {

WimlibLzx::WimlibLzx(unsigned level) : out_(kLzxInterval) {
    if (wimlib_create_compressor(WIMLIB_COMPRESSION_TYPE_LZX, kLzxInterval, level, &compressor_) != 0)
        compressor_ = nullptr;
}

WimlibLzx::~WimlibLzx() {
    if (compressor_) wimlib_free_compressor(compressor_);
}

size_t WimlibLzx::Compress(const char* data, size_t size) {
    size_t total = 0;
    for (size_t at = 0; at < size; at += kLzxInterval) {
        const size_t n = std::min(kLzxInterval, size - at);
        const size_t got = wimlib_compress(data + at, n, out_.data(), out_.size(), compressor_);
        total += got ? got : n;
    }
    return total;
}

size_t WimlibLzxSize(const std::string& data, unsigned level) {
    WimlibLzx lzx(level);
    return lzx.ok() ? lzx.Compress(data.data(), data.size()) : 0;
}

}  // namespace bench
