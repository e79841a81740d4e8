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

}  // namespace

tess::Result<std::string> StagedFile::CreateTemp(const std::string& final_path) {
    size_t slash = final_path.rfind('/');
    std::string folder = slash == std::string::npos ? "" : final_path.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? final_path : final_path.substr(slash + 1);
    std::string temp = folder + "." + name + ".XXXXXX";
    int fd = mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return tess::Error{CannotWrite(final_path, errno)};
    int err = fchmod(fd, PlainFileMode()) != 0 ? errno : 0;
    close(fd);
    if (err != 0) {
        unlink(temp.c_str());
        return tess::Error{CannotWrite(final_path, err)};
    }
    return temp;
}

void StagedFile::ForgetOpen(const std::string& temp) { unlink(temp.c_str()); }

void StagedFile::RemoveTemp(const std::string& temp) { unlink(temp.c_str()); }

StagedFile::StagedFile(StagedFile&& other) noexcept
    : temp_(std::move(other.temp_)), final_(std::move(other.final_)), size_(other.size_) {
    other.temp_.clear();
}

StagedFile::~StagedFile() {
    if (!temp_.empty()) RemoveTemp(temp_);
}

tess::Status StagedFile::Commit() {
    if (temp_.empty()) return tess::Error{"The compiled file " + final_ + " was already placed."};
    if (rename(temp_.c_str(), final_.c_str()) != 0) return tess::Error{CannotWrite(final_, errno)};
    temp_.clear();
    return {};
}

}  // namespace hhc
