#include "tools/hhc/collect.h"

#include <cerrno>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <system_error>

#include "tools/hhc/css_refs.h"
#include "tools/hhc/html_refs.h"
#include "tools/hhc/local_ref.h"
#include "tools/hhc/utf8_path.h"

namespace hhc {
namespace fs = std::filesystem;
namespace {

enum class Kind { page, style, other };

Kind KindOf(const std::string& name) {
    if (IsPageName(name)) return Kind::page;
    if (name.size() > 4) {
        std::string ext = name.substr(name.size() - 4);
        for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (ext == ".css") return Kind::style;
    }
    return Kind::other;
}

bool ReadAll(const fs::path& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

std::string FolderOf(const std::string& rel) {
    size_t slash = rel.rfind('/');
    return slash == std::string::npos ? std::string() : rel.substr(0, slash);
}

// A link may lead through a symbolic link out of the tree; such files stay out.
bool InsideTree(const fs::path& real_root, const fs::path& file) {
    std::error_code ec;
    fs::path real = fs::canonical(file, ec);
    if (ec) return false;
    auto r = real_root.begin();
    auto f = real.begin();
    for (; r != real_root.end(); ++r, ++f)
        if (f == real.end() || *r != *f) return false;
    return f != real.end();
}

std::string AsciiLower(std::string s) {
    for (char& ch : s) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return s;
}

// Pages written on Windows often spell a name in another case than the file has; there
// (and inside a compiled file) the spelling does not matter.
std::optional<std::string> FindIgnoringCase(const fs::path& root, const std::string& rel) {
    fs::path at = root;
    std::string found;
    for (size_t start = 0; start <= rel.size();) {
        size_t slash = rel.find('/', start);
        if (slash == std::string::npos) slash = rel.size();
        std::string part = rel.substr(start, slash - start);
        start = slash + 1;
        std::error_code ec;
        if (!fs::exists(at / PathOf(part), ec)) {
            std::string wanted = AsciiLower(part);
            std::string match;
            for (auto it = fs::directory_iterator(at, ec); !ec && it != fs::directory_iterator(); it.increment(ec)) {
                std::string name = TextOf(it->path().filename());
                if (AsciiLower(name) == wanted && (match.empty() || name < match)) match = name;
            }
            if (match.empty()) return std::nullopt;
            part = match;
        }
        at /= PathOf(part);
        found += (found.empty() ? "" : "/") + part;
    }
    return found;
}

}  // namespace

tess::Result<Collection> CollectFiles(const std::string& page_path, size_t max_files) {
    fs::path page = PathOf(page_path);
    std::error_code ec;
    if (!fs::is_regular_file(page, ec)) {
        if (fs::exists(page, ec)) return tess::Error{"The page " + page_path + " is not a file."};
        return tess::Error{"The page " + page_path + " does not exist."};
    }
    std::string bytes;
    if (!ReadAll(page, bytes)) {
        int err = errno;
        return tess::Error{"The page " + page_path + " cannot be read: " + std::strerror(err) + "."};
    }

    Collection c;
    c.root = TextOf(page.parent_path());
    fs::path real_root = fs::canonical(page.parent_path(), ec);
    if (ec) return tess::Error{"The folder of the page " + page_path + " cannot be read: " + ec.message() + "."};
    std::string page_name = TextOf(page.filename());

    // Names that differ only in case would meet as one inside the compiled file.
    std::set<std::string> seen{AsciiLower(page_name)};
    auto source_of = [&c](const std::string& rel) {
        auto it = c.sources.find(rel);
        return PathOf(c.root) / PathOf(it == c.sources.end() ? rel : it->second);
    };
    std::deque<std::pair<std::string, Kind>> queue;
    c.files.push_back(page_name);

    auto consider = [&](const std::string& ref, const std::string& from, bool pages_only) {
        auto target = LocalTarget(ref, FolderOf(from));
        if (!target || seen.count(AsciiLower(*target)) || c.files.size() >= max_files) return;
        Kind kind = KindOf(*target);
        if (pages_only && kind != Kind::page) return;
        seen.insert(AsciiLower(*target));
        fs::path file = PathOf(c.root) / PathOf(*target);
        std::error_code fec;
        if (!fs::exists(file, fec)) {
            if (auto actual = FindIgnoringCase(PathOf(c.root), *target)) {
                c.sources[*target] = *actual;
                file = PathOf(c.root) / PathOf(*actual);
            }
        }
        if (!fs::is_regular_file(file, fec) || !InsideTree(real_root, file)) {
            c.sources.erase(*target);
            c.missing.push_back(*target);
            return;
        }
        c.files.push_back(*target);
        if (kind != Kind::other) queue.emplace_back(*target, kind);
    };

    auto scan_page = [&](const std::string& rel, const std::string& html) {
        HtmlRefs refs = ScanHtml(html);
        if (rel == page_name) c.title = refs.title;
        for (const auto& r : refs.resources) consider(r, rel, false);
        for (const auto& r : refs.links) consider(r, rel, true);
    };

    scan_page(page_name, bytes);
    while (!queue.empty()) {
        auto [rel, kind] = queue.front();
        queue.pop_front();
        std::string text;
        if (!ReadAll(source_of(rel), text)) continue;
        if (kind == Kind::page) {
            scan_page(rel, text);
        } else {
            for (const auto& r : CssReferences(text)) consider(r, rel, false);
        }
    }
    return c;
}

}  // namespace hhc
