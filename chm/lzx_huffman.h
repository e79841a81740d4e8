// Length-limited canonical Huffman codes, as LZX trees transmit them (lengths only).
#pragma once
#include <cstddef>
#include <cstdint>

namespace chm {

// Code lengths for symbols of the given frequencies, none longer than `max_bits`. The code is
// always complete: one used symbol gets a partner, as strict readers reject a partial tree.
// No used symbol at all gives all zero lengths. `count` is 2 to 512, as in every LZX tree.
void BuildCodeLengths(const uint32_t* freq, size_t count, int max_bits, uint8_t* lengths);

// The canonical codes of these lengths: shorter codes first, then by symbol.
void BuildCanonicalCodes(const uint8_t* lengths, size_t count, uint16_t* codes);

}  // namespace chm
