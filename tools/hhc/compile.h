// One compilation: project file in, compiled file and log out.
#pragma once

#include <string>

namespace hhc {

// Exit statuses.
constexpr int kCreated = 0;
constexpr int kFailed = 1;       // the reason is in the log
constexpr int kNoLog = 2;        // no log could be named or made; the reason went to stderr

int CompileProject(const std::string& project_path);

// A path in double quotes, as a Windows command line gives it, is taken without them
// unless a file has the quoted name.
std::string ProjectArgument(const std::string& argument);

}  // namespace hhc
