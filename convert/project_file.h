// The throw-away help project that makes the compiler turn one page into Dummy.chm.
#pragma once

#include <string>

#include "platform/files.h"
#include "platform/result.h"
#include "platform/text_codec.h"

namespace tess {

inline constexpr const char* kProjectFileName = "Dummy.hhp";
inline constexpr const char* kCompiledFileName = "Dummy.chm";
inline constexpr const char* kLogFileName = "log1.log";

// The project's text (UTF-8, CR LF after every line) for work folder `folder` (ending in a
// separator) and page `page`.
std::string ProjectFileText(const std::string& folder, const std::string& page);

// The same text in the compiler's code page. Refuses a path that would not survive in it: one
// with no code-page form, or one holding a control character that would add lines of its own.
Result<std::string> ProjectFileBytes(TextCodec& codec, const std::string& folder, const std::string& page);

// Writes folder + "Dummy.hhp", replacing what was there.
Status WriteProjectFile(Files& files, TextCodec& codec, const std::string& folder, const std::string& page);

}  // namespace tess
