#include "chm/directory.h"

#include <string_view>

#include "chm/bytes.h"
#include "chm/layout.h"

namespace chm {
namespace {

constexpr uint32_t kEvery = 1 + (1u << kQuickRefDensity);
constexpr uint32_t kListingHeader = 20;
constexpr uint32_t kIndexHeader = 8;

// Fills chunks of one kind with already encoded entries; closes a chunk when the next entry,
// its quick reference and the entry count would no longer fit.
class ChunkFiller {
public:
    ChunkFiller(uint32_t header_size, bool listing) : header_size_(header_size), listing_(listing) {}

    // Returns true when the entry starts a new chunk.
    bool Add(std::string_view encoded) {
        bool fresh = body_.empty() && offsets_.empty();
        if (!fresh && !Fits(encoded.size())) {
            Close();
            fresh = true;
        }
        offsets_.push_back(static_cast<uint32_t>(body_.size()));
        body_.append(encoded);
        return fresh;
    }

    void Close() {
        if (offsets_.empty()) return;
        Chunk c;
        c.body = std::move(body_);
        c.offsets = std::move(offsets_);
        done_.push_back(std::move(c));
        body_.clear();
        offsets_.clear();
    }

    size_t size() const { return done_.size(); }

    // Writes the chunks; listing chunks are linked to their neighbours.
    void Write(std::string& out, uint32_t first_number) const {
        for (size_t i = 0; i < done_.size(); ++i) {
            const Chunk& c = done_[i];
            size_t start = out.size();
            uint32_t free_space = kChunkSize - header_size_ - static_cast<uint32_t>(c.body.size());
            Layout header(out);
            header.Bytes("signature", listing_ ? "PMGL" : "PMGI").U32("free space at the chunk's end", free_space);
            if (listing_) {
                header.U32("unknown, always observed to be 0", 0)
                    .U32("previous listing chunk, -1 for none",
                         i == 0 ? 0xFFFFFFFFu : first_number + static_cast<uint32_t>(i) - 1)
                    .U32("next listing chunk, -1 for none",
                         i + 1 == done_.size() ? 0xFFFFFFFFu : first_number + static_cast<uint32_t>(i) + 1);
            }
            out += c.body;
            out.resize(start + kChunkSize, '\0');
            // Quick references run backwards from the entry count at the chunk's end.
            size_t end = start + kChunkSize;
            auto put16 = [&](size_t at, uint32_t v) {
                out[at] = static_cast<char>(v & 0xFF);
                out[at + 1] = static_cast<char>(v >> 8);
            };
            put16(end - 2, static_cast<uint32_t>(c.offsets.size()));
            for (size_t k = 1; k * kEvery < c.offsets.size(); ++k) put16(end - 2 - 2 * k, c.offsets[k * kEvery]);
        }
    }

private:
    struct Chunk {
        std::string body;
        std::vector<uint32_t> offsets;
    };

    bool Fits(size_t extra) const {
        size_t n = offsets_.size() + 1;
        size_t quick_refs = (n + kEvery - 1) / kEvery;  // readers reserve one per group
        return header_size_ + body_.size() + extra + 2 + 2 * quick_refs <= kChunkSize;
    }

    uint32_t header_size_;
    bool listing_;
    std::string body_;
    std::vector<uint32_t> offsets_;
    std::vector<Chunk> done_;
};

struct IndexItem {
    std::string_view name;  // the first name under the chunk
    uint32_t chunk;
};

}  // namespace

Directory BuildDirectory(const std::vector<DirectoryEntry>& entries) {
    Directory dir;
    ChunkFiller listing(kListingHeader, true);
    std::vector<IndexItem> level;
    std::string encoded;
    for (const auto& e : entries) {
        encoded.clear();
        Layout(encoded)
            .EncInt("name length", e.name.size())
            .Bytes("name, UTF-8", e.name)
            .EncInt("section", e.section)
            .EncInt("offset in the section", e.offset)
            .EncInt("length", e.length);
        if (listing.Add(encoded)) level.push_back({e.name, static_cast<uint32_t>(level.size())});
    }
    listing.Close();
    listing.Close();
    listing.Write(dir.chunks, 0);
    dir.chunk_count = static_cast<uint32_t>(listing.size());
    dir.last_listing = dir.chunk_count - 1;

    // Index levels until one chunk covers everything below it.
    while (level.size() > 1) {
        ChunkFiller index(kIndexHeader, false);
        std::vector<IndexItem> upper;
        for (const auto& item : level) {
            encoded.clear();
            Layout(encoded)
                .EncInt("name length", item.name.size())
                .Bytes("first name under the chunk", item.name)
                .EncInt("chunk number", item.chunk);
            if (index.Add(encoded)) upper.push_back({item.name, dir.chunk_count + static_cast<uint32_t>(upper.size())});
        }
        index.Close();
        index.Write(dir.chunks, dir.chunk_count);
        dir.chunk_count += static_cast<uint32_t>(index.size());
        ++dir.depth;
        level = std::move(upper);
    }
    if (dir.depth > 1) dir.index_root = static_cast<int32_t>(level.front().chunk);
    return dir;
}

}  // namespace chm
