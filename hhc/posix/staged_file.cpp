#include "hhc/staged_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "hhc/posix/file_mode.h"

namespace hhc {
namespace {

std::string CannotWrite(const std::string& path, int err) {
    return "The compiled file " + path + " cannot be written: " + std::strerror(err) + ".";
}

// Returns 0 or the errno of the failure.
int WriteAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        ssize_t w = write(fd, p, left);
        if (w < 0 && errno == EINTR) continue;
        if (w < 0) return errno;
        if (w == 0) return ENOSPC;
        p += w;
        left -= static_cast<size_t>(w);
    }
    return 0;
}

}  // namespace

tess::Result<StagedFile> StagedFile::Write(std::string_view bytes, const std::string& final_path) {
    size_t slash = final_path.rfind('/');
    std::string folder = slash == std::string::npos ? "" : final_path.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? final_path : final_path.substr(slash + 1);
    std::string temp = folder + "." + name + ".XXXXXX";
    int fd = mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return tess::Error{CannotWrite(final_path, errno)};
    int err = WriteAll(fd, bytes);
    if (err == 0 && fchmod(fd, PlainFileMode()) != 0) err = errno;
    // A full disk shows at write or, on some file systems, at close. No fsync: the file is a
    // work file the program copies at once, and waiting for the disk would cost more than
    // the whole compilation of a page.
    if (close(fd) != 0 && err == 0) err = errno;
    if (err != 0) {
        unlink(temp.c_str());
        return tess::Error{CannotWrite(final_path, err)};
    }
    return StagedFile(temp, final_path, bytes.size());
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
    if (rename(temp_.c_str(), final_.c_str()) != 0) return tess::Error{CannotWrite(final_, errno)};
    temp_.clear();
    return {};
}

}  // namespace hhc
