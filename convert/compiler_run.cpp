#include "convert/compiler_run.h"

#include <algorithm>

#include "platform/path_names.h"
#include "convert/project_file.h"

namespace tess {

namespace {

constexpr const char* kCreatedMark = "Created";
constexpr std::size_t kLogLinesShown = 8;

// Sleeps in slices so that the window can paint in between.
void Pause(CompilerRun& run, int ms) {
    while (ms > 0) {
        const int slice = std::min(ms, std::max(1, run.limits.paint_every_ms));
        run.clock.SleepMs(slice);
        run.pump();
        ms -= slice;
    }
}

bool PastLimit(CompilerRun& run, const StartedCompiler& compiler) {
    return run.clock.NowMs() - compiler.started_ms >= run.limits.time_limit_ms;
}

std::string LogPath(const CompilerRun& run) { return run.work_folder + kLogFileName; }

struct LogReading {
    bool readable = false;
    bool created = false;
    std::string text;  // the first lines, for the user
    std::vector<std::string> warnings;
};

LogReading ReadLog(CompilerRun& run) {
    LogReading reading;
    auto lines = run.files.ReadLines(LogPath(run));
    if (!lines) return reading;
    reading.readable = true;
    std::size_t shown = 0;
    for (const auto& line : *lines) {
        if (line.find(kCreatedMark) != std::string::npos) reading.created = true;
        if (line.find("Warning:") != std::string::npos) reading.warnings.push_back(run.codec.FromAnsi(line));
        if (!line.empty() && shown < kLogLinesShown) {
            reading.text += (shown ? "\r\n" : "") + run.codec.FromAnsi(line);
            ++shown;
        }
    }
    return reading;
}

Error FailedCompilation(const LogReading& log) {
    if (log.text.empty()) return Error{"ヘルプコンパイラーはヘルプファイルを作成せずに終了しました(ログは空です)。"};
    return Error{"ヘルプコンパイラーはヘルプファイルを作成できませんでした。ログ:\r\n" + log.text};
}

}  // namespace

std::string CompilerSideProjectPath(CompilerRun& run) {
    if (run.copy_beside_compiler && !run.compiler.folder.empty()) {
        const std::string folder = WithTrailingSeparator(run.compiler.folder, run.paths);
        if (run.files.CanWriteIn(folder)) return folder + kProjectFileName;
    }
    return run.work_folder + kProjectFileName;
}

Result<StartedCompiler> StartCompiler(CompilerRun& run) {
    const std::string project = run.work_folder + kProjectFileName;
    const std::string compiler_project = CompilerSideProjectPath(run);
    if (compiler_project != project) {
        if (auto copied = run.files.CopyReplace(project, compiler_project); !copied)
            return Error{"プロジェクトファイルをコンパイラーのフォルダにコピーできませんでした: " + copied.error().message};
    }
    // All go before the start, so that nothing an earlier page left is ever taken for this
    // one's: its log for a success, its compiled file for this page's content.
    for (const std::string& stale : {LogPath(run), LogPath(run) + ".bak"}) {
        if (run.files.Exists(stale)) {
            if (auto deleted = run.files.Delete(stale); !deleted)
                return Error{"前回のログファイルを削除できませんでした: " + stale + "\r\n" + deleted.error().message};
        }
    }
    const std::string compiled = run.work_folder + kCompiledFileName;
    if (run.files.Exists(compiled)) {
        if (auto deleted = run.files.Delete(compiled); !deleted)
            return Error{"前回のヘルプファイルを削除できませんでした: " + compiled + "\r\n" + deleted.error().message};
    }
    const std::string& compiler = run.compiler.program;
    StartedCompiler started;
    started.started_ms = run.clock.NowMs();
    auto process = run.processes.StartHidden(compiler, {compiler_project});
    if (!process) return Error{"ヘルプコンパイラーを起動できませんでした: " + compiler + "\r\n" + process.error().message};
    started.process = *process;
    return started;
}

namespace {

// The compiler we gave up on must not finish later over the next page's work files.
Status GiveUp(CompilerRun& run, const StartedCompiler& compiler, Error error) {
    run.processes.Stop(compiler.process);
    return error;
}

}  // namespace

Status WaitForCompiler(CompilerRun& run, const StartedCompiler& compiler) {
    const std::string log = LogPath(run);
    const std::string probe = log + ".bak";
    run.warnings.clear();

    int since_paint = 0;
    while (!run.files.Exists(log)) {
        if (!run.processes.IsRunning(compiler.process) && !run.files.Exists(log))
            return Error{"ヘルプコンパイラーがログを作成せずに終了しました。"};
        if (PastLimit(run, compiler))
            return GiveUp(run, compiler, Error{"ヘルプコンパイラーが制限時間内にログを作成しませんでした。"});
        run.clock.SleepMs(run.limits.poll_ms);
        if ((since_paint += run.limits.poll_ms) >= run.limits.paint_every_ms) {
            run.pump();
            since_paint = 0;
        }
    }

    // A compiler writes its success line just before it lets go of the log: reading (which never
    // disturbs the writer) tells when a probe is worth making.
    for (int settled = 0; settled < run.limits.settle_ms; settled += std::max(1, run.limits.poll_ms)) {
        const bool created = ReadLog(run).created;
        // A compiler that has ended holds nothing: no pause needed before the probe.
        if (!run.processes.IsRunning(compiler.process)) break;
        run.clock.SleepMs(run.limits.poll_ms);
        if (created) break;
    }
    for (;;) {
        const RenameResult renamed = run.files.Rename(log, probe);
        if (renamed == RenameResult::in_use) {
            if (PastLimit(run, compiler))
                return GiveUp(run, compiler, Error{"ヘルプコンパイラーが制限時間内に終了しませんでした。"});
            Pause(run, run.limits.in_use_pause_ms);
            continue;
        }
        if (renamed == RenameResult::failed)
            return GiveUp(run, compiler, Error{"ヘルプコンパイラーのログを確認できませんでした: " + log});
        if (run.files.Rename(probe, log) != RenameResult::ok)
            return GiveUp(run, compiler, Error{"ヘルプコンパイラーのログを元の名前に戻せませんでした: " + probe});

        const bool running = run.processes.IsRunning(compiler.process);
        const LogReading reading = ReadLog(run);
        if (reading.created) {
            // The old one was removed before the start: whatever stands there now is this page's.
            if (!run.files.Exists(run.work_folder + kCompiledFileName))
                return Error{"ヘルプコンパイラーは成功を報告しましたが、ヘルプファイルがありません: " +
                             run.work_folder + kCompiledFileName};
            run.warnings = reading.warnings;
            return {};
        }
        // The compiler let go of its log without success; once it has ended, nothing more will come.
        if (!running) return FailedCompilation(reading);
        if (PastLimit(run, compiler))
            return GiveUp(run, compiler, Error{"ヘルプコンパイラーが制限時間内に終了しませんでした。"});
        Pause(run, run.limits.poll_ms);
    }
}

Result<std::string> PlaceOutput(CompilerRun& run, const std::string& page) {
    const std::string compiled = run.work_folder + kCompiledFileName;
    const std::string folder = GetParentFolderName(page, run.paths);
    const std::string base = GetBaseName(page, run.paths);
    const std::string stem = JoinPath(folder, base, run.paths);
    for (long long counter = 0;; ++counter) {
        const std::string candidate = counter == 0 ? stem + ".chm" : stem + "(" + std::to_string(counter) + ").chm";
        if (run.files.Exists(candidate)) continue;
        const CreateOutcome copied = run.files.CopyNoClobber(compiled, candidate);
        switch (copied.result) {
        case CreateResult::ok:
            return candidate;
        case CreateResult::exists:
            continue;  // taken meanwhile, or a folder of that name
        case CreateResult::failed:
            return Error{"ヘルプファイルをページと同じフォルダに書き込めませんでした: " + candidate + "\r\n" + copied.reason};
        }
    }
}

}  // namespace tess
