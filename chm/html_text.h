// The visible text of an HTML page, for the full-text index. Standard C++ only.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace chm {

// Gives the code page bytes of a Unicode character, or nothing when the code page has none.
using CharEncoder = std::function<std::optional<std::string>(char32_t)>;

// The encoder built in: ASCII everywhere, Latin-1 and Windows' extra characters for 1252,
// and the common typographic signs, arrows and Greek letters for 932.
std::optional<std::string> EncodeCommonChar(char32_t c, uint32_t code_page);

// `html` is in the project's code page. Tags, comments and the contents of <script>, <style>
// and <title> are dropped (the title is indexed apart); a tag that breaks a line (<p>, <br>,
// <td>, …) becomes a space, one that does not (<b>, <a>, …) joins the text around it; runs of
// white space become one space; character references are decoded by `encode` (or by
// EncodeCommonChar when none is given) and become a space when the code page has no form.
std::string VisibleText(std::string_view html, uint32_t code_page, const CharEncoder& encode = {});

}  // namespace chm
