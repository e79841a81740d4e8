#include "hhc/index_keywords.h"

#include <algorithm>
#include <cctype>
#include <span>

#include "chm/names.h"
#include "hhc/html_refs.h"
#include "hhc/input_bytes.h"
#include "hhc/html_tokens.h"
#include "hhc/local_ref.h"
#include "hhc/sitemap.h"
#include "platform/text.h"

namespace hhc {
namespace {

constexpr std::string_view kKeywordObject = "clsid:1e2a7bd0-dab9-11d0-b93a-00c04fc99f9e";

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

std::vector<std::string> Split(std::string_view s, char by) {
    std::vector<std::string> parts;
    for (size_t from = 0; from <= s.size();) {
        size_t at = std::min(s.find(by, from), s.size());
        if (auto part = Trimmed(s.substr(from, at - from)); !part.empty()) parts.emplace_back(part);
        from = at + 1;
    }
    return parts;
}

void AddKeywords(std::string_view list, char between, std::vector<std::vector<std::string>>& out) {
    for (const auto& keyword : Split(list, between))
        if (auto levels = Split(keyword, ','); !levels.empty()) out.push_back(std::move(levels));
}

std::string FolderOf(const std::string& name) {
    size_t slash = name.rfind('/');
    return slash == std::string::npos || slash == 0 ? std::string() : name.substr(1, slash - 1);
}

}  // namespace

std::vector<std::vector<std::string>> PageKeywords(std::string_view page) {
    std::string text = PageAsUtf8(page);
    HtmlTokenizer tokens(text);
    std::vector<std::vector<std::string>> out;
    bool in_object = false;
    for (HtmlToken t; tokens.Next(t);) {
        if (t.kind == HtmlToken::Kind::start_tag && t.name == "object") {
            in_object = tess::AsciiLowered(t.Attribute("classid")) == kKeywordObject;
        } else if (t.kind == HtmlToken::Kind::end_tag && t.name == "object") {
            in_object = false;
        } else if (in_object && t.kind == HtmlToken::Kind::start_tag && t.name == "param" &&
                   tess::AsciiLowered(t.Attribute("name")) == "keyword") {
            AddKeywords(t.Attribute("value"), ';', out);
        } else if (t.kind == HtmlToken::Kind::start_tag && t.name == "meta" && tess::AsciiLowered(t.Attribute("name")) == "ms-hkwd") {
            AddKeywords(t.Attribute("content"), ';', out);
        }
    }
    return out;
}

tess::Result<chm::KeywordTable> IndexKeywords(const std::vector<chm::InputFile>& inputs, const std::string& index_file,
                                              bool from_pages, const TextPieces& index_text) {
    chm::KeywordTable keywords;
    // Each level leads to its parent too.
    auto add = [&](const std::vector<std::string>& levels, const std::string& topic) {
        for (size_t depth = 1; depth <= levels.size(); ++depth) {
            const uint32_t k = keywords.Add(std::span(levels).first(depth));
            if (depth == levels.size() && !topic.empty()) keywords.Link(k, topic);
        }
    };
    // The options name it as the viewer does, without the leading "/".
    const std::string wanted = index_file.empty() ? std::string() : chm::WithLeadingSlash(index_file);
    for (const auto& f : inputs) {
        if (wanted.empty() || f.name != wanted) continue;
        std::vector<std::string> levels;
        auto take = [&](SitemapEntry&& entry) {
            levels.resize(static_cast<size_t>(std::clamp(entry.depth - 1, 0, static_cast<int>(levels.size()))));
            if (entry.name.empty()) return;
            levels.push_back(entry.name);
            if (!entry.see_also.empty()) {
                add(levels, "");
                keywords.SetSeeAlso(keywords.Add(levels), entry.see_also);
            }
            if (entry.locals.empty()) add(levels, "");
            for (const auto& local : entry.locals)
                if (auto ref = ResolveRef(local, FolderOf(f.name)); ref.kind == LocalRef::Kind::inside)
                    add(levels, "/" + ref.path);
        };
        if (index_text) {
            if (auto read = VisitSitemapText(index_text, take); !read) return read.error();
            continue;
        }
        auto bytes = BytesOf(f);
        if (!bytes) return bytes.error();
        VisitSitemap(*bytes, take);
    }
    for (const auto& f : inputs) {
        if (!from_pages || !f.title) continue;
        auto page = BytesOf(f);
        if (!page) return page.error();
        for (const auto& levels : PageKeywords(*page)) add(levels, f.name);
    }
    keywords.StopAdding();
    return keywords;
}

}  // namespace hhc
