// The LZX bit stream: 16-bit little-endian words, each filled from its most significant bit.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace chm {

class LzxBitWriter {
public:
    explicit LzxBitWriter(std::string& out) : out_(out) {}

    // Writes the low `count` bits of `value` (count <= 32), most significant first.
    void Put(uint32_t value, int count) {
        // Two words leave at once, so most calls take no branch but this one.
        if (pending_ >= 32) FlushPair();
        acc_ = (acc_ << count) | (value & ((uint64_t{1} << count) - 1));
        pending_ += count;
    }

    // Fills the current word with zero bits; the readers expect this at every frame end.
    void AlignTo16() {
        if (pending_ % 16 != 0) Put(0, 16 - pending_ % 16);
        FlushWords();
    }

    bool Aligned() const { return pending_ % 16 == 0; }

    // Raw bytes of an uncompressed block; only between aligned words.
    void PutByte(uint8_t byte) {
        FlushWords();
        out_.push_back(static_cast<char>(byte));
    }
    void PutBytes(std::string_view bytes) {
        FlushWords();
        out_.append(bytes);
    }
    void PutLe32(uint32_t v) {
        FlushWords();
        for (int i = 0; i < 4; ++i) out_.push_back(static_cast<char>(v >> (8 * i)));
    }

    // The bytes of the whole words written so far.
    size_t ByteSize() const { return out_.size() + pending_ / 16 * 2; }

private:
    void FlushPair() {
        pending_ -= 32;
        const auto pair = static_cast<uint32_t>(acc_ >> pending_);
        const char bytes[4] = {static_cast<char>(pair >> 16), static_cast<char>(pair >> 24), static_cast<char>(pair),
                               static_cast<char>(pair >> 8)};
        out_.append(bytes, 4);
    }
    void FlushWords() {
        while (pending_ >= 16) {
            pending_ -= 16;
            const auto word = static_cast<uint16_t>(acc_ >> pending_);
            out_.push_back(static_cast<char>(word));
            out_.push_back(static_cast<char>(word >> 8));
        }
    }

    std::string& out_;
    uint64_t acc_ = 0;  // the low `pending_` bits are unwritten; those above are stale
    int pending_ = 0;
};

}  // namespace chm
