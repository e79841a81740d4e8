// Windows paths in the Linux form a Linux program understands, through Wine's own mapping.
#pragma once

#include <functional>
#include <string>

#include "platform/result.h"

namespace hhc::win32 {

// A Windows path -> its Linux path (UTF-8).
using UnixPathFn = std::function<tess::Result<std::string>(const std::wstring&)>;

// Fails, saying so plainly, on a Windows that is not Wine.
tess::Result<UnixPathFn> WineUnixPaths();

}  // namespace hhc::win32
