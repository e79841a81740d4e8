// The container's own structures: the ITSF file header and its header section 0, the ITSP
// directory header, and the LZX transform's control data and reset table.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "chm/directory.h"
#include "chm/layout.h"
#include "chm/lzx.h"

namespace chm {

inline constexpr uint32_t kItsfHeaderSize = 0x60;
inline constexpr uint32_t kHeaderSection0Size = 0x18;
inline constexpr uint32_t kItspHeaderSize = 0x54;
inline constexpr uint32_t kLzxFrameSize = 0x8000;

// Where the parts of the file lie, known once the directory and section 0 are laid out.
struct FilePlan {
    uint32_t language = 0;
    uint32_t timestamp = 0;
    uint64_t directory_offset = 0;
    uint64_t directory_size = 0;
    uint64_t content_offset = 0;
    uint64_t file_size = 0;
};

// The ITSF header followed by header section 0.
std::string ItsfHeader(const FilePlan& plan, FieldList* fields = nullptr);
std::string ItspHeader(const Directory& dir, FieldList* fields = nullptr);
std::string LzxControlData(FieldList* fields = nullptr);
std::string LzxResetTable(const std::vector<uint64_t>& frame_offsets, uint64_t uncompressed_size,
                          uint64_t compressed_size, FieldList* fields = nullptr);
inline std::string LzxResetTable(const LzxSection& lzx, FieldList* fields = nullptr) {
    return LzxResetTable(lzx.frame_offsets, lzx.uncompressed_size, lzx.bytes.size(), fields);
}

}  // namespace chm
