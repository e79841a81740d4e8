#include "hhc/folder_index.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "hhc/utf8_path.h"
#include "platform/text.h"

namespace hhc {
namespace fs = std::filesystem;
namespace {

bool FoldedLess(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(tess::AsciiLower(x)) < static_cast<unsigned char>(tess::AsciiLower(y));
    });
}

}  // namespace

const FolderIndex::Listing::Item* FolderIndex::Listing::Find(std::string_view name) const {
    auto exact = std::lower_bound(items.begin(), items.end(), name,
                                  [this](const Item& i, std::string_view n) { return NameOf(i) < n; });
    if (exact != items.end() && NameOf(*exact) == name) return &*exact;
    auto near = std::lower_bound(folded.begin(), folded.end(), name,
                                 [this](uint32_t i, std::string_view n) { return FoldedLess(NameOf(items[i]), n); });
    if (near == folded.end() || !tess::EqualsIgnoringAsciiCase(NameOf(items[*near]), name)) return nullptr;
    return &items[*near];
}

const FolderIndex::Listing& FolderIndex::ListingOf(const std::string& folder) {
    auto [it, fresh] = listings_.try_emplace(folder);
    if (!fresh) return it->second;
    Listing& listing = it->second;
    std::error_code ec;
    fs::path at = folder.empty() ? PathOf(root_) : PathOf(root_) / PathOf(folder);
    for (fs::directory_iterator d(at, ec), end; !ec && d != end; d.increment(ec)) {
        std::string name = TextOf(d->path().filename());
        Listing::Item item{static_cast<uint32_t>(listing.names.size()), static_cast<uint32_t>(name.size())};
        std::error_code tec;
        item.link = d->is_symlink(tec);
        item.folder = d->is_directory(tec);  // follows a link; the type is cached otherwise
        item.file = d->is_regular_file(tec);
        listing.names += name;
        listing.items.push_back(item);
    }
    listing.names.shrink_to_fit();
    listing.items.shrink_to_fit();
    std::sort(listing.items.begin(), listing.items.end(),
              [&](const Listing::Item& a, const Listing::Item& b) { return listing.NameOf(a) < listing.NameOf(b); });
    listing.folded.resize(listing.items.size());
    for (uint32_t i = 0; i < listing.folded.size(); ++i) listing.folded[i] = i;
    std::stable_sort(listing.folded.begin(), listing.folded.end(), [&](uint32_t a, uint32_t b) {
        return FoldedLess(listing.NameOf(listing.items[a]), listing.NameOf(listing.items[b]));
    });
    return listing;
}

std::optional<FolderIndex::Found> FolderIndex::Find(const std::string& rel) {
    Found found;
    std::string folder;
    for (size_t start = 0; start < rel.size();) {
        size_t slash = rel.find('/', start);
        bool last = slash == std::string::npos;
        std::string_view part = std::string_view(rel).substr(start, last ? std::string::npos : slash - start);
        start = last ? rel.size() : slash + 1;
        const Listing& listing = ListingOf(folder);
        const Listing::Item* e = listing.Find(part);
        if (!e) return std::nullopt;
        if (last ? !e->file : !e->folder) return std::nullopt;
        found.through_link = found.through_link || e->link;
        if (!folder.empty()) folder += '/';
        folder += listing.NameOf(*e);
    }
    if (folder.empty()) return std::nullopt;
    found.path = folder;
    return found;
}

}  // namespace hhc
