#include "chm/container_headers.h"

namespace chm {
namespace {

const uint8_t kItsfGuidTail[8] = {0x9E, 0x0C, 0x00, 0xA0, 0xC9, 0x22, 0xE6, 0xEC};
const uint8_t kItspGuidTail[8] = {0x9D, 0xF9, 0x00, 0xA0, 0xC9, 0x22, 0xE6, 0xEC};
constexpr uint32_t kResetTableHeaderSize = 0x28;

}  // namespace

std::string ItsfHeader(const FilePlan& p, FieldList* fields) {
    std::string out;
    Layout(out, fields)
        .Bytes("signature", "ITSF")
        .U32("version", 3)
        .U32("header size", kItsfHeaderSize)
        .U32("unknown, always observed to be 1", 1)
        // Microsoft's compiler stores the time big-endian; no reader interprets it.
        .U32BigEndian("timestamp", p.timestamp)
        .U32("language", p.language)
        .Guid("header GUID 1", 0x7C01FD10, 0x7BAA, 0x11D0, kItsfGuidTail)
        .Guid("header GUID 2", 0x7C01FD11, 0x7BAA, 0x11D0, kItsfGuidTail)  // libmspack checks both
        .U64("header section 0 offset", kItsfHeaderSize)
        .U64("header section 0 size", kHeaderSection0Size)
        .U64("directory offset", p.directory_offset)
        .U64("directory size", p.directory_size)
        .U64("content section 0 offset", p.content_offset);
    FieldList section0;
    Layout(out, fields ? &section0 : nullptr)
        .U32("unknown, always observed to be 0x1FE", 0x01FE)
        .U32("unknown, always observed to be 0", 0)
        .U64("file size", p.file_size)
        .U32("unknown, always observed to be 0 (a)", 0)
        .U32("unknown, always observed to be 0 (b)", 0);
    for (auto& f : section0) {
        f.name = "section 0: " + f.name;
        f.offset += kItsfHeaderSize;
        fields->push_back(std::move(f));
    }
    return out;
}

std::string ItspHeader(const Directory& dir, FieldList* fields) {
    std::string out;
    Layout(out, fields)
        .Bytes("signature", "ITSP")
        .U32("version", 1)
        .U32("header size", kItspHeaderSize)
        .U32("unknown, always observed to be 10", 10)
        .U32("chunk size", kChunkSize)
        .U32("quick reference density", kQuickRefDensity)
        .U32("index depth", dir.depth)
        .U32("root index chunk, -1 for none", static_cast<uint32_t>(dir.index_root))
        .U32("first listing chunk", 0)
        .U32("last listing chunk", dir.last_listing)
        .U32("unknown, always observed to be -1", 0xFFFFFFFFu)
        .U32("chunk count", dir.chunk_count)
        .U32("directory language, 0x409 in every file observed", 0x409)
        .Guid("directory GUID", 0x5D02926A, 0x212E, 0x11D0, kItspGuidTail)
        .U32("header size again", kItspHeaderSize)
        .U32("unknown, always observed to be -1 (a)", 0xFFFFFFFFu)
        .U32("unknown, always observed to be -1 (b)", 0xFFFFFFFFu)
        .U32("unknown, always observed to be -1 (c)", 0xFFFFFFFFu);
    return out;
}

// LZXC version 2: reset every 2 frames of 32 KB, a 64 KB window, one window per reset.
std::string LzxControlData(FieldList* fields) {
    std::string out;
    Layout(out, fields)
        .U32("dwords after this one", 6)
        .Bytes("signature", "LZXC")
        .U32("version", 2)
        .U32("reset interval, in 32 KB units", 2)
        .U32("window size, in 32 KB units", 2)
        .U32("cache size, in windows", 1)
        .U32("unknown, always observed to be 0", 0);
    return out;
}

std::string LzxResetTable(const std::vector<uint64_t>& frame_offsets, uint64_t uncompressed_size,
                          uint64_t compressed_size, FieldList* fields) {
    std::string out;
    Layout table(out, fields);
    table.U32("version", 2)
        // 7-Zip checks this count against the uncompressed size.
        .U32("entry count", static_cast<uint32_t>(frame_offsets.size()))
        .U32("entry size", 8)
        .U32("header size", kResetTableHeaderSize)
        .U64("uncompressed size", uncompressed_size)
        .U64("compressed size", compressed_size)
        .U64("frame size", kLzxFrameSize);
    for (uint64_t offset : frame_offsets) table.U64("frame offset", offset);
    return out;
}

}  // namespace chm
