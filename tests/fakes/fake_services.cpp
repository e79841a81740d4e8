#include "tests/fakes/fake_services.h"

#include <algorithm>
#include <cstring>

#include "platform/path_names.h"
#include "platform/text.h"
#include "tests/fakes/system_codec.h"

namespace tess::testing {

std::string FakeFiles::FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

Status FakeFiles::CopyReplace(const std::string& from, const std::string& to) {
    operations.push_back("copy " + from + " -> " + to);
    if (!files.count(from)) return Error{"no such file: " + from};
    if (!Writable(to) || folders.count(to)) return Error{"cannot write: " + to};
    files[to] = files[from];
    return {};
}

CreateOutcome FakeFiles::CopyNoClobber(const std::string& from, const std::string& to) {
    operations.push_back("create " + from + " -> " + to);
    if (files.count(to) || folders.count(to)) return {CreateResult::exists, {}};
    if (!files.count(from)) return {CreateResult::failed, "No such file or directory"};
    if (!Writable(to)) return {CreateResult::failed, "Permission denied"};
    files[to] = files[from];
    return {CreateResult::ok, {}};
}

Status FakeFiles::Delete(const std::string& path) {
    operations.push_back("delete " + path);
    if (!files.count(path) || held.count(path) || !Writable(path)) return Error{"cannot delete: " + path};
    files.erase(path);
    return {};
}

RenameResult FakeFiles::Rename(const std::string& from, const std::string& to) {
    operations.push_back("rename " + from + " -> " + to);
    if (held.count(from)) return RenameResult::in_use;
    if (!files.count(from) || files.count(to) || folders.count(to)) return RenameResult::failed;
    files[to] = files[from];
    files.erase(from);
    return RenameResult::ok;
}

bool FakeFiles::IsNormalFile(const std::string& path) {
    if (!files.count(path)) return false;
    const auto slash = path.rfind('/');
    return path.compare(slash == std::string::npos ? 0 : slash + 1, 1, ".") != 0;
}

Result<std::vector<std::string>> FakeFiles::ReadLines(const std::string& path) {
    auto it = files.find(path);
    if (it == files.end()) return Error{"no such file: " + path};
    std::vector<std::string> lines;
    for (std::string_view line : SplitLines(it->second)) lines.emplace_back(line);
    return lines;
}

Status FakeFiles::WriteBytes(const std::string& path, const std::string& bytes) {
    operations.push_back("write " + path);
    if (!Writable(path) || held.count(path)) return Error{"cannot write: " + path};
    files[path] = bytes;
    return {};
}

bool FakeFiles::CanWriteIn(const std::string& folder) { return !read_only_folders.count(folder); }

Result<std::string> FakeFiles::ResolvedPath(const std::string& path) {
    if (!files.count(path)) return Error{"No such file: " + path};
    return path;
}

Status FakeFiles::MakeFolders(const std::string& folder) {
    folders.insert(folder);
    return {};
}

namespace {

class FakeHold final : public FolderHold {};

bool StartsWith(const std::string& text, const std::string& start) { return text.compare(0, start.size(), start) == 0; }

}  // namespace

Result<std::unique_ptr<FolderHold>> FakeFiles::HoldFolder(const std::string& folder) {
    if (!folders.count(folder) || !Writable(folder + "owner.lock")) return Error{"cannot hold: " + folder};
    owners[folder] = FolderOwner::alive;
    return std::unique_ptr<FolderHold>(new FakeHold);
}

FolderOwner FakeFiles::OwnerOf(const std::string& folder) {
    const auto it = owners.find(folder);
    return it == owners.end() ? FolderOwner::none : it->second;
}

std::vector<SubFolder> FakeFiles::SubFolders(const std::string& parent, const std::string& prefix) {
    std::vector<SubFolder> found;
    for (const std::string& folder : folders) {
        if (!StartsWith(folder, parent + prefix) || folder.find('/', parent.size()) != folder.size() - 1) continue;
        found.push_back({folder, idle_s[folder]});
    }
    return found;
}

Status FakeFiles::RemoveTree(const std::string& folder) {
    operations.push_back("remove tree " + folder);
    if (read_only_folders.count(folder) || !folders.count(folder)) return Error{"cannot remove: " + folder};
    std::erase_if(folders, [&](const std::string& f) { return StartsWith(f, folder); });
    std::erase_if(files, [&](const auto& entry) { return StartsWith(entry.first, folder); });
    owners.erase(folder);
    return {};
}

Result<ProcessId> FakeProcesses::StartHidden(const std::string& program, const std::vector<std::string>& arguments) {
    started.push_back({program, arguments});
    if (!on_start) return Error{"nothing to start"};
    return on_start(started.back());
}

Status FakeProcesses::StartCommandLine(const std::string& command_line) {
    command_lines.push_back(command_line);
    if (!startable.count(command_line)) return Error{"cannot start " + command_line};
    return {};
}

void FakeClock::SleepMs(int ms) {
    ++sleeps;
    if (ms >= 1000) long_sleeps.push_back(ms);
    now += ms;
    slept += ms;
    if (on_advance) on_advance(now);
}

void FakeRegistry::SetString(RegRoot root, const std::string& path, const std::string& name,
                             const std::string& ansi) {
    SetValue(root, path, name, {kRegSz, ansi + std::string(1, '\0')});
}

void FakeRegistry::SetValue(RegRoot root, const std::string& path, const std::string& name, Value value) {
    keys[{root, AsciiLowered(path)}][name] = std::move(value);
}

long FakeRegistry::OpenKey(RegRoot root, const std::string& path, std::uint32_t access, RegKey* key) {
    access_asked.push_back(access);
    if (!keys.count({root, AsciiLowered(path)})) return kRegFileNotFound;
    if (machine_keys_read_only && root == RegRoot::local_machine && (access & ~kKeyRead) != 0)
        return kRegAccessDenied;
    *key = next_++;
    open_[*key] = {root, AsciiLowered(path)};
    ++open_keys;
    return kRegSuccess;
}

long FakeRegistry::QueryValue(RegKey key, const std::string& name, std::uint32_t* type, unsigned char* buffer,
                              std::uint32_t* size) {
    const auto& values = keys.at(open_.at(key));
    auto it = values.find(name);
    if (it == values.end()) return kRegFileNotFound;
    if (it->second.data.size() > *size) return kRegMoreData;
    std::memcpy(buffer, it->second.data.data(), it->second.data.size());
    *size = static_cast<std::uint32_t>(it->second.data.size());
    if (type) *type = it->second.type;
    return kRegSuccess;
}

void FakeRegistry::CloseKey(RegKey key) {
    if (open_.erase(key)) --open_keys;
}

std::string FakeSettings::Get(const std::string& app, const std::string& section, const std::string& key) {
    auto it = values.find(app + "/" + section + "/" + key);
    return it == values.end() ? std::string() : it->second;
}

Status FakeSettings::Set(const std::string& app, const std::string& section, const std::string& key,
                         const std::string& value) {
    if (fail_writes) return Error{"the settings file cannot be written"};
    writes.push_back(key + "=" + value);
    values[app + "/" + section + "/" + key] = value;
    return {};
}

FakePlatform::FakePlatform()
    : codec(std::make_unique<SystemTextCodec>()),
      platform{files, registry, settings, processes, instance, clock, *codec, program, windows} {}

FakePlatform::~FakePlatform() = default;

}  // namespace tess::testing
