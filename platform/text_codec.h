// Code page 932, that the compiler's files use, and the system ANSI code page of the registry's text.
#pragma once

#include <string>
#include <string_view>

#include "platform/result.h"

namespace tess {

class TextCodec {
public:
    virtual ~TextCodec() = default;
    // Fails when the text has no faithful code-page form (it would not convert back the same).
    virtual Result<std::string> ToAnsi(std::string_view utf8) = 0;
    virtual std::string FromAnsi(std::string_view ansi) = 0;
    // Text that the system's ANSI calls hand back (registry values): in the code page the system
    // runs under, which is 932 only where the system is set up for Japanese.
    virtual std::string FromSystemAnsi(std::string_view ansi) = 0;
};

}  // namespace tess
