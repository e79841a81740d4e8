#include "hhc/command_line.h"

#include <charconv>

namespace hhc {

namespace {

constexpr unsigned kMostThreads = 1024;

tess::Result<unsigned> ThreadCount(const std::string& text) {
    unsigned n = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || end != text.data() + text.size() || n == 0 || n > kMostThreads)
        return tess::Error{"the thread count must be a number from 1 to " + std::to_string(kMostThreads) +
                           ", not \"" + text + "\"."};
    return n;
}

}  // namespace

tess::Result<CommandLine> ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    bool have_project = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        std::string count;
        if (a == "-j" || a == "--threads") {
            if (i + 1 == args.size()) return tess::Error{a + " needs a thread count."};
            count = args[++i];
        } else if (a.rfind("--threads=", 0) == 0) {
            count = a.substr(10);
        } else if (a.size() > 2 && a.rfind("-j", 0) == 0) {
            count = a.substr(2);
        } else if (have_project) {
            return tess::Error{"only one project file may be named."};
        } else {
            line.project = a;
            have_project = true;
            continue;
        }
        auto n = ThreadCount(count);
        if (!n) return n.error();
        line.threads = *n;
    }
    if (!have_project) return tess::Error{"no project file was named."};
    return line;
}

}  // namespace hhc
