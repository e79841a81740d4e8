// LZX compression as the MSCompressed section of a compiled help file holds it.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "chm/lzx_tunables.h"
namespace chm {
struct LzxSection {
    std::string bytes;                    // the compressed stream
    std::vector<uint64_t> frame_offsets;  // where each 32 KB frame starts in `bytes` (first is 0)
    uint64_t uncompressed_size = 0;       // the true length of the input
};
// Window 64 KB, the state reset every 64 KB (two frames), 32 KB frames, E8 translation off.
// The reset intervals are independent, so they are compressed on `threads` threads (0: one
// per core). Deterministic: the same input gives the same bytes, whatever the thread count.
// `level` (lzx_tunables.h lists what each trades) picks speed or size, one past either end
// being the nearest; every level is read alike.
// `stopped`, when given, is asked between reset intervals; once it says yes the section ends
// unfinished, and is not to be stored.
LzxSection CompressLzx(std::string_view data, unsigned threads = 0, const std::function<bool()>& stopped = {},
                       int level = lzx_tunables::kDefaultLevel);
}
