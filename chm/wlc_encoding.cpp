#include "chm/wlc_encoding.h"

namespace chm {

uint32_t ScaleRootBits(uint32_t value, uint8_t root) {
    unsigned length = static_cast<unsigned>(std::bit_width(value));
    return length <= root ? 1 + root : (length - root) + 1 + (length - 1);
}

WlcRootChooser& WlcRootChooser::operator+=(const WlcRootChooser& other) {
    for (int length = 0; length < kLengths; ++length) {
        topic_[length] += other.topic_[length];
        count_[length] += other.count_[length];
        location_[length] += other.location_[length];
    }
    return *this;
}

WlcRoots WlcRootChooser::Best() const {
    auto best = [](const uint64_t (&by_length)[kLengths]) {
        uint64_t bits[kRoots] = {};
        for (int r = 0; r < kRoots; ++r)
            for (int length = 0; length < kLengths; ++length) {
                uint32_t one = ScaleRootBits(length ? uint32_t{1} << (length - 1) : 0, static_cast<uint8_t>(r));
                bits[r] += by_length[length] * one;
            }
        int r = 1;  // what a reader of an empty index expects
        for (int i = 0; i < kRoots; ++i)
            if (bits[i] < bits[r]) r = i;
        return static_cast<uint8_t>(r);
    };
    return {best(topic_), best(count_), best(location_)};
}

}  // namespace chm
