#include "tools/hhc/html_refs.h"

#include <libxml/HTMLparser.h>
#include <libxml/tree.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include "tools/hhc/css_refs.h"

namespace hhc {
namespace {

bool ValidUtf8(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        auto c = static_cast<unsigned char>(s[i]);
        size_t n = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

bool DeclaresCharset(std::string_view s) {
    std::string head(s.substr(0, 4096));
    std::transform(head.begin(), head.end(), head.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return head.find("charset") != std::string::npos || head.find("encoding=") != std::string::npos;
}

// libxml2 reads a declared charset itself but takes an undeclared page for Latin-1, which
// would garble a Japanese title.
const char* EncodingHint(std::string_view bytes) {
    if (bytes.size() >= 2 && (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF")) return nullptr;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return "UTF-8";
    if (DeclaresCharset(bytes)) return nullptr;
    return ValidUtf8(bytes) ? "UTF-8" : "CP932";
}

bool Is(const xmlNode* node, const char* name) {
    return xmlStrcasecmp(node->name, reinterpret_cast<const xmlChar*>(name)) == 0;
}

std::string Attribute(const xmlNode* node, const char* name) {
    for (const xmlAttr* a = node->properties; a; a = a->next) {
        if (xmlStrcasecmp(a->name, reinterpret_cast<const xmlChar*>(name)) != 0) continue;
        xmlChar* value = xmlNodeListGetString(node->doc, a->children, 1);
        std::string out = value ? reinterpret_cast<const char*>(value) : "";
        xmlFree(value);
        return out;
    }
    return {};
}

std::string Text(const xmlNode* node) {
    xmlChar* value = xmlNodeGetContent(node);
    std::string out = value ? reinterpret_cast<const char*>(value) : "";
    xmlFree(value);
    return out;
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

void AddIfSet(std::string value, std::vector<std::string>& out) {
    if (!value.empty()) out.push_back(std::move(value));
}

void Walk(const xmlNode* node, HtmlRefs& refs) {
    for (; node; node = node->next) {
        if (node->type == XML_ELEMENT_NODE) {
            if (Is(node, "title")) {
                if (refs.title.empty()) refs.title = CollapseBlanks(Text(node));
            } else if (Is(node, "style")) {
                for (auto& r : CssReferences(Text(node))) refs.resources.push_back(std::move(r));
            } else if (Is(node, "a") || Is(node, "area")) {
                AddIfSet(Attribute(node, "href"), refs.links);
            } else if (Is(node, "link")) {
                AddIfSet(Attribute(node, "href"), refs.resources);
            } else if (Is(node, "img") || Is(node, "source")) {
                AddIfSet(Attribute(node, "src"), refs.resources);
                AddSrcset(Attribute(node, "srcset"), refs.resources);
            } else if (Is(node, "frame") || Is(node, "iframe")) {
                AddIfSet(Attribute(node, "src"), refs.links);
            } else if (Is(node, "script") || Is(node, "embed") || Is(node, "input") || Is(node, "audio") ||
                       Is(node, "video") || Is(node, "track")) {
                AddIfSet(Attribute(node, "src"), refs.resources);
                AddIfSet(Attribute(node, "poster"), refs.resources);
            } else if (Is(node, "object")) {
                AddIfSet(Attribute(node, "data"), refs.resources);
            } else if (Is(node, "param") && xmlStrcasecmp(reinterpret_cast<const xmlChar*>(Attribute(node, "name").c_str()),
                                                        reinterpret_cast<const xmlChar*>("local")) == 0) {
                // A contents file names its pages this way.
                AddIfSet(Attribute(node, "value"), refs.links);
            }
            AddIfSet(Attribute(node, "background"), refs.resources);
            std::string style = Attribute(node, "style");
            if (!style.empty())
                for (auto& r : CssReferences(style)) refs.resources.push_back(std::move(r));
        }
        Walk(node->children, refs);
    }
}

void Silent(void*, const char*, ...) {}

}  // namespace

HtmlRefs ScanHtml(std::string_view bytes) {
    HtmlRefs refs;
    if (bytes.empty()) return refs;
    // A broken page is read as far as it goes; libxml2 would otherwise say so on stderr.
    xmlSetGenericErrorFunc(nullptr, Silent);
    htmlDocPtr doc = htmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr, EncodingHint(bytes),
                                    HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING |
                                        HTML_PARSE_NONET);
    if (!doc) return refs;
    Walk(xmlDocGetRootElement(doc), refs);
    xmlFreeDoc(doc);
    return refs;
}

}  // namespace hhc
