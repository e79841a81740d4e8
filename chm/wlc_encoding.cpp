#include "chm/wlc_encoding.h"

namespace chm {
namespace {

unsigned BitLength(uint32_t v) {
    unsigned n = 0;
    while (v) ++n, v >>= 1;
    return n;
}

class BitWriter {
public:
    explicit BitWriter(std::string& out) : out_(out) {}
    void Put(uint32_t bits, unsigned count) {  // the low `count` bits of `bits`, high first
        while (count--) {
            byte_ = static_cast<uint8_t>(byte_ << 1 | ((bits >> count) & 1));
            if (++used_ == 8) Flush();
        }
    }
    void Flush() {
        if (!used_) return;
        out_.push_back(static_cast<char>(byte_ << (8 - used_)));
        byte_ = 0;
        used_ = 0;
    }

private:
    std::string& out_;
    uint8_t byte_ = 0;
    unsigned used_ = 0;
};

// A value whose bit length exceeds the root by p is written as p ones, a zero and its bits
// below the top one; a smaller value as a zero and `root` bits.
void PutScaleRoot(BitWriter& bits, uint32_t value, uint8_t root) {
    unsigned length = BitLength(value);
    if (length <= root) {
        bits.Put(0, 1);
        bits.Put(value, root);
        return;
    }
    for (unsigned p = length - root; p; --p) bits.Put(1, 1);
    bits.Put(0, 1);
    bits.Put(value, length - 1);
}

}  // namespace

uint32_t ScaleRootBits(uint32_t value, uint8_t root) {
    unsigned length = BitLength(value);
    return length <= root ? 1 + root : (length - root) + 1 + (length - 1);
}

std::string EncodeWlc(const std::vector<TopicHits>& hits, const WlcRoots& roots) {
    std::string out;
    BitWriter bits(out);
    uint32_t last_topic = 0;
    for (const auto& h : hits) {
        PutScaleRoot(bits, h.topic - last_topic, roots.topic);
        last_topic = h.topic;
        PutScaleRoot(bits, static_cast<uint32_t>(h.locations.size()), roots.count);
        uint32_t last = 0;
        for (uint32_t loc : h.locations) {
            PutScaleRoot(bits, loc - last, roots.location);
            last = loc;
        }
        bits.Flush();
    }
    return out;
}

void WlcRootChooser::Add(const std::vector<TopicHits>& hits) {
    uint32_t last_topic = 0;
    for (const auto& h : hits) {
        uint32_t last = 0;
        for (int r = 0; r < kRoots; ++r) {
            topic_bits_[r] += ScaleRootBits(h.topic - last_topic, static_cast<uint8_t>(r));
            count_bits_[r] += ScaleRootBits(static_cast<uint32_t>(h.locations.size()), static_cast<uint8_t>(r));
        }
        for (uint32_t loc : h.locations) {
            for (int r = 0; r < kRoots; ++r) location_bits_[r] += ScaleRootBits(loc - last, static_cast<uint8_t>(r));
            last = loc;
        }
        last_topic = h.topic;
    }
}

WlcRoots WlcRootChooser::Best() const {
    auto best = [](const uint64_t (&bits)[kRoots]) {
        int r = 1;  // what a reader of an empty index expects
        for (int i = 0; i < kRoots; ++i)
            if (bits[i] < bits[r]) r = i;
        return static_cast<uint8_t>(r);
    };
    return {best(topic_bits_), best(count_bits_), best(location_bits_)};
}

}  // namespace chm
