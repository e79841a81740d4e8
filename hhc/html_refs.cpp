#include "hhc/html_refs.h"

#include <cctype>

#include "hhc/code_page.h"
#include "hhc/css_refs.h"
#include "hhc/html_entities.h"
#include "hhc/html_tokens.h"
#include "hhc/text_file.h"
#include "hhc/text_encoding.h"
#include "platform/text.h"

namespace hhc {
namespace {

constexpr size_t kDeclarationWindow = 64 * 1024;

// "text/html; charset=Shift_JIS" -> "Shift_JIS"
std::string CharsetIn(const std::string& content) {
    size_t at = tess::AsciiLowered(content).find("charset");
    if (at == std::string::npos) return {};
    at = content.find('=', at);
    if (at == std::string::npos) return {};
    ++at;
    while (at < content.size() && (content[at] == ' ' || content[at] == '"' || content[at] == '\'')) ++at;
    size_t end = at;
    while (end < content.size() && (std::isalnum(static_cast<unsigned char>(content[end])) || content[end] == '-' ||
                                    content[end] == '_' || content[end] == ':' || content[end] == '.'))
        ++end;
    return content.substr(at, end - at);
}

std::string CollapseBlanks(std::string_view s) {
    std::string out;
    bool blank = false;
    for (char c : s) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f') {
            blank = !out.empty();
        } else {
            if (blank) out += ' ';
            blank = false;
            out += c;
        }
    }
    return out;
}

// "a.png 1x, b.png 2x" names two images.
void AddSrcset(const std::string& srcset, std::vector<std::string>& out) {
    size_t i = 0;
    while (i < srcset.size()) {
        while (i < srcset.size() && (std::isspace(static_cast<unsigned char>(srcset[i])) || srcset[i] == ',')) ++i;
        size_t start = i;
        while (i < srcset.size() && !std::isspace(static_cast<unsigned char>(srcset[i]))) ++i;
        std::string url = srcset.substr(start, i - start);
        while (!url.empty() && url.back() == ',') url.pop_back();
        if (!url.empty()) out.push_back(url);
        while (i < srcset.size() && srcset[i] != ',') ++i;
    }
}

void AddIfSet(const std::string& value, std::vector<std::string>& out) {
    if (!value.empty()) out.push_back(value);
}

void AddCss(std::string_view css, std::vector<std::string>& out) {
    for (auto& r : CssReferences(css)) out.push_back(std::move(r));
}

void TakeTag(const HtmlToken& t, HtmlRefs& refs) {
    const std::string& n = t.name;
    if (n == "a" || n == "area") {
        AddIfSet(t.Attribute("href"), refs.links);
    } else if (n == "link") {
        AddIfSet(t.Attribute("href"), refs.resources);
    } else if (n == "img" || n == "source") {
        AddIfSet(t.Attribute("src"), refs.resources);
        AddSrcset(t.Attribute("srcset"), refs.resources);
    } else if (n == "frame" || n == "iframe") {
        AddIfSet(t.Attribute("src"), refs.links);
    } else if (n == "script" || n == "embed" || n == "input" || n == "audio" || n == "video" || n == "track") {
        AddIfSet(t.Attribute("src"), refs.resources);
        AddIfSet(t.Attribute("poster"), refs.resources);
    } else if (n == "image" || n == "use") {
        // SVG: the newer plain href first, then the older XLink spelling.
        AddIfSet(t.Has("href") ? t.Attribute("href") : t.Attribute("xlink:href"), refs.resources);
    } else if (n == "object") {
        AddIfSet(t.Attribute("data"), refs.resources);
    } else if (n == "param" && tess::AsciiLowered(t.Attribute("name")) == "local") {
        AddIfSet(t.Attribute("value"), refs.links);  // how a contents file names its pages
    } else if (n == "base") {
        if (refs.base.empty()) refs.base = t.Attribute("href");
    }
    AddIfSet(t.Attribute("background"), refs.resources);
    if (t.Has("style")) AddCss(t.Attribute("style"), refs.resources);
}

}  // namespace

uint32_t DeclaredCodePage(std::string_view bytes) {
    std::string_view head = bytes.substr(0, kDeclarationWindow);
    if (head.starts_with("<?xml")) {
        std::string prolog(head.substr(0, head.find("?>")));
        size_t at = tess::AsciiLowered(prolog).find("encoding");
        if (at != std::string::npos) {
            if (uint32_t cp = CodePageOfCharset(CharsetIn("charset" + prolog.substr(at + 8)))) return cp;
        }
    }
    HtmlTokenizer tokens(head);
    HtmlToken t;
    while (tokens.Next(t)) {
        if (t.kind != HtmlToken::Kind::start_tag) continue;
        if (t.name == "body") break;
        if (t.name != "meta") continue;
        std::string charset = t.Has("charset") ? t.Attribute("charset") : CharsetIn(t.Attribute("content"));
        while (!charset.empty() && std::isspace(static_cast<unsigned char>(charset.back()))) charset.pop_back();
        if (uint32_t cp = CodePageOfCharset(charset)) return cp;
    }
    return 0;
}

std::string PageAsUtf8(std::string_view bytes) {
    std::string decoded;
    return std::string(PageAsUtf8(bytes, decoded));
}

std::string_view PageAsUtf8(std::string_view bytes, std::string& decoded) {
    uint32_t cp = TakeByteOrderMark(bytes);
    if (cp == 0) cp = DeclaredCodePage(bytes);
    // A page that says UTF-16 yet has no BOM is read as the bytes it has.
    if (cp == kUtf16Le || cp == kUtf16Be) cp = bytes.find('\0') == std::string_view::npos ? 0 : cp;
    const bool valid = (cp == 0 || cp == kUtf8) && IsValidUtf8(bytes);
    if (cp == 0) cp = valid ? kUtf8 : 932;
    if (cp == kUtf8 && valid) return bytes;
    if (cp == kUtf8) return decoded = RepairedUtf8(bytes);
    auto converted = DecodeCodePage(bytes, cp);
    return decoded = converted ? std::move(*converted) : RepairedUtf8(bytes);
}

HtmlRefs ScanHtml(std::string_view bytes) {
    HtmlRefs refs;
    std::string decoded;
    std::string_view html = PageAsUtf8(bytes, decoded);
    HtmlTokenizer tokens(html);
    HtmlToken t;
    std::string raw_owner;  // the element whose raw text comes next
    bool have_title = false;
    while (tokens.Next(t)) {
        if (t.kind == HtmlToken::Kind::start_tag) {
            TakeTag(t, refs);
            raw_owner = t.name;
        } else if (t.kind == HtmlToken::Kind::text) {
            if (raw_owner == "style") AddCss(t.text, refs.resources);
            if (raw_owner == "title" && !have_title) {
                refs.title = CollapseBlanks(DecodeCharacterReferences(t.text));
                have_title = true;
            }
            raw_owner.clear();
        } else {
            if (t.name == "title") have_title = true;  // an empty title is still the title
            raw_owner.clear();
        }
    }
    return refs;
}

}  // namespace hhc
