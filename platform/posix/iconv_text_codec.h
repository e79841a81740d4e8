// UTF-8 <-> code page 932 through glibc's iconv.
#pragma once

#include <string>
#include <string_view>

#include "platform/result.h"
#include "platform/text_codec.h"

namespace tess {

class IconvTextCodec : public TextCodec {
public:
    // Refuses text whose code-page form would decode to something else: glibc folds
    // several distinct characters (U+301C and U+FF5E, U+2016 and U+2225, U+2212 and
    // U+FF0D) onto one byte pair, so a name written that way names another file.
    Result<std::string> ToAnsi(std::string_view utf8) override;
    // Bytes that are not valid code page 932 become U+FFFD.
    std::string FromAnsi(std::string_view ansi) override;
    // The registry stand-in keeps its text in code page 932 too.
    std::string FromSystemAnsi(std::string_view ansi) override { return FromAnsi(ansi); }
};

}  // namespace tess
