// What the viewer navigates by: the contents and index files and the window that shows them,
// from the project, or a contents list made from the pages when the project names none.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "chm/writer.h"
#include "hhc/collect.h"
#include "hhc/project.h"

namespace hhc {

struct Navigation {
    std::string contents;               // full paths; empty for none
    std::string index;
    std::optional<chm::Window> window;  // the window the viewer opens; its files as full paths
    std::vector<std::string> named;     // files to take in besides the project's own list
    std::vector<std::string> warnings;  // log lines, UTF-8
};

// Reads the project's choices; `resolve` turns a path as the project writes it into a full one.
Navigation NavigationOf(const Project& project, const std::function<std::string(const std::string&)>& resolve);

// A contents, index or window file that was left out is no longer named (the log says why).
void ForgetLeftOut(const Collection& collection, Navigation& navigation);

// Files made when nothing else names them take a name no collected file has.
std::string UnusedName(const std::vector<chm::InputFile>& inputs, const std::string& stem, const std::string& ext);

// Sets the options' contents, index and window to names inside the compiled file. Without a
// contents file and with more than one page among `inputs` (a topic has a title), makes a
// contents list of the pages in the order they were reached and adds it to `inputs`.
void ApplyNavigation(const Navigation& navigation, const Collection& collection, uint32_t code_page,
                     chm::Options& options, std::vector<chm::InputFile>& inputs);

}  // namespace hhc
