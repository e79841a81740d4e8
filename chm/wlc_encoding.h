// Word location codes: for each word, the topics it is in and its places there, written as
// "scale and root" numbers (scale 2) packed into bits, most significant bit first.
#pragma once

#include <bit>
#include <cstdint>
#include <string>

namespace chm {

// The root sizes of the three kinds of numbers (topic index steps, counts, location steps).
struct WlcRoots {
    uint8_t topic = 1, count = 1, location = 1;
};

// Bits taken by `value` with the given root size.
uint32_t ScaleRootBits(uint32_t value, uint8_t root);

// Appends one word's hits to `out`: for each topic, ascending, Topic() and then Location() for
// each of its places, then Finish(); each topic's part ends on a byte boundary.
class WlcWriter {
public:
    WlcWriter(std::string& out, const WlcRoots& roots) : out_(out), roots_(roots) {}
    void Topic(uint32_t step, uint32_t location_count) {
        Finish();
        PutScaleRoot(step, roots_.topic);
        PutScaleRoot(location_count, roots_.count);
    }
    void Location(uint32_t step) { PutScaleRoot(step, roots_.location); }
    void Finish() {
        if (used_) out_.push_back(static_cast<char>(acc_ << (8 - used_)));
        acc_ = 0;
        used_ = 0;
    }

private:
    // A value whose bit length exceeds the root by p is written as p ones, a zero and its bits
    // below the top one; a smaller value as a zero and `root` bits.
    void PutScaleRoot(uint32_t value, uint8_t root) {
        unsigned length = static_cast<unsigned>(std::bit_width(value));
        if (length <= root) return Put(value, 1u + root);
        unsigned ones = length - root;
        Put(((uint64_t{1} << ones) - 1) << 1, ones + 1);
        Put(value & ((uint64_t{1} << (length - 1)) - 1), length - 1);
    }
    void Put(uint64_t bits, unsigned count) {  // the low `count` bits, high first; count <= 48
        acc_ = acc_ << count | bits;
        used_ += count;
        while (used_ >= 8) {
            used_ -= 8;
            out_.push_back(static_cast<char>(acc_ >> used_));
        }
    }

    std::string& out_;
    WlcRoots roots_;
    uint64_t acc_ = 0;
    unsigned used_ = 0;
};

// Picks the root sizes that make all the numbers it is told of smallest. A number's size
// depends on its bit length alone, so numbers are counted by bit length.
class WlcRootChooser {
public:
    void AddTopicStep(uint32_t step) { ++topic_[std::bit_width(step)]; }
    void AddCount(uint32_t count) { ++count_[std::bit_width(count)]; }
    void AddLocationStep(uint32_t step) { ++location_[std::bit_width(step)]; }
    // Counts by bit length add up: numbers counted apart choose as if counted together.
    WlcRootChooser& operator+=(const WlcRootChooser& other);
    WlcRoots Best() const;

private:
    static constexpr int kRoots = 16, kLengths = 33;
    uint64_t topic_[kLengths] = {}, count_[kLengths] = {}, location_[kLengths] = {};
};

}  // namespace chm
