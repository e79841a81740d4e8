#include "tests/fakes/fake_compiler.h"

#include "platform/text.h"

namespace tess::testing {

namespace {

std::string ProjectValue(const std::string& project, const std::string& name) {
    for (std::string_view line : SplitLines(project))
        if (line.rfind(name, 0) == 0) return std::string(line.substr(name.size()));
    return {};
}

}  // namespace

void FakeCompiler::Install() {
    fake_.processes.on_start = [this](const FakeProcesses::Start& start) -> Result<ProcessId> {
        auto project = fake_.files.files.find(start.arguments.at(0));
        if (project == fake_.files.files.end()) return Error{"project not found"};
        last_project = project->second;
        log_ = ProjectValue(last_project, "Error log file=");
        compiled_ = ProjectValue(last_project, "Compiled file=");
        page_ = ProjectValue(last_project, "Default topic=");
        ++runs;
        pid_ = 100 + runs;
        started_ = fake_.clock.now;
        log_made_ = false;
        done_ = false;
        fake_.processes.running.insert(pid_);
        Advance(fake_.clock.now);
        return pid_;
    };
    fake_.clock.on_advance = [this](std::int64_t now) { Advance(now); };
    // A stopped compiler's hold on its log ends with it.
    fake_.processes.on_stop = [this](ProcessId id) {
        if (id != pid_ || done_) return;
        fake_.files.held.erase(log_);
        done_ = true;
    };
}

void FakeCompiler::Advance(std::int64_t now) {
    if (done_) return;
    if (!log_made_ && now >= started_ + log_delay_ms) {
        if (behaviour == CompilerBehaviour::no_log) {
            fake_.processes.running.erase(pid_);
            done_ = true;
            return;
        }
        fake_.files.files[log_] = "Microsoft HTML Help Compiler 4.74.8702\r\n";
        fake_.files.held.insert(log_);
        log_made_ = true;
    }
    if (log_made_ && now >= started_ + log_delay_ms + work_ms && behaviour != CompilerBehaviour::hang) Finish();
}

void FakeCompiler::Finish() {
    if (behaviour == CompilerBehaviour::succeed) {
        fake_.files.files[compiled_] = "ITSF:" + page_;
        fake_.files.files[log_] += "Created " + compiled_ + ", 1,234 bytes\r\n";
    } else if (behaviour == CompilerBehaviour::crash) {
        fake_.files.files[log_] += "Compiling ";
    } else if (behaviour == CompilerBehaviour::no_created) {
        fake_.files.files[compiled_] = "ITSF:" + page_;
        fake_.files.files[log_] += "Compile time: 0 minutes, 0 seconds\r\n";
    } else if (behaviour == CompilerBehaviour::misread) {
        fake_.files.files[log_] += "HHC5003: Error: cannot read \x83\x43reated.png.\r\n";
    } else {
        fake_.files.files[log_] += "HHC5003: Error: Compilation failed while compiling " + page_ + ".\r\n";
    }
    fake_.files.held.erase(log_);
    fake_.processes.running.erase(pid_);
    done_ = true;
}

}  // namespace tess::testing
