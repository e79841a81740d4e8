#include "bench/hhc/zipf_words.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <set>

namespace bench {

namespace {

// The commonest words are real ones; the tail is made of syllables, like the identifiers and
// jargon of a reference manual.
const char* const kCommon[] = {
    "the", "of", "to", "and", "a", "in", "is", "it", "that", "for", "returns", "value", "this", "with",
    "as", "be", "on", "by", "function", "if", "not", "are", "from", "or", "an", "object", "which", "when",
    "pointer", "buffer", "list", "size", "string", "set", "called", "must", "file", "can", "used", "each",
    "new", "data", "type", "error", "number", "default", "may", "all", "one", "first"};
const char* const kSyllables[] = {"ka", "ren", "to", "mi", "sor", "al", "ex", "tri", "vo", "lu", "dan", "pe",
                                  "qu", "is", "ber", "na", "gra", "phi", "om", "set", "ul", "cre", "zon", "ty"};

}  // namespace

ZipfWords::ZipfWords(size_t size, double exponent) {
    std::set<std::string> seen;
    for (const char* w : kCommon) {
        words_.push_back(w);
        seen.insert(w);
    }
    std::mt19937 gen(7);
    while (words_.size() < size) {
        std::string w;
        const int parts = 1 + static_cast<int>(gen() % 4);
        for (int i = 0; i < parts; ++i) w += kSyllables[gen() % std::size(kSyllables)];
        if (gen() % 9 == 0) w += std::to_string(gen() % 100);
        if (seen.insert(w).second) words_.push_back(w);
    }
    double sum = 0;
    for (size_t r = 1; r <= words_.size(); ++r) cumulative_.push_back(sum += 1 / std::pow(double(r), exponent));
    for (double& c : cumulative_) c /= sum;
}

const std::string& ZipfWords::Draw(std::mt19937& gen) const {
    const double u = std::uniform_real_distribution<double>(0, 1)(gen);
    const size_t at = static_cast<size_t>(std::lower_bound(cumulative_.begin(), cumulative_.end(), u) - cumulative_.begin());
    return words_[std::min(at, words_.size() - 1)];
}

void ZipfWords::AppendProse(std::string& out, size_t bytes, std::mt19937& gen) const {
    const size_t end = out.size() + bytes;
    bool start = true;
    while (out.size() < end) {
        const std::string& w = Draw(gen);
        if (start && !w.empty()) {
            out += static_cast<char>(std::toupper(static_cast<unsigned char>(w[0])));
            out.append(w, 1);
        } else {
            out += w;
        }
        start = gen() % 12 == 0;
        out += start ? ". " : " ";
    }
}

}  // namespace bench
