// What a page refers to, read with a tolerant HTML parser.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace hhc {

struct HtmlRefs {
    std::string title;                   // UTF-8, blanks collapsed; empty when the page has none
    std::vector<std::string> resources;  // images, style sheets, scripts, frames ... as written
    std::vector<std::string> links;      // a/area href, as written (pages among them are followed)
};

// `bytes` is the page as stored; its encoding comes from a BOM or a charset declaration,
// otherwise UTF-8 when it is valid UTF-8, else code page 932.
HtmlRefs ScanHtml(std::string_view bytes);

}  // namespace hhc
