#include "tools/hhc/compile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include "tools/hhc/codec.h"
#include "tools/hhc/collect.h"
#include "tools/hhc/engine.h"
#include "tools/hhc/engine_project.h"
#include "tools/hhc/engine_verdict.h"
#include "tools/hhc/held_log.h"
#include "tools/hhc/log_text.h"
#include "tools/hhc/project.h"
#include "tools/hhc/scratch.h"
#include "tools/hhc/utf8_path.h"

// Settings from the environment, for tests and odd installs: TESSALINE_CHMCMD names the
// engine (default: chmcmd from PATH), TESSALINE_HHC_TIMEOUT_MS bounds its run, TMPDIR
// holds the private work folder.
namespace hhc {
namespace fs = std::filesystem;
namespace {

constexpr int kDefaultTimeoutMs = 10 * 60 * 1000;
constexpr size_t kMaxWarnings = 20;

std::optional<std::string> ReadWhole(const std::string& path) {
    std::ifstream in(PathOf(path), std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

std::string EnvOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value && *value ? value : fallback;
}

// Paths in the project are absolute; a relative one is taken from the project's folder.
std::string Resolve(const std::string& project_path, const std::string& path) {
    if (PathOf(path).is_absolute()) return path;
    return TextOf(PathOf(project_path).parent_path() / PathOf(path));
}

// Everything but the log: the log appears only once the outcome is known, so the program's
// probe meets a held log for no longer than it takes to put the compiled file in place.
class Compilation {
public:
    explicit Compilation(std::string project_path) : project_path_(std::move(project_path)) {}
    ~Compilation() {
        if (!private_folder_.empty()) RemoveTree(private_folder_);
    }

    // Warnings for the log go to `lines` (code page 932), on failure as well.
    tess::Result<StagedFile> Compile(const Project& project, std::vector<std::string>& lines) {
        std::string page = Resolve(project_path_, Codec().FromAnsi(project.default_topic));
        std::string compiled = Resolve(project_path_, Codec().FromAnsi(project.compiled_file));

        // The default topic first, then the listed files and the contents file.
        std::vector<std::string> named{page};
        for (const auto& f : project.files) named.push_back(Resolve(project_path_, Codec().FromAnsi(f)));
        std::string contents;
        if (!project.contents_file.empty()) {
            contents = Resolve(project_path_, Codec().FromAnsi(project.contents_file));
            named.push_back(contents);
        }
        auto collection = CollectTree(CommonFolder(named), named);
        if (!collection) return collection.error();
        Warn(*collection, lines);
        if (StopRequested()) return tess::Error{"The compilation was stopped."};

        std::string contents_name;
        if (!contents.empty()) contents_name = collection->files[IndexOf(contents, *collection)];
        auto command = PrepareWorkFolder(project, *collection, contents_name);
        if (!command) return command.error();
        if (StopRequested()) return tess::Error{"The compilation was stopped."};

        auto outcome = RunEngine(*command);
        if (!outcome) return outcome.error();
        auto judged = Judge(*outcome, *command);
        if (!judged) return judged.error();

        auto staged = StagedFile::Write(private_folder_ + "/out.chm", compiled);
        if (!staged) return staged.error();
        if (StopRequested()) return tess::Error{"The compilation was stopped."};
        return staged;
    }

private:
    // The files named in the project lead the collection in their order, the default topic
    // first and duplicates dropped; this finds one of them there.
    static size_t IndexOf(const std::string& path, const Collection& c) {
        std::string name = TreeName(c.root, path);
        for (size_t i = 0; i < c.files.size(); ++i)
            if (c.files[i] == name) return i;
        return 0;
    }

    // The engine takes only files under its working folder, by relative names: the page's
    // files are copied there in their own layout, with the engine's project beside them.
    tess::Result<EngineCommand> PrepareWorkFolder(const Project& project, const Collection& collection,
                                                  const std::string& contents_name) {
        auto folder = MakePrivateFolder();
        if (!folder) return folder.error();
        private_folder_ = *folder;
        std::string work = private_folder_ + "/page";
        for (const auto& rel : collection.files) {
            auto source = collection.sources.find(rel);
            const std::string& from = source == collection.sources.end() ? rel : source->second;
            auto copied = CopyInto(collection.root + "/" + from, work + "/" + rel);
            if (!copied) return copied.error();
        }

        EngineJob job;
        job.output = "../out.chm";
        job.default_topic = collection.files.front();
        job.contents_file = contents_name;
        job.title_ansi = project.title;
        if (job.title_ansi.empty()) {
            auto title = Codec().ToAnsi(collection.title);
            if (title) job.title_ansi = *title;
        }
        job.language = project.language;
        for (const auto& f : collection.files)
            if (f != contents_name) job.files.push_back(f);
        std::string project_name = UnusedName(collection);
        std::ofstream out(PathOf(work + "/" + project_name), std::ios::binary);
        out << EngineProjectText(job);
        out.close();
        if (!out) return tess::Error{"The work folder " + private_folder_ + " cannot be written."};

        EngineCommand command;
        command.program = EnvOr("TESSALINE_CHMCMD", "chmcmd");
        command.arguments = {"--no-html-scan", project_name};
        command.folder = work;
        command.output_file = private_folder_ + "/engine.txt";
        command.timeout_ms = std::atoi(EnvOr("TESSALINE_HHC_TIMEOUT_MS", std::to_string(kDefaultTimeoutMs)).c_str());
        return command;
    }

    tess::Status Judge(const EngineOutcome& outcome, const EngineCommand& command) {
        EngineReport report;
        report.name = TextOf(PathOf(command.program).filename());
        report.outcome = outcome;
        report.timeout_ms = command.timeout_ms;
        report.output = ReadWhole(command.output_file).value_or("");
        std::ifstream chm(PathOf(private_folder_ + "/out.chm"), std::ios::binary);
        char head[4];
        chm.read(head, sizeof head);
        report.head.assign(head, static_cast<size_t>(chm.gcount()));
        return JudgeEngine(report);
    }

    static void Warn(const Collection& c, std::vector<std::string>& lines) {
        size_t shown = 0;
        for (const auto& m : c.missing) {
            if (shown++ == kMaxWarnings) {
                lines.push_back(ToLogText("Warning: " + std::to_string(c.missing.size() - kMaxWarnings) +
                                          " more references name no file."));
                break;
            }
            lines.push_back(ToLogText("Warning: " + m + " is referred to but was not found."));
        }
    }

    // The engine's project sits among the page's files; it must not take one's place.
    static std::string UnusedName(const Collection& c) {
        for (int n = 0;; ++n) {
            std::string name = "~hhc" + (n ? std::to_string(n) : std::string()) + ".hhp";
            bool taken = false;
            for (const auto& f : c.files) taken = taken || f == name;
            if (!taken) return name;
        }
    }

    std::string project_path_;
    std::string private_folder_;
};

// The private folder is gone by the time the log is made.
tess::Result<StagedFile> CompileAll(const std::string& project_path, const Project& project,
                                    std::vector<std::string>& lines) {
    Compilation compilation(project_path);
    return compilation.Compile(project, lines);
}

// The log is made (locked, renamed into place) only now, and the compiled file takes its
// name while the log is held, before the success line.
int Report(const std::string& log_path, const std::vector<std::string>& lines, tess::Result<StagedFile> staged) {
    auto log = HeldLog::Create(log_path);
    if (!log) {
        std::fprintf(stderr, "hhc: %s\n", log.error().message.c_str());
        return kNoLog;
    }
    for (const auto& line : lines) log->WriteLine(line);
    tess::Status done = staged ? staged->Commit() : tess::Status(staged.error());
    if (done) {
        done = log->WriteSuccessLine(ToLogText("Created " + staged->final_path() + ", " + WithThousands(staged->size()) +
                                        " bytes"));
    }
    if (!done) {
        log->WriteLine(ToLogText("Error: " + done.error().message));
        return kFailed;
    }
    log->Release();
    return kCreated;
}

}  // namespace

std::string ProjectArgument(const std::string& argument) {
    std::error_code ec;
    if (argument.size() >= 2 && argument.front() == '"' && argument.back() == '"' &&
        !fs::exists(PathOf(argument), ec))
        return argument.substr(1, argument.size() - 2);
    return argument;
}

int CompileProject(const std::string& project_path) {
    auto bytes = ReadWhole(project_path);
    if (!bytes) {
        std::fprintf(stderr, "hhc: the project file %s cannot be read.\n", project_path.c_str());
        return kNoLog;
    }
    Project partial;
    auto project = ParseProject(*bytes, &partial);
    if (partial.log_file.empty()) {
        std::fprintf(stderr, "hhc: %s\n", project ? "The project names no error log file." : project.error().message.c_str());
        return kNoLog;
    }
    std::string log_path = Resolve(project_path, Codec().FromAnsi(partial.log_file));
    std::vector<std::string> lines;
    if (!project) return Report(log_path, lines, project.error());
    return Report(log_path, lines, CompileAll(project_path, *project, lines));
}

}  // namespace hhc
