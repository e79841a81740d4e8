#include "platform/posix/posix_registry.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "platform/posix/fd_io.h"
#include "platform/posix/reg_text.h"
#include "platform/posix/reg_tree.h"
#include "platform/posix/unique_fd.h"
#include "platform/posix/xdg_folders.h"

namespace tess {

namespace {

constexpr long kInvalidHandle = 6;
constexpr long kInvalidParameter = 87;
constexpr long kKeyDeleted = 1018;
constexpr long kNoUnicodeTranslation = 1113;

constexpr const char* kWorkshopKey = "HKEY_CURRENT_USER\\Software\\Microsoft\\HTML Help Workshop";
constexpr const char* kCompilerName = "hhc";
constexpr const char* kSysInfoKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

std::string RootName(RegRoot root) {
    switch (root) {
        case RegRoot::current_user: return "HKEY_CURRENT_USER";
        case RegRoot::local_machine: return "HKEY_LOCAL_MACHINE";
    }
    return {};
}

bool IsInstalledProgram(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::string ReadText(const std::string& path) {
    std::string text;
    UniqueFd in(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
    if (in) ReadAll(in.get(), text);
    return text;
}

}  // namespace

PosixRegistry::PosixRegistry(TextCodec& codec, std::string file, std::string executable_folder,
                             std::vector<std::string> system_tools)
    : codec_(codec),
      file_(std::move(file)),
      executable_folder_(std::move(executable_folder)),
      system_tools_(std::move(system_tools)) {}

std::vector<std::string> PosixRegistry::DefaultSystemTools() {
    return {"/usr/bin/hardinfo",           "/usr/bin/gnome-system-monitor", "/usr/bin/kinfocenter",
            "/usr/bin/plasma-systemmonitor", "/usr/bin/mate-system-monitor", "/usr/bin/xfce4-taskmanager",
            "/usr/bin/lxtask"};
}

std::string PosixRegistry::DefaultFile(const std::string& app) { return ConfigHome() + "/" + app + "/registry.reg"; }

void PosixRegistry::Load(RegTree& tree, const std::string& text) const {
    tree.SetValue(kWorkshopKey, "InstallDir", RegValue{kRegSz, executable_folder_});
    for (const auto& tool : system_tools_) {
        if (IsInstalledProgram(tool)) {
            tree.SetValue(kSysInfoKey, "PATH", RegValue{kRegSz, tool});
            break;
        }
    }
    ApplyRegText(text, tree);
    // The stored path is run later from whatever the current folder is: only an absolute
    // folder that holds the compiler counts as an installed one.
    if (const RegValue* dir = tree.FindValue(kWorkshopKey, "InstallDir"); dir != nullptr) {
        const bool usable = (dir->type == kRegSz || dir->type == kRegExpandSz) && !dir->data.empty() &&
                            dir->data.front() == '/' && IsInstalledProgram(dir->data + "/" + kCompilerName);
        if (!usable) tree.DeleteValue(kWorkshopKey, "InstallDir");
    }
}

const RegTree& PosixRegistry::Current() {
    std::string text = ReadText(file_);
    if (!tree_ || text != tree_text_) {
        tree_ = std::make_unique<RegTree>();
        Load(*tree_, text);
        tree_text_ = std::move(text);
    }
    return *tree_;
}

long PosixRegistry::OpenKey(RegRoot root, const std::string& path, std::uint32_t, RegKey* key) {
    if (key == nullptr) return kInvalidParameter;
    *key = 0;
    const std::string root_name = RootName(root);
    if (root_name.empty()) return kInvalidHandle;
    const std::string full = RegTree::Normalized(root_name + "\\" + codec_.FromAnsi(path));
    const bool is_root = full == RegTree::Normalized(root_name);
    if (!is_root && !Current().HasKey(full)) {
        if (open_keys_.empty()) tree_.reset();
        return kRegFileNotFound;
    }
    *key = next_key_++;
    open_keys_[*key] = full;
    return kRegSuccess;
}

long PosixRegistry::QueryValue(RegKey key, const std::string& name, std::uint32_t* type, unsigned char* buffer,
                               std::uint32_t* size) {
    const auto open = open_keys_.find(key);
    if (open == open_keys_.end()) return kInvalidHandle;
    if (buffer != nullptr && size == nullptr) return kInvalidParameter;

    const RegTree& tree = Current();
    const bool is_root = open->second.find('\\') == std::string::npos;
    if (!is_root && !tree.HasKey(open->second)) return kKeyDeleted;
    const RegValue* value = tree.FindValue(open->second, codec_.FromAnsi(name));
    if (value == nullptr) return kRegFileNotFound;

    std::string data = value->data;
    if (value->type == kRegSz || value->type == kRegExpandSz) {
        Result<std::string> ansi = codec_.ToAnsi(value->data);
        if (!ansi) return kNoUnicodeTranslation;
        data = *ansi + '\0';
    }
    if (type != nullptr) *type = value->type;
    const auto needed = static_cast<std::uint32_t>(data.size());
    if (size == nullptr) return kRegSuccess;
    if (buffer == nullptr) {
        *size = needed;
        return kRegSuccess;
    }
    if (needed > *size) {
        *size = needed;
        return kRegMoreData;
    }
    std::memcpy(buffer, data.data(), data.size());
    *size = needed;
    return kRegSuccess;
}

void PosixRegistry::CloseKey(RegKey key) {
    open_keys_.erase(key);
    if (open_keys_.empty()) tree_.reset();  // the next lookup looks at the system afresh
}

}  // namespace tess
