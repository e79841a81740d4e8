// A help project (.hhp): the program's own (code page 932, absolute paths) or one a person or a
// documentation tool wrote.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

namespace hhc {

// Values are UTF-8, whatever the file's own encoding was.
struct Project {
    std::string compiled_file;
    std::string log_file;
    std::string default_topic;
    std::string title;
    std::string contents_file;  // a sitemap (.hhc); may be empty
    std::string index_file;     // a sitemap of keywords (.hhk); may be empty
    std::string default_window; // the [WINDOWS] name the viewer opens; empty: the first
    std::string default_font;   // "MS Sans Serif,8,0"; may be empty
    std::vector<std::string> files;
    std::vector<std::string> windows;  // [WINDOWS] lines as written: name="caption","toc",...
    unsigned language = 0;  // 0 when the project names none
    bool full_text_search = true;  // off only when the project says "No"
    bool binary_toc = false;
    bool binary_index = true;      // assumed when the project does not say
    bool auto_index = false;
    bool show_progress = true;     // "Display compile progress" is Yes unless it says "No"
    unsigned threads = 0;          // "Threads=N" caps the compressing threads; 0 leaves them be
    // Context-sensitive help and merged files: the lines of [MAP] and [ALIAS] as written, the
    // files named in [TEXT POPUPS] and [MERGE FILES].
    std::vector<std::string> map_lines, alias_lines, text_popups, merge_files;
    // What the project asks for that the compiler does not do, for the log: "option Binary
    // TOC=Yes", "section [MAP]".
    std::vector<std::string> ignored;
};

// `bytes` may be UTF-8 (with or without a BOM), UTF-16 with a BOM, or the code page of the
// project's language (932 when it names none). Tolerates LF-only lines, blanks around "=", any case in keys and section names.
// Fails only when there is nothing to compile; `partial` then still carries what was read
// (so the reason can go into a log that is named). A project may name no log.
tess::Result<Project> ParseProject(std::string_view bytes, Project* partial = nullptr);

}  // namespace hhc
