// Whether the engine's run produced a compiled file. Its exit status alone does not tell:
// it exits 0 after some errors (a missing project, a page it could not parse).
#pragma once

#include <string>

#include "platform/result.h"
#include "tools/hhc/engine.h"

namespace hhc {

struct EngineReport {
    std::string name;        // the engine's file name, for the reason
    EngineOutcome outcome;
    int timeout_ms = 0;
    std::string output;      // what it wrote on standard output and error
    std::string head;        // the first bytes of its compiled file; empty when there is none
};

tess::Status JudgeEngine(const EngineReport& report);

}  // namespace hhc
