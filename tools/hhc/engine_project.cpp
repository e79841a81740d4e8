#include "tools/hhc/engine_project.h"

#include <cstdio>

namespace hhc {

std::string EngineProjectText(const EngineJob& job) {
    std::string text = "[OPTIONS]\n";
    text += "Compiled file=" + job.output + "\n";
    text += "Default topic=" + job.default_topic + "\n";
    if (!job.contents_file.empty()) text += "Contents file=" + job.contents_file + "\n";
    if (!job.title_ansi.empty()) text += "Title=" + job.title_ansi + "\n";
    if (job.language != 0) {
        // The engine reads only hex here; a decimal id silently becomes English.
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%x", job.language);
        text += std::string("Language=") + hex + "\n";
    }
    text += "\n[FILES]\n";
    for (const auto& f : job.files) text += f + "\n";
    return text;
}

}  // namespace hhc
