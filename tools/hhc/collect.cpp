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

bool EndsWithIgnoringCase(const std::string& name, const char* ext) {
    size_t n = std::strlen(ext);
    if (name.size() <= n) return false;
    for (size_t i = 0; i < n; ++i)
        if (std::tolower(static_cast<unsigned char>(name[name.size() - n + i])) != ext[i]) return false;
    return true;
}

Kind KindOf(const std::string& name) {
    if (IsPageName(name)) return Kind::page;
    if (EndsWithIgnoringCase(name, ".css")) return Kind::style;
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
    return CollectTree(TextOf(PathOf(page_path).parent_path()), {page_path}, max_files);
}

std::string TreeName(const std::string& root, const std::string& path) {
    fs::path rel = PathOf(path).lexically_normal().lexically_relative(PathOf(root).lexically_normal());
    std::u8string s = rel.generic_u8string();
    return std::string(s.begin(), s.end());
}

std::string CommonFolder(const std::vector<std::string>& paths) {
    std::vector<fs::path> common;
    for (size_t i = 0; i < paths.size(); ++i) {
        fs::path folder = PathOf(paths[i]).lexically_normal().parent_path();
        std::vector<fs::path> parts(folder.begin(), folder.end());
        if (i == 0) {
            common = parts;
            continue;
        }
        size_t same = 0;
        while (same < common.size() && same < parts.size() && common[same] == parts[same]) ++same;
        common.resize(same);
    }
    fs::path out;
    for (const auto& p : common) out /= p;
    return TextOf(out);
}

tess::Result<Collection> CollectTree(const std::string& root, const std::vector<std::string>& named,
                                     size_t max_files) {
    std::error_code ec;
    Collection c;
    c.root = root;

    // The named files first, in their order; each must be readable.
    std::vector<std::pair<std::string, std::string>> firsts;  // name in the tree, its bytes
    for (const auto& path : named) {
        std::string what = IsPageName(path) ? "The page " : "The file ";
        fs::path file = PathOf(path);
        if (!fs::is_regular_file(file, ec)) {
            if (fs::exists(file, ec)) return tess::Error{what + path + " is not a file."};
            return tess::Error{what + path + " does not exist."};
        }
        std::string bytes;
        if (!ReadAll(file, bytes)) {
            int err = errno;
            return tess::Error{what + path + " cannot be read: " + std::strerror(err) + "."};
        }
        std::string name = TreeName(root, path);
        if (name.empty() || name == "." || name.rfind("..", 0) == 0)
            return tess::Error{what + path + " lies outside the folder " + root + "."};
        firsts.emplace_back(name, std::move(bytes));
    }
    if (firsts.empty()) return tess::Error{"There is no file to compile."};
    const std::string page_name = firsts.front().first;
    fs::path real_root = fs::canonical(PathOf(root), ec);
    if (ec) return tess::Error{"The folder " + root + " cannot be read: " + ec.message() + "."};

    // Names that differ only in case would meet as one inside the compiled file.
    std::set<std::string> seen;
    auto source_of = [&c](const std::string& rel) {
        auto it = c.sources.find(rel);
        return PathOf(c.root) / PathOf(it == c.sources.end() ? rel : it->second);
    };
    std::deque<std::pair<std::string, Kind>> queue;

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

    for (const auto& [name, bytes] : firsts) {
        if (!seen.insert(AsciiLower(name)).second) continue;
        c.files.push_back(name);
        Kind kind = KindOf(name);
        // A contents file names its pages as a page links them.
        if (name == page_name || kind == Kind::page || EndsWithIgnoringCase(name, ".hhc")) scan_page(name, bytes);
        else if (kind == Kind::style)
            for (const auto& r : CssReferences(bytes)) consider(r, name, false);
    }
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
