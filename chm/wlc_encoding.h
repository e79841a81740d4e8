// Word location codes: for each word, the topics it is in and its places there, written as
// "scale and root" numbers (scale 2) packed into bits, most significant bit first.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace chm {

struct TopicHits {
    uint32_t topic = 0;                // index in #TOPICS
    std::vector<uint32_t> locations;   // word places in the topic, ascending
};

// The root sizes of the three kinds of numbers (topic index steps, counts, location steps).
struct WlcRoots {
    uint8_t topic = 1, count = 1, location = 1;
};

// Bits taken by `value` with the given root size.
uint32_t ScaleRootBits(uint32_t value, uint8_t root);

// The hits of one word, topics ascending; each topic's part ends on a byte boundary.
std::string EncodeWlc(const std::vector<TopicHits>& hits, const WlcRoots& roots);

// Picks the root sizes that make all the given hits smallest.
class WlcRootChooser {
public:
    void Add(const std::vector<TopicHits>& hits);
    WlcRoots Best() const;

private:
    static constexpr int kRoots = 16;
    uint64_t topic_bits_[kRoots] = {}, count_bits_[kRoots] = {}, location_bits_[kRoots] = {};
};

}  // namespace chm
