#include "hhc/sitemap_encoding.h"

#include <algorithm>
#include <cctype>

#include "hhc/code_page.h"
#include "hhc/html_refs.h"
#include "hhc/text_encoding.h"
#include "hhc/text_file.h"
#include "platform/text.h"

namespace hhc {
namespace {

uint32_t CodePointAt(std::string_view s) {
    auto c = static_cast<unsigned char>(s[0]);
    size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    if (n > s.size() || n == 1) return c;
    uint32_t cp = c & (0x7F >> n);
    for (size_t k = 1; k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[k]) & 0x3F);
    return cp;
}

// Halves the text until the parts convert whole: a long file with a few characters the code
// page lacks costs a few conversions, not one per character.
void Append(std::string_view utf8, uint32_t code_page, std::string& out) {
    if (utf8.empty()) return;
    if (auto whole = EncodeCodePage(utf8, code_page)) {
        out += *whole;
        return;
    }
    size_t first = 1;
    while (first < utf8.size() && (static_cast<unsigned char>(utf8[first]) & 0xC0) == 0x80) ++first;
    if (first == utf8.size()) {
        out += "&#" + std::to_string(CodePointAt(utf8)) + ";";
        return;
    }
    size_t mid = utf8.size() / 2;
    while (mid > first && (static_cast<unsigned char>(utf8[mid]) & 0xC0) == 0x80) --mid;
    mid = std::max(mid, first);
    Append(utf8.substr(0, mid), code_page, out);
    Append(utf8.substr(mid), code_page, out);
}

std::string CharsetName(uint32_t code_page) {
    switch (code_page) {
        case 932: return "shift_jis";
        case 936: return "gb2312";
        case 949: return "ks_c_5601-1987";
        case 950: return "big5";
        case kUtf8: return "utf-8";
        default: return "windows-" + std::to_string(code_page);
    }
}

// Where WithCharset may change anything: up to the first '>' after <body (all of a file
// without one). Only this much is lowered, not a whole contents file of many megabytes.
size_t HeadEnd(std::string_view html) {
    for (size_t at = html.find('<'); at != html.npos; at = html.find('<', at + 1)) {
        if (!tess::EqualsIgnoringAsciiCase(html.substr(at + 1, 4), "body")) continue;
        size_t end = html.find('>', at);
        return end == html.npos ? html.size() : end + 1;
    }
    return html.size();
}

// Every charset="..." or content="...; charset=..." of a <meta> before <body> names `code_page`.
std::string WithCharset(std::string html, uint32_t code_page) {
    std::string lower = tess::AsciiLowered(std::string_view(html).substr(0, HeadEnd(html)));
    size_t body = lower.find("<body");
    std::string name = CharsetName(code_page);
    for (size_t at = lower.find("<meta"); at < body; at = lower.find("<meta", at + 1)) {
        size_t end = lower.find('>', at);
        if (end == std::string::npos) break;
        size_t c = lower.find("charset", at);
        if (c > end) continue;
        c = lower.find('=', c);
        if (c > end) continue;
        ++c;
        while (c < end && (lower[c] == ' ' || lower[c] == '"' || lower[c] == '\'')) ++c;
        size_t stop = c;
        while (stop < end && (std::isalnum(static_cast<unsigned char>(lower[stop])) || lower[stop] == '-' ||
                              lower[stop] == '_' || lower[stop] == ':' || lower[stop] == '.'))
            ++stop;
        html.replace(c, stop - c, name);
        lower.replace(c, stop - c, name);
        body = lower.find("<body");
    }
    return html;
}

}  // namespace

std::string HtmlInCodePage(std::string_view utf8, uint32_t code_page) {
    if (code_page == kUtf8) return std::string(utf8);
    // Most convert whole: the converter's text is taken, not copied.
    if (auto whole = EncodeCodePage(utf8, code_page)) return std::move(*whole);
    std::string out;
    Append(utf8, code_page, out);
    return out;
}

std::optional<std::string> SitemapInCodePage(std::string_view bytes, uint32_t code_page) {
    std::string_view text = bytes;
    uint32_t from = TakeByteOrderMark(text);
    if (from == 0) from = DeclaredCodePage(bytes);
    // UTF-16 declared by a file without a BOM is believed only when the bytes look the part.
    if ((from == kUtf16Le || from == kUtf16Be) && text.size() == bytes.size() && text.find('\0') == text.npos) from = 0;
    // Undeclared and not UTF-8: the bytes are in the code page the author wrote for.
    // A file that says UTF-8 and is not (a converted copy that kept its old <meta>) is taken as
    // the code page's, as undeclared bytes are: reading it as UTF-8 would garble every name.
    if (from == 0 || (from == kUtf8 && !IsValidUtf8(text))) from = IsValidUtf8(text) ? kUtf8 : code_page;
    if (from == code_page) return std::nullopt;
    // ASCII needs no converting, only its charset naming the page: a large contents file is
    // then neither copied nor held twice.
    if (from == kUtf8 && IsAscii(text) && KeepsAscii(code_page)) {
        const size_t head = HeadEnd(text);
        std::string named = WithCharset(std::string(text.substr(0, head)), code_page);
        if (text.size() == bytes.size() && named == text.substr(0, head)) return std::nullopt;
        return named.append(text.substr(head));
    }
    // UTF-8 here is well-formed (checked above); a big one is copied once only.
    std::string utf8;
    if (from == kUtf8) {
        utf8 = text;
    } else if (auto decoded = DecodeCodePage(text, from)) {
        utf8 = RepairedUtf8(*decoded);
    } else {
        return std::nullopt;
    }
    std::string stored = HtmlInCodePage(WithCharset(std::move(utf8), code_page), code_page);
    if (stored == bytes) return std::nullopt;
    return stored;
}

}  // namespace hhc
