// [MAP] and [ALIAS] with their #include'd headers. The input is files split by form feeds:
// [MAP], [ALIAS], then headers whose first line is their name.
#include <map>
#include <string>
#include <vector>

#include "hhc/context_ids.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    for (size_t start = 0; start <= text.size();) {
        size_t end = std::min(text.find('\n', start), text.size());
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string_view> parts;
    std::string_view input = AsText(data, size);
    for (size_t start = 0; start <= input.size();) {
        size_t end = std::min(input.find('\f', start), input.size());
        parts.push_back(input.substr(start, end - start));
        start = end + 1;
    }
    std::map<std::string, std::string> headers;
    for (size_t i = 2; i < parts.size(); ++i) {
        size_t eol = std::min(parts[i].find('\n'), parts[i].size());
        headers[std::string(parts[i].substr(0, eol))] = std::string(parts[i].substr(std::min(eol + 1, parts[i].size())));
    }
    size_t reads = 0;
    auto read = [&](const std::string& path) -> std::optional<std::string> {
        Require(++reads <= 100000, "headers are read a bounded number of times");
        auto it = headers.find(path);
        if (it == headers.end()) return std::nullopt;
        return it->second;
    };
    const hhc::ContextIds ids = hhc::ParseContextIds(Lines(parts[0]), parts.size() > 1 ? Lines(parts[1]) : std::vector<std::string>{}, read);
    std::map<uint32_t, int> seen;
    for (const auto& alias : ids.aliases) Require(++seen[alias.id] == 1, "each id opens one topic");
    return 0;
}
