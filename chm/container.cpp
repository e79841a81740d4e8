#include "chm/container.h"

#include <algorithm>

#include "chm/bytes.h"
#include "chm/container_headers.h"
#include "chm/lzx.h"
#include "chm/names.h"

namespace chm {
namespace {

const std::string kPrefix = "::DataSpace/Storage/MSCompressed/";
const std::string kInstanceData = kPrefix + "Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/";

std::string Utf16(std::string_view ascii) {
    std::string out;
    for (char c : ascii) PutU16(out, static_cast<unsigned char>(c));
    return out;
}

std::string NameList() {
    std::string out;
    Layout list(out);
    list.U16("list size, in 16-bit units", 30).U16("name count", 2);
    for (std::string_view name : {"Uncompressed", "MSCompressed"})
        list.U16("name length", static_cast<uint32_t>(name.size())).Bytes("name, UTF-16", Utf16(name)).U16("terminator", 0);
    return out;
}

// The transform list holds the LZX transform's GUID; the format's own writer stores only its
// first 19 characters, and readers expect those 38 bytes.
std::string TransformList() { return Utf16("{7FC28940-9D31-11D0"); }

// The spilled section goes to `out` in pieces of this size.
constexpr size_t kCopyPiece = size_t{1} << 20;

tess::Error WriteFailed() { return tess::Error{"The compiled file could not be written."}; }

}  // namespace

Container::Container(std::iostream& spill, SectionStreamOptions section)
    : spill_(spill), spill_start_(spill.tellp()), stopped_(section.stopped), section1_(spill, std::move(section)) {
    if (spill_start_ == std::streampos(-1)) spill_start_ = 0;
}

tess::Status Container::AddCompressed(std::string_view name, std::string_view bytes) {
    if (bytes.empty()) {
        entries_.push_back({std::string(name), 0, 0, 0});
        return {};
    }
    entries_.push_back({std::string(name), 1, section1_.size(), bytes.size()});
    return section1_.Append(bytes);
}

tess::Status Container::AddCompressed(std::string_view name, std::istream& in) {
    in.clear();
    if (!in.seekg(0)) return tess::Error{"The work file of " + std::string(name) + " cannot be read."};
    BeginCompressed(name);
    std::string piece(size_t{1} << 20, '\0');
    while (in.read(piece.data(), static_cast<std::streamsize>(piece.size())) || in.gcount() > 0) {
        if (auto added = AppendCompressed(std::string_view(piece).substr(0, static_cast<size_t>(in.gcount()))); !added)
            return added;
        if (in.eof()) break;
    }
    if (in.bad()) return tess::Error{"The work file of " + std::string(name) + " cannot be read."};
    EndCompressed();
    return {};
}

void Container::BeginCompressed(std::string_view name) { entries_.push_back({std::string(name), 1, section1_.size(), 0}); }

void Container::EndCompressed() {
    DirectoryEntry& entry = entries_.back();
    entry.length = section1_.size() - entry.offset;
    if (entry.length == 0) entry.section = 0, entry.offset = 0;
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

tess::Status Container::Finish(std::ostream& out, uint32_t language, uint32_t timestamp) {
    if (auto ok = section1_.Finish(); !ok) return ok;
    if (stopped_ && stopped_()) return tess::Error{"The compilation was stopped."};
    const uint64_t compressed_size = section1_.compressed_size();

    // Section 0: the data space files, the uncompressed files, then the compressed stream.
    std::string section0;
    auto put = [&](const std::string& name, const std::string& bytes) {
        entries_.push_back({name, 0, section0.size(), bytes.size()});
        section0 += bytes;
    };
    put("::DataSpace/NameList", NameList());
    put(kPrefix + "Transform/List", TransformList());
    std::string span;
    PutU64(span, section1_.size());
    put(kPrefix + "SpanInfo", span);
    put(kPrefix + "ControlData", LzxControlData());
    put(kInstanceData + "ResetTable", LzxResetTable(section1_.frame_offsets(), section1_.size(), compressed_size));
    for (size_t i : section0_entries_) entries_[i].offset += section0.size();
    section0 += section0_files_;
    entries_.push_back({kPrefix + "Content", 0, section0.size(), compressed_size});
    entries_.push_back({kInstanceData, 0, 0, 0});
    entries_.push_back({"/", 0, 0, 0});

    std::sort(entries_.begin(), entries_.end(),
              [](const DirectoryEntry& a, const DirectoryEntry& b) { return NameLess(a.name, b.name); });
    Directory dir = BuildDirectory(entries_);

    uint64_t directory_offset = kItsfHeaderSize + kHeaderSection0Size;
    uint64_t directory_size = kItspHeaderSize + dir.chunks.size();
    uint64_t content_offset = directory_offset + directory_size;
    uint64_t file_size = content_offset + section0.size() + compressed_size;

    for (const std::string& part :
         {ItsfHeader({language, timestamp, directory_offset, directory_size, content_offset, file_size}),
          ItspHeader(dir), dir.chunks, section0})
        out.write(part.data(), static_cast<std::streamsize>(part.size()));
    if (!out) return WriteFailed();

    spill_.seekg(spill_start_);
    std::string piece(static_cast<size_t>(std::min<uint64_t>(kCopyPiece, compressed_size)), '\0');
    for (uint64_t left = compressed_size; left > 0;) {
        const auto n = static_cast<std::streamsize>(std::min<uint64_t>(left, piece.size()));
        if (!spill_.read(piece.data(), n)) return tess::Error{"The compressed data could not be read back from the spill file."};
        out.write(piece.data(), n);
        if (!out) return WriteFailed();
        left -= static_cast<uint64_t>(n);
    }
    out.flush();
    if (!out) return WriteFailed();
    return {};
}

}  // namespace chm
