#include "hhc/folder_index.h"

#include <filesystem>
#include <system_error>

#include "hhc/utf8_path.h"

namespace hhc {
namespace fs = std::filesystem;
namespace {

std::string AsciiLower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
    return s;
}

}  // namespace

const FolderIndex::Listing& FolderIndex::ListingOf(const std::string& folder) {
    auto [it, fresh] = listings_.try_emplace(folder);
    if (!fresh) return it->second;
    Listing& listing = it->second;
    std::error_code ec;
    fs::path at = folder.empty() ? PathOf(root_) : PathOf(root_) / PathOf(folder);
    for (fs::directory_iterator d(at, ec), end; !ec && d != end; d.increment(ec)) {
        std::string name = TextOf(d->path().filename());
        Entry e;
        std::error_code tec;
        e.link = d->is_symlink(tec);
        e.folder = d->is_directory(tec);  // follows a link; the type is cached otherwise
        e.file = d->is_regular_file(tec);
        listing.exact.emplace(name, e);
        auto [f, added] = listing.folded.try_emplace(AsciiLower(name), name);
        if (!added && name < f->second) f->second = name;
    }
    return listing;
}

std::optional<FolderIndex::Found> FolderIndex::Find(const std::string& rel) {
    Found found;
    std::string folder;
    for (size_t start = 0; start < rel.size();) {
        size_t slash = rel.find('/', start);
        bool last = slash == std::string::npos;
        std::string part = rel.substr(start, last ? std::string::npos : slash - start);
        start = last ? rel.size() : slash + 1;
        const Listing& listing = ListingOf(folder);
        auto e = listing.exact.find(part);
        if (e == listing.exact.end()) {
            auto f = listing.folded.find(AsciiLower(part));
            if (f == listing.folded.end()) return std::nullopt;
            part = f->second;
            e = listing.exact.find(part);
        }
        if (last ? !e->second.file : !e->second.folder) return std::nullopt;
        found.through_link = found.through_link || e->second.link;
        folder += (folder.empty() ? "" : "/") + part;
    }
    if (folder.empty()) return std::nullopt;
    found.path = folder;
    return found;
}

}  // namespace hhc
