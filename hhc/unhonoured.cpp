#include "hhc/unhonoured.h"

#include <algorithm>
#include <cctype>

#include "platform/text.h"

namespace hhc {
namespace {

struct Lack {
    std::string_view name;  // lower case: an option's key, or a section's name in brackets
    std::string_view lack;
};

constexpr Lack kLacks[] = {
    {"compatibility", "the compiled file is made for viewers of version 1.1 and later"},
    {"create chi file", "no separate .chi file is written; the index stays inside the compiled file"},
    {"display compile notes", "no notes are shown while compiling; the log still names every file left out"},
    {"threads", "it takes a number of threads from 1 to 1024; the compiled file is compressed on every core"},
    {"enhanced decompilation", "the compiled file holds no copy of the project and its sitemap sources for "
                               "decompiling"},
    {"flat", "the compiled file keeps the project's folders"},
    {"full text search stop list file", "every word is searchable: no stop words are left out of the search index"},
    {"sample list file", "the compiled file has no list of samples to copy"},
    {"sample staging path", "the compiled file has no list of samples to copy"},
    {"custom tab", "the navigation pane has no custom tab"},
    {"prefix", "stored names keep their folders as the project lists them"},
    {"citation", "the compiled file holds no citation text"},
    {"copyright", "the compiled file holds no copyright text"},
    {"[infotypes]", "the compiled file has no information types: every viewer shows every topic"},
    {"[subsets]", "the compiled file has no subsets: its contents and search cover every topic"},
    {"[categories]", "the compiled file has no categories of information types"},
    {"[exclude]", "no file is kept out by it"},
};

std::string_view LackOf(std::string_view ignored) {
    std::string key;
    if (ignored.starts_with("option ")) {
        std::string_view rest = ignored.substr(7);
        key = tess::AsciiLowered(rest.substr(0, rest.find('=')));
        while (!key.empty() && key.back() == ' ') key.pop_back();
    } else if (ignored.starts_with("section ")) {
        key = tess::AsciiLowered(ignored.substr(8));
    }
    for (const auto& l : kLacks)
        if (l.name == key) return l.lack;
    return ignored.starts_with("section ") ? "nothing in the compiled file comes from it"
                                           : "the compiler does not know this option; nothing was done with it";
}

}  // namespace

std::string UnhonouredLine(std::string_view ignored) {
    return "Warning: the " + std::string(ignored) + " is not supported and was ignored: " +
           std::string(LackOf(ignored)) + ".";
}

}  // namespace hhc
