// The system ANSI code page (932) that the compiler's files and the registry use.
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
};

}  // namespace tess
