// wimlib's LZX compressor on 64 KB intervals, the yardstick our compressor and hhc are set against.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct wimlib_compressor;

namespace bench {

constexpr size_t kLzxInterval = 65536;

// One compressor at one level, fed interval by interval; sizes add up across calls.
class WimlibLzx {
public:
    explicit WimlibLzx(unsigned level);
    ~WimlibLzx();
    WimlibLzx(const WimlibLzx&) = delete;
    WimlibLzx& operator=(const WimlibLzx&) = delete;

    bool ok() const { return compressor_ != nullptr; }
    // Compresses `data` cut every 64 KB; an interval it cannot shrink counts as stored.
    size_t Compress(const char* data, size_t size);

private:
    wimlib_compressor* compressor_ = nullptr;
    std::vector<char> out_;
};

// The raw stream's size for `data` at `level`; 0 when wimlib refuses the level.
size_t WimlibLzxSize(const std::string& data, unsigned level);

}  // namespace bench
