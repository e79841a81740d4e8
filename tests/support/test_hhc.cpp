// A help compiler for tests. It reads a project file (code page 932, CR LF) and follows the
// log protocol the program relies on: the log appears already locked, stays locked while
// "working", and on success gains a "Created" line once the compiled file stands complete.
//
// Environment:
//   TEST_HHC_DELAY_MS  work time, in milliseconds, while the log is held (default 0)
//   TEST_HHC_MODE      ok | fail | crash | nolog | nocreated | hang (default ok)
//   TEST_HHC_RECORD    a file to which each argument received is appended, one per line
//   TEST_HHC_MISREAD_PAGE  a page whose compilation fails with a line whose code page 932 bytes
//                      hold "Created" (イ is 83 43), as a compiler that does not guard its lines may
//   TEST_HHC_CHILD_PID_FILE  starts a child that outlives a stop unless its whole group is ended,
//                      and writes its process id there
#include <fcntl.h>
#include <signal.h>
#include <iconv.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace {

struct Project {
    std::string compiled;  // each as code page 932 bytes, the way the log reports them
    std::string log;
    std::string topic;
};

std::string Env(const char* name, const char* fallback) {
    const char* value = std::getenv(name);
    return value ? value : fallback;
}

std::string Cp932ToUtf8(const std::string& bytes) {
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) return bytes;
    std::string out(bytes.size() * 3 + 4, '\0');
    char* in_ptr = const_cast<char*>(bytes.data());
    std::size_t in_left = bytes.size();
    char* out_ptr = out.data();
    std::size_t out_left = out.size();
    const std::size_t done = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
    iconv_close(cd);
    if (done == static_cast<std::size_t>(-1)) return bytes;
    out.resize(out.size() - out_left);
    return out;
}

bool ReadWhole(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool ReadProject(const std::string& path, Project& project) {
    std::string text;
    if (!ReadWhole(path, text)) return false;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        start = end + 1;
        auto take = [&](std::string_view key, std::string& into) {
            if (line.compare(0, key.size(), key) == 0) into = line.substr(key.size());
        };
        take("Compiled file=", project.compiled);
        take("Error log file=", project.log);
        take("Default topic=", project.topic);
    }
    return !project.log.empty();
}

void Record(int argc, char** argv) {
    const std::string record = Env("TEST_HHC_RECORD", "");
    if (record.empty()) return;
    std::ofstream out(record, std::ios::binary | std::ios::app);
    for (int i = 1; i < argc; ++i) out << argv[i] << '\n';
}

void SleepMs(long ms) {
    timespec rest{ms / 1000, (ms % 1000) * 1'000'000};
    while (nanosleep(&rest, &rest) != 0 && errno == EINTR) {
    }
}

void Put(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
}

// "12,345" the way the real compiler prints sizes.
std::string WithThousands(std::size_t n) {
    std::string digits = std::to_string(n);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) digits.insert(static_cast<std::size_t>(i), ",");
    return digits;
}

// The log is locked before it gets its real name, so it is never seen unlocked.
int OpenLockedLog(const std::string& log_path) {
    const std::string temp = log_path + ".tmp-" + std::to_string(getpid());
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return -1;
    if (flock(fd, LOCK_EX) != 0 || rename(temp.c_str(), log_path.c_str()) != 0) {
        close(fd);
        unlink(temp.c_str());
        return -1;
    }
    return fd;
}

// Written under a temporary name and renamed, so a half-written file is never seen.
bool WriteCompiled(const std::string& path, const std::string& bytes) {
    const std::string temp = path + ".tmp-" + std::to_string(getpid());
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    Put(fd, bytes);
    const bool ok = fsync(fd) == 0 && close(fd) == 0 && rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) unlink(temp.c_str());
    return ok;
}

int Fail(int log, const std::string& why) {
    Put(log, "HHC5003: Error: " + why + "\r\n");
    close(log);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    Record(argc, argv);
    const std::string mode = Env("TEST_HHC_MODE", "ok");
    if (argc != 2) return 2;
    Project project;
    if (!ReadProject(argv[1], project)) return 2;
    if (mode == "nolog") return 3;

    const int log = OpenLockedLog(Cp932ToUtf8(project.log));
    if (log < 0) return 4;
    Put(log, "Test help compiler\r\n\r\n");
    const std::string child_file = Env("TEST_HHC_CHILD_PID_FILE", "");
    if (!child_file.empty()) {
        const pid_t child = fork();
        if (child == 0) {
            signal(SIGTERM, SIG_IGN);  // only a kill of the group ends it
            for (;;) pause();
        }
        std::ofstream(child_file) << child << '\n';
    }
    const std::string misread = Env("TEST_HHC_MISREAD_PAGE", "");
    if (!misread.empty() && project.topic.find(misread) != std::string::npos)
        return Fail(log, "cannot read \x83\x43reated.png.");
    if (mode != "ok" && mode != "fail" && mode != "crash" && mode != "hang" && mode != "nocreated")
        return Fail(log, "unknown TEST_HHC_MODE \"" + mode + "\".");
    SleepMs(std::atol(Env("TEST_HHC_DELAY_MS", "0").c_str()));

    if (mode == "hang")
        for (;;) pause();
    if (mode == "crash") {
        rlimit no_core{0, 0};
        setrlimit(RLIMIT_CORE, &no_core);
        Put(log, "Compiling ");
        abort();
    }
    if (mode == "fail") return Fail(log, "the compilation failed as TEST_HHC_MODE asked.");

    std::string page;
    if (!ReadWhole(Cp932ToUtf8(project.topic), page)) return Fail(log, "cannot read the page " + project.topic + ".");
    const std::string compiled = "TESTCHM\n" + page;
    if (!WriteCompiled(Cp932ToUtf8(project.compiled), compiled))
        return Fail(log, "cannot write the compiled file " + project.compiled + ".");

    Put(log, "Compiling " + project.compiled + "\r\n\r\n");
    if (mode == "nocreated") {
        Put(log, "Compile time: 0 minutes, 0 seconds\r\n");
    } else {
        Put(log, "Created " + project.compiled + ", " + WithThousands(compiled.size()) + " bytes\r\n");
    }
    close(log);
    return 0;
}
