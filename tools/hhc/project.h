// The help project as the program writes it: code page 932 text naming absolute paths.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

namespace hhc {

// Values are kept in the project's own bytes (code page 932); decoding is the caller's job.
struct Project {
    std::string compiled_file;
    std::string log_file;
    std::string default_topic;
    std::string title;
    std::string contents_file;  // a sitemap (.hhc); may be empty
    std::vector<std::string> files;
    unsigned language = 0;  // 0 when the project names none
    bool full_text_search = true;  // off only when the project says "No"
};

// Tolerates LF-only lines, blanks around "=", any case in keys and section names.
// Fails only when the log cannot be named or there is nothing to compile; `partial` then
// still carries what was read (so the reason can go into a log that is named).
tess::Result<Project> ParseProject(std::string_view bytes, Project* partial = nullptr);

}  // namespace hhc
