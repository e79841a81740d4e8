#include "platform/posix/posix_program_info.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/posix/path_text.h"

namespace tess {

PosixProgramInfo::PosixProgramInfo(std::string cache_home, std::string shared_temp)
    : cache_home_(std::move(cache_home)), shared_temp_(std::move(shared_temp)) {}

std::string PosixProgramInfo::ExecutableFolder() {
    std::error_code error;
    const auto executable = std::filesystem::canonical("/proc/self/exe", error);
    if (!error) return FolderOf(executable.string());
    // A program replaced on disk while running still knows where it was started from.
    std::string link = std::filesystem::read_symlink("/proc/self/exe", error).string();
    if (error) return ".";
    constexpr std::string_view kDeleted = " (deleted)";
    if (link.size() > kDeleted.size() && link.ends_with(kDeleted)) link.resize(link.size() - kDeleted.size());
    return FolderOf(link);
}

std::string PosixProgramInfo::UserWorkFolder(const std::string& app) {
    const std::string folder = cache_home_ + "/" + app + "/";
    std::error_code ignored;
    // A failure shows later, when the work files cannot be written, with a clearer message.
    std::filesystem::create_directories(folder, ignored);
    return folder;
}

Result<std::string> PosixProgramInfo::PlainWorkFolder(const std::string& app) {
    const std::string folder = shared_temp_ + "/" + app + "-" + std::to_string(::getuid());
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return Error{"Cannot create the folder " + folder + ": " + std::strerror(errno)};
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0)
        return Error{"Cannot use the folder " + folder + ": " + std::strerror(errno)};
    // Someone else may have made it first, to read or replace our work files.
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::getuid() || (info.st_mode & 077) != 0)
        return Error{"The folder " + folder + " is not a private folder of this user; it is left alone."};
    return folder + "/";
}

}  // namespace tess
