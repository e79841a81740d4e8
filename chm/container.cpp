#include "chm/container.h"

#include <algorithm>

#include "chm/bytes.h"
#include "chm/lzx.h"
#include "chm/names.h"

namespace chm {
namespace {

constexpr uint32_t kItsfHeaderSize = 0x60;
constexpr uint32_t kHeaderSection0Size = 0x18;
constexpr uint32_t kItspHeaderSize = 0x54;
constexpr uint32_t kFrameSize = 0x8000;
constexpr uint32_t kResetTableHeaderSize = 0x28;

const std::string kPrefix = "::DataSpace/Storage/MSCompressed/";
const std::string kInstanceData = kPrefix + "Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/";

void PutUtf16(std::string& out, std::string_view ascii) {
    for (char c : ascii) PutU16(out, static_cast<unsigned char>(c));
}

std::string NameList() {
    std::string out;
    PutU16(out, 30);  // length of the whole list in 16-bit units
    PutU16(out, 2);
    for (std::string_view name : {"Uncompressed", "MSCompressed"}) {
        PutU16(out, static_cast<uint32_t>(name.size()));
        PutUtf16(out, name);
        PutU16(out, 0);
    }
    return out;
}

// The transform list holds the LZX transform's GUID; the format's own writer stores only its
// first 19 characters, and readers expect those 38 bytes.
std::string TransformList() {
    std::string out;
    PutUtf16(out, "{7FC28940-9D31-11D0");
    return out;
}

// LZXC version 2: reset every 2 frames of 32 KB, a 64 KB window, one window per reset.
std::string ControlData() {
    std::string out;
    PutU32(out, 6);
    out += "LZXC";
    PutU32(out, 2);
    PutU32(out, 2);
    PutU32(out, 2);
    PutU32(out, 1);
    PutU32(out, 0);
    return out;
}

std::string ResetTable(const LzxSection& lzx) {
    std::string out;
    PutU32(out, 2);
    PutU32(out, static_cast<uint32_t>(lzx.frame_offsets.size()));
    PutU32(out, 8);
    PutU32(out, kResetTableHeaderSize);
    PutU64(out, lzx.uncompressed_size);
    PutU64(out, lzx.bytes.size());
    PutU64(out, kFrameSize);
    for (uint64_t offset : lzx.frame_offsets) PutU64(out, offset);
    return out;
}

const uint8_t kItsfGuidTail[8] = {0x9E, 0x0C, 0x00, 0xA0, 0xC9, 0x22, 0xE6, 0xEC};
const uint8_t kItspGuidTail[8] = {0x9D, 0xF9, 0x00, 0xA0, 0xC9, 0x22, 0xE6, 0xEC};

}  // namespace

void Container::AddCompressed(std::string_view name, std::string_view bytes) {
    if (bytes.empty()) {
        entries_.push_back({std::string(name), 0, 0, 0});
        return;
    }
    entries_.push_back({std::string(name), 1, section1_.size(), bytes.size()});
    section1_.append(bytes);
}

void Container::AddUncompressed(std::string_view name, std::string_view bytes) {
    if (bytes.empty()) {
        entries_.push_back({std::string(name), 0, 0, 0});
        return;
    }
    section0_entries_.push_back(entries_.size());
    entries_.push_back({std::string(name), 0, section0_files_.size(), bytes.size()});
    section0_files_.append(bytes);
}

void Container::AddFolder(std::string_view name) { entries_.push_back({std::string(name), 0, 0, 0}); }

std::string Container::Finish(uint32_t language, uint32_t timestamp, const std::function<bool()>& stopped) {
    LzxSection lzx = CompressLzx(section1_, stopped);

    // Section 0: the data space files, the uncompressed files, then the compressed stream.
    std::string section0;
    auto put = [&](const std::string& name, const std::string& bytes) {
        entries_.push_back({name, 0, section0.size(), bytes.size()});
        section0 += bytes;
    };
    put("::DataSpace/NameList", NameList());
    put(kPrefix + "Transform/List", TransformList());
    std::string span;
    PutU64(span, lzx.uncompressed_size);
    put(kPrefix + "SpanInfo", span);
    put(kPrefix + "ControlData", ControlData());
    put(kInstanceData + "ResetTable", ResetTable(lzx));
    for (size_t i : section0_entries_) entries_[i].offset += section0.size();
    section0 += section0_files_;
    entries_.push_back({kPrefix + "Content", 0, section0.size(), lzx.bytes.size()});
    entries_.push_back({kInstanceData, 0, 0, 0});
    entries_.push_back({"/", 0, 0, 0});

    std::sort(entries_.begin(), entries_.end(),
              [](const DirectoryEntry& a, const DirectoryEntry& b) { return NameLess(a.name, b.name); });
    Directory dir = BuildDirectory(entries_);

    uint64_t directory_offset = kItsfHeaderSize + kHeaderSection0Size;
    uint64_t directory_size = kItspHeaderSize + dir.chunks.size();
    uint64_t content_offset = directory_offset + directory_size;
    uint64_t file_size = content_offset + section0.size() + lzx.bytes.size();

    std::string out;
    out.reserve(file_size);
    out += "ITSF";
    PutU32(out, 3);
    PutU32(out, kItsfHeaderSize);
    PutU32(out, 1);
    PutU32BigEndian(out, timestamp);
    PutU32(out, language);
    PutGuid(out, 0x7C01FD10, 0x7BAA, 0x11D0, kItsfGuidTail);
    PutGuid(out, 0x7C01FD11, 0x7BAA, 0x11D0, kItsfGuidTail);
    PutU64(out, kItsfHeaderSize);
    PutU64(out, kHeaderSection0Size);
    PutU64(out, directory_offset);
    PutU64(out, directory_size);
    PutU64(out, content_offset);

    PutU32(out, 0x01FE);
    PutU32(out, 0);
    PutU64(out, file_size);
    PutU32(out, 0);
    PutU32(out, 0);

    out += "ITSP";
    PutU32(out, 1);
    PutU32(out, kItspHeaderSize);
    PutU32(out, 10);
    PutU32(out, kChunkSize);
    PutU32(out, kQuickRefDensity);
    PutU32(out, dir.depth);
    PutU32(out, static_cast<uint32_t>(dir.index_root));
    PutU32(out, 0);
    PutU32(out, dir.last_listing);
    PutU32(out, 0xFFFFFFFFu);
    PutU32(out, dir.chunk_count);
    PutU32(out, 0x409);  // the directory's own language, the same in every file
    PutGuid(out, 0x5D02926A, 0x212E, 0x11D0, kItspGuidTail);
    PutU32(out, kItspHeaderSize);
    for (int i = 0; i < 3; ++i) PutU32(out, 0xFFFFFFFFu);

    out += dir.chunks;
    out += section0;
    out += lzx.bytes;
    return out;
}

}  // namespace chm
