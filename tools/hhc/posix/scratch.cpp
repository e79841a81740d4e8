#include "tools/hhc/scratch.h"
#include "tools/hhc/posix/file_mode.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace hhc {
namespace fs = std::filesystem;
namespace {

std::string SystemReason(int err) { return std::strerror(err); }

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    // Close errors count: some file systems report a full disk only here.
    int Close() {
        int r = close(fd_);
        fd_ = -1;
        return r;
    }

private:
    int fd_;
};

// Returns 0 or the errno of the failure.
int CopyData(int in, int out, std::uint64_t& size) {
    char buffer[1 << 16];
    for (;;) {
        ssize_t n = read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return 0;
        for (ssize_t done = 0; done < n;) {
            ssize_t w = write(out, buffer + done, static_cast<size_t>(n - done));
            if (w < 0 && errno == EINTR) continue;
            if (w < 0) return errno;
            done += w;
        }
        size += static_cast<std::uint64_t>(n);
    }
}

}  // namespace

tess::Result<std::string> MakePrivateFolder() {
    const char* tmp = std::getenv("TMPDIR");
    std::string base = tmp && *tmp ? tmp : "/tmp";
    if (base.back() != '/') base += '/';
    std::string folder = base + "tessaline-hhc-XXXXXX";
    if (!mkdtemp(folder.data()))
        return tess::Error{"No temporary folder can be made in " + base + ": " + SystemReason(errno) + "."};
    return folder;
}

void RemoveTree(const std::string& folder) {
    std::error_code ec;
    fs::remove_all(folder, ec);
}

tess::Status CopyInto(const std::string& from, const std::string& to) {
    std::error_code ec;
    fs::create_directories(fs::path(to).parent_path(), ec);
    if (ec) return tess::Error{"The folder for " + to + " cannot be made: " + ec.message() + "."};
    Fd in(open(from.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.get() < 0) return tess::Error{from + " cannot be read: " + SystemReason(errno) + "."};
    Fd out(open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
    if (out.get() < 0) return tess::Error{to + " cannot be written: " + SystemReason(errno) + "."};
    std::uint64_t size = 0;
    int err = CopyData(in.get(), out.get(), size);
    if (err == 0 && out.Close() != 0) err = errno;
    if (err != 0) return tess::Error{from + " cannot be copied: " + SystemReason(err) + "."};
    return {};
}

tess::Result<StagedFile> StagedFile::Write(const std::string& from, const std::string& final_path) {
    size_t slash = final_path.rfind('/');
    std::string folder = slash == std::string::npos ? "" : final_path.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? final_path : final_path.substr(slash + 1);
    std::string temp = folder + "." + name + ".XXXXXX";

    Fd in(open(from.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.get() < 0) return tess::Error{"The compiled file cannot be read: " + SystemReason(errno) + "."};
    Fd out(mkostemp(temp.data(), O_CLOEXEC));
    if (out.get() < 0)
        return tess::Error{"The compiled file " + final_path + " cannot be written: " + SystemReason(errno) + "."};

    std::uint64_t size = 0;
    int err = CopyData(in.get(), out.get(), size);
    if (err == 0 && fchmod(out.get(), PlainFileMode()) != 0) err = errno;
    if (err == 0 && fsync(out.get()) != 0) err = errno;
    if (err == 0 && out.Close() != 0) err = errno;
    if (err != 0) {
        unlink(temp.c_str());
        return tess::Error{"The compiled file " + final_path + " cannot be written: " + SystemReason(err) + "."};
    }
    return StagedFile(temp, final_path, size);
}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : temp_(std::move(other.temp_)), final_(std::move(other.final_)), size_(other.size_) {
    other.temp_.clear();
}

StagedFile::~StagedFile() {
    if (!temp_.empty()) unlink(temp_.c_str());
}

tess::Status StagedFile::Commit() {
    if (temp_.empty()) return tess::Error{"The compiled file " + final_ + " was already placed."};
    if (rename(temp_.c_str(), final_.c_str()) != 0)
        return tess::Error{"The compiled file " + final_ + " cannot be written: " + SystemReason(errno) + "."};
    temp_.clear();
    return {};
}

}  // namespace hhc
