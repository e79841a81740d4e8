// Runs hhc (and the independent CHM readers) as real processes.
#pragma once

#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

namespace hhc_test {

// hhc's exit statuses, as Microsoft's compiler's.
constexpr int kCreatedStatus = 1;
constexpr int kFailedStatus = 0;

struct Exit {
    int code = -1;   // -1 when ended by a signal
    int signal = 0;
};

struct HhcOptions {
    std::map<std::string, std::string> env;  // added to (or replacing in) the inherited ones
    long long file_size_limit = 0;           // soft RLIMIT_FSIZE for hhc; 0: none
    int run_as_user = -1;                    // a root test runner drops to this user id; -1: stay
    std::string folder;                      // the working folder; empty: the test's own
};

pid_t StartProcess(const std::vector<std::string>& argv, const HhcOptions& options = {},
                   const std::string& output_file = "/dev/null");
Exit WaitProcess(pid_t pid);
Exit RunHhc(const std::string& project, const HhcOptions& options = {});
pid_t StartHhc(const std::string& project, const HhcOptions& options = {});

// Writes the project exactly as the program does: 14 lines, code page 932, CR LF.
// `program_folder` ends in "/". Returns the project's path inside the program folder.
std::string WriteProgramProject(const std::string& program_folder, const std::string& page,
                                const std::string& eol = "\r\n");

// The compiled file as the independent reader (extract_chmLib) gives it: name -> bytes.
std::map<std::string, std::string> ExtractChm(const std::string& chm, const std::string& scratch_folder);
// The names that 7z lists in a compiled file.
std::vector<std::string> ListChmWith7z(const std::string& chm);

// Waits until the running process has read at least `bytes` (all its reads together, from
// /proc): hhc has then read its inputs and is compiling. False when it ended first.
bool AwaitBytesRead(pid_t pid, long long bytes);

// The log, decoded from code page 932.
std::string ReadLog(const std::string& path);

}  // namespace hhc_test
