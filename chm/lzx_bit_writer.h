// The LZX bit stream: 16-bit little-endian words, each filled from its most significant bit.
#pragma once
#include <cstdint>
#include <string>

namespace chm {

class LzxBitWriter {
public:
    explicit LzxBitWriter(std::string& out) : out_(out) {}

    // Writes the low `count` bits of `value` (count <= 32), most significant first.
    void Put(uint32_t value, int count) {
        if (count == 0) return;
        acc_ = (acc_ << count) | (value & ((uint64_t{1} << count) - 1));
        pending_ += count;
        while (pending_ >= 16) {
            pending_ -= 16;
            const auto word = static_cast<uint16_t>(acc_ >> pending_);
            out_.push_back(static_cast<char>(word & 0xFF));
            out_.push_back(static_cast<char>(word >> 8));
        }
        acc_ &= (uint64_t{1} << pending_) - 1;
    }

    // Fills the current word with zero bits; the readers expect this at every frame end.
    void AlignTo16() {
        if (pending_ > 0) Put(0, 16 - pending_);
    }

    bool Aligned() const { return pending_ == 0; }

    // Raw bytes of an uncompressed block; only between aligned words.
    void PutByte(uint8_t byte) { out_.push_back(static_cast<char>(byte)); }
    void PutLe32(uint32_t v) {
        for (int i = 0; i < 4; ++i) PutByte(static_cast<uint8_t>(v >> (8 * i)));
    }

    size_t ByteSize() const { return out_.size(); }

private:
    std::string& out_;
    uint64_t acc_ = 0;
    int pending_ = 0;
};

}  // namespace chm
