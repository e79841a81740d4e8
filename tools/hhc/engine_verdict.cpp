#include "tools/hhc/engine_verdict.h"

#include <cctype>
#include <optional>

namespace hhc {
namespace {

// The engine's first complaint, if it made one.
std::optional<std::string> Complaint(const std::string& output) {
    size_t start = 0;
    while (start < output.size()) {
        size_t end = output.find('\n', start);
        std::string line = output.substr(start, end == std::string::npos ? std::string::npos : end - start);
        start = end == std::string::npos ? output.size() : end + 1;
        std::string lower = line;
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (line.find("Error:") != std::string::npos || lower.find("unhandled exception") != std::string::npos ||
            lower.find("runtime error") != std::string::npos) {
            while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
            return line;
        }
    }
    return std::nullopt;
}

std::string Duration(int ms) { return ms % 1000 ? std::to_string(ms) + " ms" : std::to_string(ms / 1000) + " s"; }

}  // namespace

tess::Status JudgeEngine(const EngineReport& r) {
    std::string engine = "The help compiler engine " + r.name;
    if (r.outcome.interrupted) return tess::Error{"The compilation was stopped."};
    if (r.outcome.timed_out) return tess::Error{engine + " took longer than " + Duration(r.timeout_ms) + " and was stopped."};
    if (r.outcome.signal != 0) return tess::Error{engine + " crashed (" + SignalName(r.outcome.signal) + ")."};
    if (auto complaint = Complaint(r.output)) return tess::Error{engine + " failed: " + *complaint};
    if (r.outcome.exit_code != 0)
        return tess::Error{engine + " failed with exit status " + std::to_string(r.outcome.exit_code) + "."};
    if (r.head.empty()) return tess::Error{engine + " wrote no compiled file."};
    if (r.head.compare(0, 4, "ITSF") != 0) return tess::Error{engine + " wrote something that is not a compiled help file."};
    return {};
}

}  // namespace hhc
