// One compilation under Wine: the project is handed to the Linux compiler in Linux terms,
// and its outcome is put in the program's places with the log protocol kept.
#pragma once

#include <string>

namespace hhc::win32 {

// 0 when the compiled file was made, 1 otherwise (the reason is in the log, or on stderr
// when no log can be named or made).
int CompileUnderWine(const std::wstring& project_path);

}  // namespace hhc::win32
