#include "tests/faults/convert_command.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/posix/running_processes.h"

namespace fs = std::filesystem;

namespace tess::testing {

namespace {

constexpr uid_t kNobody = 65534;

void OpenTo(int fd, const std::string& path) {
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    ::dup2(file, fd);
    ::close(file);
}

}  // namespace

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

bool Exists(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

std::map<std::string, std::string> Snapshot(const std::string& folder) {
    std::map<std::string, std::string> files;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(folder, ec); it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        const std::string rel = fs::relative(it->path(), folder).string();
        if (it->is_symlink(ec)) files[rel] = "-> " + fs::read_symlink(it->path(), ec).string();
        else if (it->is_directory(ec)) files[rel] = "<folder>";
        else files[rel] = Slurp(it->path().string());
    }
    return files;
}

ConvertWorld::ConvertWorld(const std::string& compiler) {
    std::string pattern = (fs::temp_directory_path() / "tess-faults-XXXXXX").string();
    root_ = ::mkdtemp(pattern.data());
    for (const char* folder : {"", "/config", "/cache", "/compiler", "/pages"}) {
        fs::create_directories(root_ + folder);
        ::chmod((root_ + folder).c_str(), 0777);
    }
    if (!compiler.empty()) fs::copy_file(compiler, root_ + "/compiler/hhc");
    Write("config/Quillvane/registry.reg",
          "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Microsoft\\HTML Help Workshop]\r\n"
          "\"InstallDir\"=\"" + root_ + "/compiler\"\r\n");
    ::chmod((root_ + "/config/Quillvane").c_str(), 0777);
}

ConvertWorld::~ConvertWorld() {
    KillProcessesWith(root_);
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(root_, ec); it != fs::recursive_directory_iterator(); it.increment(ec))
        if (it->is_directory(ec) && !it->is_symlink(ec)) ::chmod(it->path().c_str(), 0777);
    fs::remove_all(root_, ec);
}

std::string ConvertWorld::Write(const std::string& relative, const std::string& bytes) {
    const std::string path = Path(relative);
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
    ::chmod(path.c_str(), 0666);
    return path;
}

int ConvertWorld::Start(const std::string& program, const std::vector<std::string>& arguments) {
    const pid_t pid = ::fork();
    if (pid != 0) return pid;
    ::setenv("XDG_CONFIG_HOME", Path("config").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", Path("cache").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", Path("cache").c_str(), 1);
    for (const auto& [name, value] : env) ::setenv(name.c_str(), value.c_str(), 1);
    OpenTo(1, Path("out.txt"));
    OpenTo(2, Path("err.txt"));
    if (file_size_limit >= 0) {
        const rlimit limit{static_cast<rlim_t>(file_size_limit), static_cast<rlim_t>(file_size_limit)};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    if (unprivileged && ::geteuid() == 0) {
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(126);
    }
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
}

CommandResult ConvertWorld::Convert(const std::vector<std::string>& arguments) {
    CommandResult result;
    const int pid = Start(CONVERT_PATH, arguments);
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.out = Slurp(Path("out.txt"));
    result.err = Slurp(Path("err.txt"));
    return result;
}

bool Has(const std::string& text, const std::string& piece) { return text.find(piece) != std::string::npos; }

bool WaitUntil(const std::function<bool()>& condition, int timeout_ms) {
    for (int waited = 0; waited < timeout_ms; ++waited) {
        if (condition()) return true;
        ::usleep(1000);
    }
    return false;
}

}  // namespace tess::testing
