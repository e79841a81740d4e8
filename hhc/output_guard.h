// Keeps hhc from writing its compiled file or its log over a file it reads, or over each
// other: one typo in a project must not cost the user a page or the project itself.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/result.h"

namespace hhc {

struct Collection;
struct Project;

class OutputGuard {
public:
    // `log` is "" when the project names none; the project file is always read.
    OutputGuard(const std::string& project_path, const std::string& log);

    // Fails, naming both paths, when the compiled file or the log is one of `sources` or the
    // two are one file. Sources given before the compiled file is known (with `compiled` "")
    // are kept for the later checks. The sources' identities are asked on `threads` threads.
    tess::Status Check(const std::string& compiled, const std::vector<std::string>& sources, unsigned threads = 1);

    // Files a project reads besides its pages: text popups and the headers [MAP] and
    // [ALIAS] #include (paths as the project writes them).
    static std::vector<std::string> ProjectReads(const Project& project);
    // The files a collection read.
    static std::vector<std::string> SourcesOf(const Collection& collection);

    // Set when the log must not be written: the reason then goes to stderr.
    const std::optional<std::string>& log_clash() const { return log_clash_; }

private:
    tess::Status Refuse(const std::string& what, const std::string& output, const std::string& source, bool log);

    std::string log_, log_id_;
    std::vector<std::pair<std::string, std::string>> read_;  // identity and path of the early sources
    std::optional<std::string> log_clash_;
};

}  // namespace hhc
