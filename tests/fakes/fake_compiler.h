// A help compiler acted out on the fake files and clock: it makes its log, holds it while it
// "works", then writes "Created" and the compiled file, or fails in one of several ways.
#pragma once

#include <cstdint>
#include <string>

#include "tests/fakes/fake_services.h"

namespace tess::testing {

enum class CompilerBehaviour {
    succeed,
    fail,       // lets go of its log without "Created" and ends
    crash,      // ends part way through its log
    no_created, // writes the compiled file but never "Created"
    no_log,     // ends without ever making its log
    hang,       // holds its log for ever
    misread,    // fails, but a line's code page 932 bytes hold "Created" (イ is 83 43)
};

class FakeCompiler {
public:
    explicit FakeCompiler(FakePlatform& fake) : fake_(fake) {}

    CompilerBehaviour behaviour = CompilerBehaviour::succeed;
    int log_delay_ms = 0;  // from the start until the log appears
    int work_ms = 3000;    // how long the log is held
    int runs = 0;
    std::string last_project;  // the project text it was started on (code-page bytes)

    // Hooks the compiler into the fake processes and clock.
    void Install();

private:
    void Advance(std::int64_t now);
    void Finish();

    FakePlatform& fake_;
    ProcessId pid_ = 0;
    std::int64_t started_ = 0;
    bool log_made_ = false;
    bool done_ = true;
    std::string log_;
    std::string compiled_;
    std::string page_;
};

}  // namespace tess::testing
