#include "hhc/text_file.h"

#include <utility>

#include "hhc/code_page.h"
#include "hhc/text_encoding.h"

namespace hhc {

uint32_t TakeByteOrderMark(std::string_view& bytes) {
    using Mark = std::pair<std::string_view, uint32_t>;
    for (auto [mark, cp] : {Mark{"\xEF\xBB\xBF", kUtf8}, Mark{"\xFF\xFE", kUtf16Le}, Mark{"\xFE\xFF", kUtf16Be}}) {
        if (bytes.starts_with(mark)) {
            bytes.remove_prefix(mark.size());
            return cp;
        }
    }
    return 0;
}

std::string TextFileAsUtf8(std::string_view bytes, uint32_t code_page) {
    uint32_t cp = TakeByteOrderMark(bytes);
    if (cp == 0) cp = IsValidUtf8(bytes) ? kUtf8 : code_page;
    // A file marked UTF-8 that is not (code page text saved behind a BOM) is told by its U+FFFD.
    if (cp == kUtf8) return RepairedUtf8(bytes);
    auto decoded = DecodeCodePage(bytes, cp);
    return decoded ? *decoded : RepairedUtf8(bytes);
}

}  // namespace hhc
