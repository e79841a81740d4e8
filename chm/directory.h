// The directory of a compiled file: listing chunks (PMGL) and, over them, index chunks (PMGI).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace chm {

struct DirectoryEntry {
    std::string name;
    uint32_t section = 0;  // 0 uncompressed, 1 compressed
    uint64_t offset = 0;
    uint64_t length = 0;
};

struct Directory {
    std::string chunks;       // all chunks, kChunkSize bytes each
    uint32_t chunk_count = 0;
    uint32_t depth = 1;       // 1: listing chunks only; +1 for each level of index chunks
    int32_t index_root = -1;  // the top index chunk, -1 when there is none
    uint32_t last_listing = 0;
};

inline constexpr uint32_t kChunkSize = 4096;
inline constexpr uint32_t kQuickRefDensity = 2;  // a quick reference every 1 + 2^2 entries

// `entries` must be sorted with NameLess and hold no two equal names.
Directory BuildDirectory(const std::vector<DirectoryEntry>& entries);

}  // namespace chm
