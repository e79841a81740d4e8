// A compiler project as the program writes it: 14 lines, code page 932, CR LF.
#pragma once

#include <string>

#include "convert/project_file.h"
#include "platform/posix/iconv_text_codec.h"

namespace tess::testing {

// `folder` ends without "/"; the work files go there. Paths are UTF-8.
inline std::string ProjectText(const std::string& folder, const std::string& page) {
    IconvTextCodec codec;
    return *codec.ToAnsi(ProjectFileText(folder + "/", page));
}

}  // namespace tess::testing
