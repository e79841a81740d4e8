// The project handed to the engine (chmcmd), in its own terms.
#pragma once

#include <string>
#include <vector>

namespace hhc {

struct EngineJob {
    std::string output;             // relative to the engine's working folder
    std::string default_topic;      // relative name of the page
    std::string contents_file;      // relative name of a sitemap, may be empty
    std::string title_ansi;         // code page 932 bytes, may be empty
    unsigned language = 0;          // 0: leave the engine's default
    std::vector<std::string> files; // relative names, "/" syntax
};

std::string EngineProjectText(const EngineJob& job);

}  // namespace hhc
