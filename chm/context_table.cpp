#include "chm/context_table.h"

#include <algorithm>

#include "chm/bytes.h"
#include "chm/names.h"

namespace chm {
namespace {

// "/a/b.htm#part" -> "a/b.htm" and "#part".
std::pair<std::string_view, std::string_view> SplitAnchor(std::string_view topic) {
    size_t hash = topic.find('#');
    if (hash == std::string_view::npos) return {topic, {}};
    return {topic.substr(0, hash), topic.substr(hash)};
}

}  // namespace

tess::Status CheckContextHelp(const Options& options, const std::vector<std::string_view>& sorted) {
    for (const auto& c : options.context_ids) {
        std::string file = WithLeadingSlash(SplitAnchor(c.topic).first);
        auto it = std::lower_bound(sorted.begin(), sorted.end(), std::string_view(file), NameLess);
        if (it == sorted.end() || !NameEqualIgnoringCase(*it, file))
            return tess::Error{"The topic \"" + c.topic + "\" of context id " + std::to_string(c.id) +
                               " is not among the files to store."};
        if (c.topic.find('\0') != std::string::npos)
            return tess::Error{"The topic of context id " + std::to_string(c.id) + " holds a zero byte."};
    }
    if (options.merge_files.size() > kMaxMergeFiles)
        return tess::Error{"More than " + std::to_string(kMaxMergeFiles) + " files to merge are named."};
    for (const auto& m : options.merge_files)
        if (m.empty() || m.find('\0') != std::string::npos)
            return tess::Error{"A file to merge has an empty name or one with a zero byte."};
    return {};
}

std::string BuildContextTable(const Options& options, StringTable& strings) {
    if (options.context_ids.empty()) return {};
    std::string out;
    PutU32(out, static_cast<uint32_t>(options.context_ids.size() * 8));
    for (const auto& c : options.context_ids) {
        auto [file, anchor] = SplitAnchor(c.topic);
        if (file.starts_with('/')) file.remove_prefix(1);
        // The viewer takes the text as a path inside the compiled file, in its code page.
        std::string text = options.name_text ? options.name_text(file) + options.name_text(anchor)
                                             : std::string(file) + std::string(anchor);
        PutU32(out, c.id);
        PutU32(out, strings.Add(text));
    }
    return out;
}

std::vector<uint32_t> MergeFileOffsets(const Options& options, StringTable& strings) {
    std::vector<uint32_t> offsets;
    for (const auto& m : options.merge_files) offsets.push_back(strings.Add(m));
    return offsets;
}

}  // namespace chm
