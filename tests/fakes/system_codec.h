// The system's own code-page converter, whichever system the tests run on.
#pragma once

#include <memory>

#ifdef _WIN32
#include "platform/win32/win32_text_codec.h"
#else
#include "platform/posix/iconv_text_codec.h"
#endif

namespace tess::testing {

#ifdef _WIN32
using SystemTextCodec = win32::Win32TextCodec;
#else
using SystemTextCodec = IconvTextCodec;
#endif

}  // namespace tess::testing
