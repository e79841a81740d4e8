#include "hhc_runner.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "convert/project_file.h"
#include "platform/posix/iconv_text_codec.h"
#include "temp_tree.h"
#include "tests/posix/running_processes.h"

extern char** environ;

namespace hhc_test {
namespace fs = std::filesystem;

pid_t StartProcess(const std::vector<std::string>& argv, const HhcOptions& options, const std::string& output_file) {
    std::map<std::string, std::string> env;
    for (char** e = environ; *e; ++e) {
        std::string kv = *e;
        size_t eq = kv.find('=');
        if (eq != std::string::npos) env[kv.substr(0, eq)] = kv.substr(eq + 1);
    }
    for (const auto& [k, v] : options.env) env[k] = v;
    std::vector<std::string> env_strings;
    for (const auto& [k, v] : env) env_strings.push_back(k + "=" + v);
    std::vector<char*> envp, args;
    for (auto& s : env_strings) envp.push_back(s.data());
    envp.push_back(nullptr);
    std::vector<std::string> argv_copy = argv;
    for (auto& s : argv_copy) args.push_back(s.data());
    args.push_back(nullptr);

    pid_t pid = fork();
    if (pid == 0) {
        if (options.file_size_limit > 0) {
            // Soft only: a child that is meant to be spared may lift it again.
            rlimit limit{static_cast<rlim_t>(options.file_size_limit), RLIM_INFINITY};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        if (options.run_as_user >= 0 && (setgid(static_cast<gid_t>(options.run_as_user)) != 0 ||
                                         setuid(static_cast<uid_t>(options.run_as_user)) != 0))
            _exit(126);
        if (!options.folder.empty() && chdir(options.folder.c_str()) != 0) _exit(125);
        int out = open(output_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out >= 0) {
            dup2(out, 1);
            dup2(out, 2);
        }
        execve(args[0], args.data(), envp.data());
        _exit(127);
    }
    return pid;
}

Exit WaitProcess(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    Exit e;
    if (WIFEXITED(status)) e.code = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) e.signal = WTERMSIG(status);
    return e;
}

pid_t StartHhc(const std::string& project, const HhcOptions& options) {
    return StartProcess({HHC_PATH, project}, options);
}

Exit RunHhc(const std::string& project, const HhcOptions& options) { return WaitProcess(StartHhc(project, options)); }

std::string WriteProgramProject(const std::string& program_folder, const std::string& page, const std::string& eol) {
    tess::IconvTextCodec codec;
    std::string bytes = *codec.ToAnsi(tess::ProjectFileText(program_folder, page));
    for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + eol.size()))
        bytes.replace(at, 2, eol);
    std::string path = program_folder + "Dummy.hhp";
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

std::map<std::string, std::string> ExtractChm(const std::string& chm, const std::string& scratch_folder) {
    fs::create_directories(scratch_folder);
    WaitProcess(StartProcess({"/usr/bin/extract_chmLib", chm, scratch_folder}));
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(scratch_folder))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), scratch_folder).string()] = ReadFile(entry.path().string());
    return files;
}

std::vector<std::string> ListChmWith7z(const std::string& chm) {
    std::string listing = chm + ".7z-listing";
    WaitProcess(StartProcess({"/usr/bin/7z", "l", "-slt", chm}, {}, listing));
    std::istringstream in(ReadFile(listing));
    fs::remove(listing);
    std::vector<std::string> names;
    for (std::string line; std::getline(in, line);)
        if (line.rfind("Path = ", 0) == 0 && line.substr(7) != chm) names.push_back(line.substr(7));
    return names;
}

bool AwaitBytesRead(pid_t pid, long long bytes) {
    const std::string io = "/proc/" + std::to_string(pid) + "/io";
    for (;;) {
        siginfo_t info{};
        if (waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == pid)
            return false;
        std::istringstream in(tess::testing::ReadProcFile(io));
        std::string key;
        long long value = 0;
        if (in >> key >> value && key == "rchar:" && value >= bytes) return true;
    }
}

std::string ReadLog(const std::string& path) { return tess::IconvTextCodec().FromAnsi(ReadFile(path)); }

}  // namespace hhc_test
