// Runs the companion command the way a user would, in a world of its own: its own settings,
// registry stand-in, work folder and compiler, optionally without root's rights.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tess::testing {

struct CommandResult {
    int exit_code = -1;
    std::string out;
    std::string err;
};

class ConvertWorld {
public:
    // `compiler`: the program placed as <root>/compiler/hhc (empty: none).
    explicit ConvertWorld(const std::string& compiler = TEST_HHC_PATH);
    ~ConvertWorld();
    ConvertWorld(const ConvertWorld&) = delete;
    ConvertWorld& operator=(const ConvertWorld&) = delete;

    const std::string& root() const { return root_; }
    std::string Path(const std::string& relative) const { return root_ + "/" + relative; }
    // Writes a file (making its folders), readable by anyone.
    std::string Write(const std::string& relative, const std::string& bytes);

    std::map<std::string, std::string> env;  // added to the command's environment
    bool unprivileged = false;               // run as "nobody" (root ignores permissions)
    long file_size_limit = -1;               // bytes, as a full disk would stop writes

    CommandResult Convert(const std::vector<std::string>& arguments);
    // Starts a program in this world without waiting; returns its process id.
    int Start(const std::string& program, const std::vector<std::string>& arguments);

private:
    std::string root_;
};

std::string Slurp(const std::string& path);
bool Has(const std::string& text, const std::string& piece);
// Polls every millisecond; false when `condition` did not come true within `timeout_ms`.
bool WaitUntil(const std::function<bool()>& condition, int timeout_ms);
bool Exists(const std::string& path);
// Every file under `folder`, as relative path -> bytes (links as "-> target").
std::map<std::string, std::string> Snapshot(const std::string& folder);

}  // namespace tess::testing
