#include "hhc/held_log.h"
#include "hhc/log_line.h"
#include "hhc/posix/file_mode.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace hhc {
namespace {

std::string SystemReason() { return std::strerror(errno); }

}  // namespace

tess::Result<HeldLog> HeldLog::Create(const std::string& path) {
    size_t slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string temp = folder + "." + name + ".XXXXXX";
    int fd = mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return tess::Error{"The log " + path + " cannot be created: " + SystemReason() + "."};
    // A fresh inode nobody else knows yet, so this cannot block.
    if (flock(fd, LOCK_EX) != 0 || fchmod(fd, PlainFileMode()) != 0 || rename(temp.c_str(), path.c_str()) != 0) {
        std::string reason = SystemReason();
        unlink(temp.c_str());
        close(fd);
        return tess::Error{"The log " + path + " cannot be created: " + reason + "."};
    }
    return HeldLog(fd);
}

HeldLog::HeldLog(HeldLog&& other) noexcept : handle_(other.handle_) { other.handle_ = -1; }

HeldLog::~HeldLog() { Release(); }

tess::Status HeldLog::WriteLine(std::string_view bytes) { return Append(Harmless(std::string(bytes))); }

tess::Status HeldLog::WriteSuccessLine(std::string_view bytes) { return Append(std::string(bytes)); }

tess::Status HeldLog::Append(std::string line) {
    if (handle_ < 0) return tess::Error{"The log is closed."};
    line += "\r\n";
    const char* p = line.data();
    size_t left = line.size();
    while (left > 0) {
        ssize_t n = write(static_cast<int>(handle_), p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return tess::Error{"The log cannot be written: " + SystemReason() + "."};
        p += n;
        left -= static_cast<size_t>(n);
    }
    return {};
}

void HeldLog::Release() {
    if (handle_ < 0) return;
    close(static_cast<int>(handle_));
    handle_ = -1;
}

}  // namespace hhc
