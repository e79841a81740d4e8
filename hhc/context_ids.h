// The context ids of a help project: [MAP] gives names numbers (lines "#define NAME 12",
// "NAME=0x0C", "#include header.h"), [ALIAS] gives names topics ("NAME=folder\page.htm#part",
// "#include aliases.h"). Names match whatever their case.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace hhc {

struct ContextAlias {
    std::string name;    // as [ALIAS] spells it
    uint32_t id = 0;
    std::string file;    // relative to the project's folder, "/" between folders
    std::string anchor;  // "#part", or empty
};

struct ContextIds {
    std::vector<ContextAlias> aliases;  // in [ALIAS] order, each id once
    std::vector<std::string> warnings;  // log lines, UTF-8
};

// The text of an included file (UTF-8), given its path relative to the project's folder;
// nothing when there is no such file.
using ReadIncluded = std::function<std::optional<std::string>(const std::string& path)>;

// An included file is looked for beside the file that includes it, then in the project's
// folder. Whatever does not resolve is a warning naming it; nothing here fails.
ContextIds ParseContextIds(const std::vector<std::string>& map_lines, const std::vector<std::string>& alias_lines,
                           const ReadIncluded& read);

}  // namespace hhc
