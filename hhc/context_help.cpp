#include "hhc/context_help.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <unordered_map>

#include "chm/context_table.h"
#include "chm/names.h"
#include "hhc/code_page.h"
#include "hhc/context_ids.h"
#include "hhc/log_text.h"
#include "hhc/text_encoding.h"
#include "hhc/text_file.h"
#include "hhc/utf8_path.h"
#include "platform/text.h"

namespace hhc {
namespace fs = std::filesystem;
namespace {

bool IsFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(PathOf(path), ec);
}

std::optional<std::string> ReadBytes(const std::string& path) {
    if (!IsFile(path)) return std::nullopt;
    std::ifstream in(PathOf(path), std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

// The collected files by the name a reader looks them up by, built once: context ids may be many.
class CollectedByName {
public:
    explicit CollectedByName(Collection& collection) : collection_(collection) {
        for (auto& f : collection.files) by_name_.try_emplace(tess::AsciiLowered(f.name), &f);
    }
    CollectedFile* Find(const std::string& path) const {
        auto it = by_name_.find(tess::AsciiLowered(TreeName(collection_.root, path)));
        return it == by_name_.end() ? nullptr : it->second;
    }

private:
    Collection& collection_;
    std::unordered_map<std::string, CollectedFile*> by_name_;
};

// The popup text in the code page; each line holding a character the code page lacks is named.
std::string PopupInCodePage(const std::string& bytes, const std::string& shown_name, uint32_t code_page,
                            std::vector<std::string>& lines) {
    std::string text = TextFileAsUtf8(bytes, code_page);
    size_t start = 0, number = 1;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string_view line(text.data() + start, end - start);
        if (!EncodeCodePage(line, code_page))
            lines.push_back(ToLogText("Warning: line " + std::to_string(number) + " of the text popup file " + shown_name +
                                      " holds characters code page " + std::to_string(code_page) +
                                      " lacks; they are stored in a close form, or as \"?\"."));
        start = end + 1;
        ++number;
    }
    return ToCodePage(text, code_page);
}

}  // namespace

ContextHelp ContextHelpOf(const Project& project, const std::function<std::string(const std::string&)>& resolve,
                          uint32_t code_page) {
    ContextHelp help;
    auto read = [&](const std::string& path) -> std::optional<std::string> {
        auto bytes = ReadBytes(resolve(path));
        if (!bytes) return std::nullopt;
        return TextFileAsUtf8(*bytes, code_page);
    };
    ContextIds ids = ParseContextIds(project.map_lines, project.alias_lines, read);
    help.warnings = std::move(ids.warnings);
    for (const auto& alias : ids.aliases) {
        std::string path = resolve(alias.file);
        if (!IsFile(path)) {
            help.warnings.push_back("Warning: the topic " + alias.file + " of the alias " + alias.name +
                                    " was not found; HH_HELP_CONTEXT " + std::to_string(alias.id) + " opens nothing.");
            continue;
        }
        help.topics.push_back({alias.id, path, alias.anchor});
        help.named.push_back(path);
    }
    for (const auto& popup : project.text_popups) {
        std::string path = resolve(popup);
        if (!IsFile(path)) {
            help.warnings.push_back("Warning: the text popup file " + popup + " was not found and was left out.");
            continue;
        }
        help.popups.push_back(path);
        help.named.push_back(path);
    }
    return help;
}

void ApplyContextHelp(const ContextHelp& help, const Project& project, Collection& collection, uint32_t code_page,
                      chm::Options& options, std::vector<std::string>& lines) {
    for (const auto& warning : help.warnings) lines.push_back(ToLogText(warning));
    CollectedByName collected(collection);
    for (const auto& popup : help.popups) {
        CollectedFile* f = collected.Find(popup);
        if (!f) continue;
        auto bytes = ReadCollected(*f);
        if (!bytes) {
            lines.push_back(ToLogText("Warning: " + bytes.error().message));
            continue;
        }
        f->bytes = PopupInCodePage(*bytes, f->name, code_page, lines);
        f->held = true;
    }
    for (const auto& topic : help.topics) {
        if (CollectedFile* f = collected.Find(topic.path))
            options.context_ids.push_back({topic.id, "/" + f->name + topic.anchor});
    }
    for (const auto& merge : project.merge_files) {
        if (merge.empty()) continue;
        if (options.merge_files.size() == chm::kMaxMergeFiles) {
            lines.push_back(ToLogText("Warning: only the first " + std::to_string(chm::kMaxMergeFiles) +
                                      " files of [MERGE FILES] are recorded; " + merge + " and those after it are not merged."));
            break;
        }
        options.merge_files.push_back(NameInCodePage(merge, code_page));
    }
}

}  // namespace hhc
