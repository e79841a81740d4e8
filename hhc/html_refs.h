// What a page refers to, read with our tolerant HTML tokenizer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace hhc {

struct HtmlRefs {
    std::string title;                   // UTF-8, blanks collapsed; empty when the page has none
    std::string base;                    // the first <base href>, as written; may be empty
    std::vector<std::string> resources;  // images, style sheets, scripts, frames ... as written (UTF-8)
    std::vector<std::string> links;      // a/area href, as written (pages among them are followed)
};

// `bytes` is the page as stored; its encoding comes from a BOM or a charset declaration,
// otherwise UTF-8 when it is valid UTF-8, else code page 932.
HtmlRefs ScanHtml(std::string_view bytes);

// The code page a page's XML prolog or <meta> names; 0 for none known.
uint32_t DeclaredCodePage(std::string_view bytes);

// The page as UTF-8, by the same rules.
std::string PageAsUtf8(std::string_view bytes);
// The same without a copy where the page is UTF-8 already: `bytes` itself (past its BOM), or
// what was put in `decoded`.
std::string_view PageAsUtf8(std::string_view bytes, std::string& decoded);

}  // namespace hhc
