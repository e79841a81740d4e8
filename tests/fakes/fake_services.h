// Recording fakes of the platform services, and a bundle that wires them into a Platform.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "tests/fakes/fake_window_system.h"

namespace tess::testing {

// Files held in memory. Paths use "/".
class FakeFiles final : public Files {
public:
    std::map<std::string, std::string> files;      // path -> bytes
    std::set<std::string> folders;                 // entries that are folders
    std::set<std::string> held;                    // open in another process
    std::set<std::string> read_only_folders;       // nothing can be created there
    std::vector<std::string> operations;           // "copy a -> b", "delete a", ...
    std::map<std::string, FolderOwner> owners;     // folder -> its owner file's state (none when absent)
    std::map<std::string, long long> idle_s;       // folder -> seconds since it last changed

    static std::string FolderOf(const std::string& path);

    Status CopyReplace(const std::string& from, const std::string& to) override;
    CreateOutcome CopyNoClobber(const std::string& from, const std::string& to) override;
    Status Delete(const std::string& path) override;
    RenameResult Rename(const std::string& from, const std::string& to) override;
    bool Exists(const std::string& path) override { return files.count(path) > 0; }
    bool IsNormalFile(const std::string& path) override;
    Result<std::vector<std::string>> ReadLines(const std::string& path) override;
    Status WriteBytes(const std::string& path, const std::string& bytes) override;
    bool CanWriteIn(const std::string& folder) override;
    Status MakeFolders(const std::string& folder) override;
    // Paths here have no links to follow.
    Result<std::string> ResolvedPath(const std::string& path) override;
    Result<std::unique_ptr<FolderHold>> HoldFolder(const std::string& folder) override;
    FolderOwner OwnerOf(const std::string& folder) override;
    std::vector<SubFolder> SubFolders(const std::string& parent, const std::string& prefix) override;
    // Fails inside a read-only folder.
    Status RemoveTree(const std::string& folder) override;

private:
    bool Writable(const std::string& path) const { return !read_only_folders.count(FolderOf(path)); }
};

class FakeProcesses final : public Processes {
public:
    struct Start {
        std::string program;
        std::vector<std::string> arguments;
    };
    std::vector<Start> started;
    std::vector<std::string> documents_opened;
    std::vector<std::string> command_lines;
    std::set<std::string> startable;  // command lines that start; others fail
    std::set<ProcessId> running;
    // Acts as the started program; an Error when it cannot start.
    std::function<Result<ProcessId>(const Start&)> on_start;

    Result<ProcessId> StartHidden(const std::string& program, const std::vector<std::string>& arguments) override;
    bool IsRunning(ProcessId id) override { return running.count(id) > 0; }
    void Stop(ProcessId id) override {
        stopped.push_back(id);
        running.erase(id);
        if (on_stop) on_stop(id);
    }
    std::vector<ProcessId> stopped;
    std::function<void(ProcessId)> on_stop;  // what the stopped program lets go of
    Status OpenDocument(const std::string& path) override {
        documents_opened.push_back(path);
        return {};
    }
    Status StartCommandLine(const std::string& command_line) override;
};

class FakeClock final : public Clock {
public:
    std::int64_t now = 1000;
    std::int64_t slept = 0;
    int sleeps = 0;
    std::vector<int> long_sleeps;  // pauses of a second or more, as asked
    // Runs after each advance of the clock: lets a fake compiler make progress.
    std::function<void(std::int64_t)> on_advance;

    void SleepMs(int ms) override;
    std::int64_t NowMs() override { return now; }
};

class FakeRegistry final : public Registry {
public:
    struct Value {
        std::uint32_t type = kRegSz;
        std::string data;  // as stored, terminator included for strings
    };
    // Keys by root and lower-case path.
    std::map<std::pair<RegRoot, std::string>, std::map<std::string, Value>> keys;
    std::vector<std::uint32_t> access_asked;
    int open_keys = 0;
    // As for a program started without elevation: machine-wide keys open for reading only.
    bool machine_keys_read_only = true;

    void SetString(RegRoot root, const std::string& path, const std::string& name, const std::string& ansi);
    void SetValue(RegRoot root, const std::string& path, const std::string& name, Value value);

    long OpenKey(RegRoot root, const std::string& path, std::uint32_t access, RegKey* key) override;
    long QueryValue(RegKey key, const std::string& name, std::uint32_t* type, unsigned char* buffer,
                    std::uint32_t* size) override;
    void CloseKey(RegKey key) override;

private:
    std::map<RegKey, std::pair<RegRoot, std::string>> open_;
    RegKey next_ = 0x100;
};

class FakeSettings final : public SettingsBackend {
public:
    std::map<std::string, std::string> values;  // "app/section/key" -> value
    std::vector<std::string> writes;            // "key=value", in order
    bool fail_writes = false;

    std::string Get(const std::string& app, const std::string& section, const std::string& key) override;
    Status Set(const std::string& app, const std::string& section, const std::string& key,
               const std::string& value) override;
    // Under the program's own address.
    std::string Info(const std::string& key) { return Get("Quillvane", "info", key); }
    void SetInfo(const std::string& key, const std::string& value) { values["Quillvane/info/" + key] = value; }
};

class FakeInstance final : public SingleInstance {
public:
    bool other_running = false;
    bool AnotherInstanceRunning() override { return other_running; }
};

class FakeProgramInfo final : public ProgramInfo {
public:
    std::string executable_folder = "/opt/tessaline";
    std::string user_work_folder = "/home/user/.cache/Quillvane/";
    std::string ExecutableFolder() override { return executable_folder; }
    std::string UserWorkFolder(const std::string&) override { return user_work_folder; }
    std::string plain_work_folder = "/tmp/Quillvane-1000/";  // "" when none can be made
    Result<std::string> PlainWorkFolder(const std::string&) override {
        if (plain_work_folder.empty()) return Error{"no private folder"};
        return plain_work_folder;
    }
};

// Every fake, plus the real code-page converter, wired into one Platform.
struct FakePlatform {
    FakePlatform();
    ~FakePlatform();

    FakeFiles files;
    FakeRegistry registry;
    FakeSettings settings;
    FakeProcesses processes;
    FakeInstance instance;
    FakeClock clock;
    std::unique_ptr<TextCodec> codec;
    FakeProgramInfo program;
    FakeWindowSystem windows;
    Platform platform;
};

}  // namespace tess::testing
