// Prose from a fixed vocabulary drawn with Zipf-like frequencies, so that a full-text index
// meets the long tail of rare words a real manual has, not a handful of repeated ones.
#pragma once

#include <cstddef>
#include <random>
#include <string>
#include <vector>

namespace bench {

class ZipfWords {
public:
    // `size` words; the word of rank r is drawn with weight 1 / r^exponent.
    explicit ZipfWords(size_t size = 40000, double exponent = 1.05);

    const std::string& Draw(std::mt19937& gen) const;
    // Words joined by blanks until the text holds about `bytes` bytes, as sentences.
    void AppendProse(std::string& out, size_t bytes, std::mt19937& gen) const;
    const std::string& operator[](size_t rank) const { return words_[rank]; }
    size_t size() const { return words_.size(); }

private:
    std::vector<std::string> words_;
    std::vector<double> cumulative_;
};

}  // namespace bench
