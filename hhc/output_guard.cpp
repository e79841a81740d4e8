#include "hhc/output_guard.h"

#include <cctype>

#include "hhc/collect.h"
#include "hhc/file_identity.h"
#include "hhc/on_threads.h"
#include "hhc/project.h"
#include "hhc/utf8_path.h"

namespace hhc {
namespace {

// Below this many, the identities are asked on one thread: sooner than threads start.
constexpr size_t kFewSources = 1024;

// "#include <map.h>", "#include map.h" or "#include \"map.h\"": the file's name.
std::optional<std::string> IncludedFile(const std::string& line) {
    constexpr std::string_view word = "#include";
    if (line.size() <= word.size()) return std::nullopt;
    for (size_t i = 0; i < word.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(line[i])) != word[i]) return std::nullopt;
    std::string name = line.substr(word.size());
    while (!name.empty() && (name.front() == ' ' || name.front() == '\t' || name.front() == '<' || name.front() == '"'))
        name.erase(0, 1);
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t' || name.back() == '>' || name.back() == '"'))
        name.pop_back();
    if (name.empty()) return std::nullopt;
    return name;
}

}  // namespace

OutputGuard::OutputGuard(const std::string& project_path, const std::string& log)
    : log_(log), log_id_(log.empty() ? std::string() : FileIdentity(log)) {
    (void)Check("", {project_path});
}

tess::Status OutputGuard::Refuse(const std::string& what, const std::string& output, const std::string& source,
                                 bool log) {
    std::string message = "The " + what + " " + output + " is the file " + source +
                          " that the project reads; nothing was written.";
    if (log) log_clash_ = message;
    return tess::Error{message};
}

tess::Status OutputGuard::Check(const std::string& compiled, const std::vector<std::string>& sources, unsigned threads) {
    std::string compiled_id = compiled.empty() ? std::string() : FileIdentity(compiled);
    const std::string *log_source = nullptr, *compiled_source = nullptr;
    auto check = [&](const std::string& id, const std::string& source) {
        if (id.empty()) return;
        if (!log_source && id == log_id_) log_source = &source;
        if (!compiled_source && id == compiled_id) compiled_source = &source;
    };
    for (const auto& [id, source] : read_) check(id, source);
    // Each identity costs a system call or two: a big project's many are asked on every thread.
    std::vector<std::string> ids(sources.size());
    OnThreads(sources.size(), threads, kFewSources, [&](size_t i) {
        if (!sources[i].empty()) ids[i] = FileIdentity(sources[i]);
    });
    std::vector<std::pair<std::string, std::string>> kept;
    for (size_t i = 0; i < sources.size(); ++i) {
        check(ids[i], sources[i]);
        if (compiled.empty() && !ids[i].empty()) kept.emplace_back(std::move(ids[i]), sources[i]);
    }
    if (log_source) return Refuse("log", log_, *log_source, true);
    if (!log_id_.empty() && log_id_ == compiled_id) {
        log_clash_ = "The log " + log_ + " and the compiled file " + compiled + " are one file; nothing was written.";
        return tess::Error{*log_clash_};
    }
    if (compiled_source) return Refuse("compiled file", compiled, *compiled_source, false);
    read_.insert(read_.end(), kept.begin(), kept.end());
    return {};
}

std::vector<std::string> OutputGuard::ProjectReads(const Project& project) {
    std::vector<std::string> out = project.text_popups;
    for (const auto* lines : {&project.map_lines, &project.alias_lines})
        for (const auto& line : *lines)
            if (auto file = IncludedFile(line)) out.push_back(*file);
    return out;
}

std::vector<std::string> OutputGuard::SourcesOf(const Collection& collection) {
    std::vector<std::string> out;
    out.reserve(collection.files.size());
    for (const auto& f : collection.files)
        out.push_back(f.source.empty() ? TextOf(PathOf(collection.root) / PathOf(f.name)) : f.source);
    return out;
}

}  // namespace hhc
