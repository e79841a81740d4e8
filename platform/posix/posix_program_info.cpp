#include "platform/posix/posix_program_info.h"

#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/posix/path_text.h"

namespace tess {

PosixProgramInfo::PosixProgramInfo(std::string cache_home) : cache_home_(std::move(cache_home)) {}

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

}  // namespace tess
