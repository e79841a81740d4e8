#include "hhc/code_page.h"

#include <iconv.h>

#include <cerrno>
#include <string>

namespace hhc {
namespace {

std::string IconvName(uint32_t code_page) {
    switch (code_page) {
        case 65001: return "UTF-8";
        case 1200: return "UTF-16LE";
        case 1201: return "UTF-16BE";
        case 20932: return "EUC-JP";
        case 50220: return "ISO-2022-JP";
        case 20866: return "KOI8-R";
        default: return "CP" + std::to_string(code_page);
    }
}

class Converter {
public:
    Converter(const std::string& to, const std::string& from) : cd_(iconv_open(to.c_str(), from.c_str())) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts all of `in`; a sequence it cannot take is skipped with `replacement`, or
    // ends the conversion when there is none.
    bool Convert(std::string_view in, std::string& out, const char* replacement) {
        char* src = const_cast<char*>(in.data());
        size_t left = in.size();
        char buffer[4096];
        while (left > 0) {
            char* dst = buffer;
            size_t room = sizeof buffer;
            size_t r = iconv(cd_, &src, &left, &dst, &room);
            out.append(buffer, static_cast<size_t>(dst - buffer));
            if (r != static_cast<size_t>(-1)) continue;
            if (errno == E2BIG) continue;
            if (!replacement) return false;
            out += replacement;
            ++src;  // EILSEQ or a sequence cut short at the end
            --left;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        char* dst = buffer;
        size_t room = sizeof buffer;
        iconv(cd_, nullptr, nullptr, &dst, &room);  // a stateful code page's closing shift
        out.append(buffer, static_cast<size_t>(dst - buffer));
        return true;
    }

private:
    iconv_t cd_;
};

}  // namespace

std::optional<std::string> DecodeCodePage(std::string_view bytes, uint32_t code_page) {
    Converter c("UTF-8", IconvName(code_page));
    if (!c.ok()) return std::nullopt;
    std::string out;
    c.Convert(bytes, out, "\xEF\xBF\xBD");
    return out;
}

std::optional<std::string> EncodeCodePage(std::string_view utf8, uint32_t code_page) {
    Converter c(IconvName(code_page), "UTF-8");
    if (!c.ok()) return std::nullopt;
    std::string out;
    if (!c.Convert(utf8, out, nullptr)) return std::nullopt;
    return out;
}

}  // namespace hhc
