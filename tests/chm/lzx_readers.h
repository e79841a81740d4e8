// Two independent LZX readers, driven as compiled help file viewers drive them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "chm/lzx.h"

struct Decoded {
    std::string bytes;
    std::string error;  // empty when the reader succeeded
};

// libmspack's lzxd, fed from frame `first_frame` (a reset point) on. `output_length` is what the
// reader is told the stream holds from there, `wanted` how many bytes are asked for.
Decoded DecodeWithLibmspack(const chm::LzxSection& section, size_t first_frame, uint64_t output_length,
                            uint64_t wanted);

// chmlib's LZX, frame by frame from a reset point, each frame given exactly its compressed bytes.
Decoded DecodeWithChmlib(const chm::LzxSection& section, size_t first_frame, size_t frame_count);
