// UTF-8 <-> code page 932 (and from the system's ANSI code page) through the system's own tables.
#pragma once

#include "platform/text_codec.h"

namespace tess::win32 {

class Win32TextCodec final : public TextCodec {
public:
    // Refuses text that the code page holds only by a best-fit substitute (U+301C WAVE DASH
    // becomes the byte pair of U+FF5E, for one), since that names another file.
    Result<std::string> ToAnsi(std::string_view utf8) override;
    std::string FromAnsi(std::string_view ansi) override;
    std::string FromSystemAnsi(std::string_view ansi) override;
};

}  // namespace tess::win32
