// A compiler project as the program writes it: 14 lines, code page 932, CR LF.
#pragma once

#include <string>

#include "platform/posix/iconv_text_codec.h"

namespace tess::testing {

// `folder` ends without "/"; the work files go there. Paths are UTF-8.
inline std::string ProjectText(const std::string& folder, const std::string& page) {
    IconvTextCodec codec;
    const std::string lines[] = {"[Options]",
                                 "Compatibility = 1.1 Or later",
                                 "Compiled file=" + folder + "/Dummy.chm",
                                 "Default topic=" + page,
                                 "Display compile progress=No",
                                 "Error log file=" + folder + "/log1.log",
                                 "Language=0x411 日本語",
                                 "",
                                 "",
                                 "[Files]",
                                 page,
                                 "",
                                 "[INFOTYPES]",
                                 ""};
    std::string text;
    for (const auto& line : lines) text += *codec.ToAnsi(line) + "\r\n";
    return text;
}

}  // namespace tess::testing
