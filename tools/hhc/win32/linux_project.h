// The project as the program wrote it (code page 932, Windows paths) and the copy the
// Linux compiler is given (code page 932, Linux paths, its outputs in the private folder).
#pragma once

#include <string>
#include <string_view>

#include "platform/result.h"
#include "tools/hhc/win32/unix_path.h"

namespace hhc::win32 {

// Relative values are taken from the project's folder; empty when the project names none.
struct ProjectOutputs {
    std::wstring compiled_file;
    std::wstring log_file;
};
ProjectOutputs FindOutputs(std::string_view bytes, const std::wstring& project_folder);

struct LinuxOutputs {
    std::string compiled_file;  // Linux paths (UTF-8)
    std::string log_file;
};
// Every other line is kept as it is; lines end in CR LF.
tess::Result<std::string> LinuxProjectText(std::string_view bytes, const std::wstring& project_folder,
                                           const LinuxOutputs& outputs, const UnixPathFn& unix_of);

}  // namespace hhc::win32
