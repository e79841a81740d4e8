#include "platform/posix/iconv_text_codec.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>

namespace tess {
namespace {

constexpr const char* kAnsi = "CP932";
constexpr const char* kUtf8 = "UTF-8";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as far as the input allows. Returns false at the first byte that cannot be
    // taken; `in` then starts at that byte.
    bool Convert(std::string_view& in, std::string& out) {
        char buffer[1024];
        char* src = const_cast<char*>(in.data());
        size_t left = in.size();
        bool clean = true;
        while (left > 0) {
            char* dst = buffer;
            size_t room = sizeof buffer;
            size_t r = iconv(cd_, &src, &left, &dst, &room);
            out.append(buffer, dst);
            if (r == static_cast<size_t>(-1) && errno != E2BIG) {
                clean = false;
                break;
            }
        }
        char* dst = buffer;
        size_t room = sizeof buffer;
        iconv(cd_, nullptr, nullptr, &dst, &room);
        out.append(buffer, dst);
        in = std::string_view(src, left);
        return clean;
    }

private:
    iconv_t cd_;
};

size_t Utf8Length(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

std::string CodePointName(std::string_view ch) {
    unsigned cp = 0;
    auto lead = static_cast<unsigned char>(ch[0]);
    size_t n = ch.size();
    cp = n == 1 ? lead : lead & (0x7F >> n);
    for (size_t i = 1; i < n; ++i) cp = (cp << 6) | (static_cast<unsigned char>(ch[i]) & 0x3F);
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", cp);
    return name;
}

bool RoundTrips(std::string_view utf8, std::string* ansi) {
    Converter to(kAnsi, kUtf8);
    Converter back(kUtf8, kAnsi);
    if (!to.ok() || !back.ok()) return false;
    std::string encoded;
    std::string_view in = utf8;
    if (!to.Convert(in, encoded)) return false;
    std::string decoded;
    std::string_view again = encoded;
    if (!back.Convert(again, decoded) || decoded != utf8) return false;
    if (ansi) *ansi = std::move(encoded);
    return true;
}

}  // namespace

Result<std::string> IconvTextCodec::ToAnsi(std::string_view utf8) {
    std::string ansi;
    if (RoundTrips(utf8, &ansi)) return ansi;
    if (!Converter(kAnsi, kUtf8).ok()) return Error{"The system cannot convert text to code page 932."};
    // Name the first character at fault, so the user knows what to rename.
    for (size_t i = 0; i < utf8.size();) {
        size_t n = Utf8Length(static_cast<unsigned char>(utf8[i]));
        if (i + n > utf8.size()) n = utf8.size() - i;
        std::string_view ch = utf8.substr(i, n);
        if (!RoundTrips(ch, nullptr)) {
            bool valid = n > 1 || static_cast<unsigned char>(ch[0]) < 0x80;
            if (!valid) return Error{"The text is not valid UTF-8."};
            return Error{"The character \"" + std::string(ch) + "\" (" + CodePointName(ch) +
                         ") has no code page 932 form."};
        }
        i += n;
    }
    return Error{"The text has no code page 932 form."};
}

std::string IconvTextCodec::FromAnsi(std::string_view ansi) {
    Converter back(kUtf8, kAnsi);
    std::string out;
    if (!back.ok()) return std::string(ansi);
    std::string_view in = ansi;
    while (!back.Convert(in, out)) {
        out += kReplacement;
        // A broken lead byte takes its trail byte along only when that is a trail byte.
        in.remove_prefix(1);
    }
    return out;
}

}  // namespace tess
