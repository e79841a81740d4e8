#include "tools/hhc/text_file.h"

#include "tools/hhc/code_page.h"
#include "tools/hhc/text_encoding.h"

namespace hhc {

std::string TextFileAsUtf8(std::string_view bytes, uint32_t code_page) {
    uint32_t cp = code_page;
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
        cp = kUtf8;
    } else if (bytes.starts_with("\xFF\xFE")) {
        bytes.remove_prefix(2);
        cp = kUtf16Le;
    } else if (bytes.starts_with("\xFE\xFF")) {
        bytes.remove_prefix(2);
        cp = kUtf16Be;
    } else if (IsValidUtf8(bytes)) {
        cp = kUtf8;
    }
    if (cp == kUtf8) return std::string(bytes);
    auto decoded = DecodeCodePage(bytes, cp);
    return decoded ? *decoded : std::string(bytes);
}

}  // namespace hhc
