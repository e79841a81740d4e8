// One compilation: project file in, compiled file and log out.
#pragma once

#include <string>

namespace hhc {

// Exit statuses, as Microsoft's compiler gives them: documentation tools (Doxygen, Sandcastle
// Help File Builder, Inno Setup's help build) take 1 as success.
constexpr int kCreated = 1;
constexpr int kFailed = 0;       // the reason is in the log
constexpr int kNoLog = 2;        // no log could be named or made; the reason went to stderr

// The status of a created file: kCreated, or 0 when HHC_SUCCESS_STATUS=0 is set, for make and
// CI scripts that take 0 as success. A failure is then 1 (kNoLog stays 2).
int ExitStatus(int status);

// `threads` compress (0: one per core); the compiled file is the same for any count.
int CompileProject(const std::string& project_path, unsigned threads = 0);

// A path in double quotes, as a Windows command line gives it, is taken without them
// unless a file has the quoted name.
std::string ProjectArgument(const std::string& argument);

// What `hhc` with no argument prints.
extern const char* const kUsage;

}  // namespace hhc
