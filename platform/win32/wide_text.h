// UTF-8 (the shared code's text) <-> UTF-16 (the Win32 API's text), and system error texts.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/result.h"

namespace tess::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

// The system's own words for an error code, without the trailing line end.
std::string SystemMessage(DWORD code);
// "<what>: <system message>" for the calling thread's last error.
Error LastError(const std::string& what);
Error ErrorFrom(const std::string& what, DWORD code);

}  // namespace tess::win32
