#include "platform/posix/posix_settings_backend.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <system_error>

#include "platform/posix/atomic_replace.h"
#include "platform/posix/path_text.h"
#include "platform/posix/fd_io.h"
#include "platform/posix/settings_text.h"
#include "platform/posix/unique_fd.h"

namespace tess {

namespace {

constexpr mode_t kSettingsMode = 0600;

enum class FileState { missing, readable, damaged };

struct Loaded {
    FileState state = FileState::missing;
    SettingsDocument document;
};

Loaded Load(const std::string& path) {
    UniqueFd in(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
    if (!in) return {errno == ENOENT ? FileState::missing : FileState::damaged, {}};
    std::string text;
    if (!ReadAll(in.get(), text)) return {FileState::damaged, {}};
    std::optional<SettingsDocument> document = ParseSettingsText(text);
    if (!document) return {FileState::damaged, {}};
    return {FileState::readable, std::move(*document)};
}

std::string UtcStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    ::gmtime_r(&now, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &parts);
    return text;
}

// The damaged file stays for the user to look at, under a name that replaces nothing.
Status KeepAside(const std::string& path) {
    const std::string base = path + ".corrupt-" + UtcStamp();
    for (int attempt = 1; attempt < 1000; ++attempt) {
        const std::string aside = attempt == 1 ? base : base + "-" + std::to_string(attempt);
        if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0) return {};
        if (errno != EEXIST) break;
    }
    return Error{ErrnoMessage("Cannot keep the damaged settings file " + path + " aside")};
}

// An application name is one folder, whatever it holds.
std::string FolderName(const std::string& app) {
    std::string name = app;
    for (char& c : name)
        if (c == '/') c = '_';
    if (name.empty() || name == "." || name == "..") name = "_" + name;
    return name;
}

// A settings file kept as a link (dotfiles managed elsewhere) is written where it points,
// so the link stays a link.
std::string WritePathFor(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr) return path;
    std::string target = resolved;
    std::free(resolved);
    return target;
}

}  // namespace

PosixSettingsBackend::PosixSettingsBackend(std::string config_home) : config_home_(std::move(config_home)) {}

std::string PosixSettingsBackend::FileFor(const std::string& app) const {
    return config_home_ + "/" + FolderName(app) + "/settings.ini";
}

std::string PosixSettingsBackend::Get(const std::string& app, const std::string& section,
                                      const std::string& key) {
    const Loaded loaded = Load(FileFor(app));
    const std::string* value = FindSetting(loaded.document, section, key);
    return value ? *value : std::string();
}

Status PosixSettingsBackend::Set(const std::string& app, const std::string& section, const std::string& key,
                                 const std::string& value) {
    std::error_code error;
    std::filesystem::create_directories(FolderOf(FileFor(app)), error);
    if (error) return Error{"Cannot create the settings folder " + FolderOf(FileFor(app)) + ": " + error.message()};
    const std::string path = WritePathFor(FileFor(app));

    Loaded loaded = Load(path);
    if (loaded.state == FileState::damaged) {
        if (Status kept = KeepAside(path); !kept) return kept;
    }
    AssignSetting(loaded.document, section, key, value);
    const std::string text = FormatSettingsText(loaded.document);
    return ReplaceAtomically(path, kSettingsMode, [&](int fd) -> Status {
        if (!WriteAll(fd, text)) return Error{ErrnoMessage("Cannot write the settings file " + path)};
        return {};
    });
}

}  // namespace tess
