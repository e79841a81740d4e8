// Contents and index files are read by the viewer in the compiled file's code page, whatever
// their authors kept them in (UTF-8, UTF-16, another code page).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hhc {

// The sitemap in `code_page`: a character the code page lacks becomes a numeric character
// reference, and a charset the file declares is made to name the code page. Nothing when the
// bytes are in that code page already.
std::optional<std::string> SitemapInCodePage(std::string_view bytes, uint32_t code_page);

// UTF-8 text in `code_page`, a character it lacks as "&#NNNN;".
std::string HtmlInCodePage(std::string_view utf8, uint32_t code_page);

}  // namespace hhc
