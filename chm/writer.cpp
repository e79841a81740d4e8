#include "chm/writer.h"

#include <algorithm>
#include <numeric>
#include <string_view>
#include <unordered_map>

#include "chm/bytes.h"
#include "chm/container.h"
#include "chm/contents_index.h"
#include "chm/context_table.h"
#include "chm/keyword_links.h"
#include "chm/names.h"
#include "chm/system_files.h"

namespace chm {
namespace {

std::string WithSlash(std::string_view name) {
    std::string full;
    if (!name.starts_with('/')) full.push_back('/');
    full.append(name);
    return full;
}

// Files the options name must be among the stored ones (compared as readers do).
tess::Status CheckNamed(const char* what, const std::string& name, const std::vector<std::string_view>& sorted) {
    if (name.empty()) return {};
    std::string wanted = WithSlash(name);
    auto it = std::lower_bound(sorted.begin(), sorted.end(), std::string_view(wanted), NameLess);
    if (it == sorted.end() || !NameEqualIgnoringCase(*it, wanted))
        return tess::Error{std::string("The ") + what + " \"" + name + "\" is not among the files to store."};
    return {};
}

tess::Status CheckInput(const Options& options, const std::vector<InputFile>& files,
                        std::vector<std::string_view>& sorted) {
    for (const auto& f : files) {
        auto ok = CheckStoredName(f.name);
        if (!ok) return ok;
        sorted.push_back(f.name);
    }
    std::sort(sorted.begin(), sorted.end(), NameLess);
    for (size_t i = 1; i < sorted.size(); ++i) {
        if (!NameEqualIgnoringCase(sorted[i - 1], sorted[i])) continue;
        if (sorted[i - 1] == sorted[i]) return tess::Error{"The file \"" + std::string(sorted[i]) + "\" is given twice."};
        return tess::Error{"The files \"" + std::string(sorted[i - 1]) + "\" and \"" + std::string(sorted[i]) +
                           "\" differ only in upper and lower case, which viewers do not tell apart."};
    }
    // The system file holds these texts zero-terminated behind a 16-bit length.
    for (auto [what, text] : {std::pair{"title", &options.title}, std::pair{"default font", &options.default_font},
                              std::pair{"compiled file name", &options.compiled_name}}) {
        if (text->size() >= 0xFFFF || text->find('\0') != std::string::npos)
            return tess::Error{std::string("The ") + what + " is too long or holds a zero byte."};
    }
    for (auto [what, name] : {std::pair{"default topic", &options.default_topic},
                              std::pair{"contents file", &options.contents_file},
                              std::pair{"index file", &options.index_file}}) {
        auto ok = CheckNamed(what, *name, sorted);
        if (!ok) return ok;
    }
    return CheckContextHelp(options, sorted);
}

// The binary contents; each entry's topic then names it in #TOPICS.
std::string ContentsOf(const Options& options, const std::vector<InputFile>& files, TopicTables& topics,
                       StringTable& strings) {
    if (options.contents.empty()) return {};
    std::unordered_map<std::string, std::pair<uint32_t, std::string>> by_name;
    uint32_t n = 0;
    for (const auto& f : files)
        if (f.title) by_name.try_emplace(f.name, n++, *f.title);
    auto topic_of = [&](const std::string& name, const std::string& entry) -> std::optional<uint32_t> {
        auto it = by_name.find(WithSlash(name));
        if (it == by_name.end()) return std::nullopt;
        auto [topic, title] = it->second;
        // Viewers name the entry by its topic's title.
        return title == entry ? topic : AddTopicAlias(topics, strings, topic, entry);
    };
    auto index = BuildContentsIndex(options.contents, strings, topic_of);
    for (auto [topic, offset] : index.topic_entries) {
        std::string field;
        PutU32(field, offset);
        topics.topics.replace(size_t{topic} * 16, 4, field);
    }
    return index.tocidx;
}

}  // namespace

tess::Result<std::string> BuildChm(const Options& options, const std::vector<InputFile>& files) {
    std::vector<std::string_view> sorted;
    auto ok = CheckInput(options, files, sorted);
    if (!ok) return ok.error();

    Container box;
    uint64_t total = 0;
    for (const auto& f : files) {
        if (!f.read) {
            box.AddCompressed(f.name, f.bytes);
            total += f.bytes.size();
            continue;
        }
        auto bytes = f.read();
        if (!bytes) return bytes.error();
        box.AddCompressed(f.name, *bytes);
        total += bytes->size();
    }
    for (const auto& folder : FoldersOf(sorted)) box.AddFolder(folder);

    StringTable strings;
    TopicTables topics = BuildTopicTables(options, files, strings);
    std::string tocidx = ContentsOf(options, files, topics, strings);
    auto window = WindowToStore(options);
    std::string windows = window ? BuildWindows(*window, strings) : std::string();
    std::string context_table = BuildContextTable(options, strings);
    std::string idxhdr = BuildIdxHdr(topics.count, MergeFileOffsets(options, strings));

    box.AddUncompressed("/#SYSTEM", BuildSystem(options, window, idxhdr));
    box.AddUncompressed("/#ITBITS", "");
    box.AddCompressed("/#IDXHDR", idxhdr);
    if (!tocidx.empty()) box.AddCompressed("/#TOCIDX", tocidx);
    box.AddCompressed("/#TOPICS", topics.topics);
    box.AddCompressed("/#URLTBL", topics.url_tbl);
    box.AddCompressed("/#URLSTR", topics.url_str);
    if (window) box.AddCompressed("/#WINDOWS", windows);
    if (!context_table.empty()) box.AddCompressed("/#IVB", context_table);
    box.AddCompressed("/#STRINGS", strings.bytes());
    box.AddFolder("/$WWKeywordLinks/");
    if (options.keywords.empty()) {
        box.AddCompressed("/$WWKeywordLinks/Property", std::string(4, '\0'));
    } else {
        std::unordered_map<std::string, uint32_t> topic_numbers;
        uint32_t n = 0;
        for (const auto& f : files)
            if (f.title) topic_numbers.try_emplace(f.name, n++);
        auto links = BuildKeywordLinks(options.keywords, CodePageOf(options.language), options.language,
                                       [&](const std::string& name) -> std::optional<uint32_t> {
                                           auto it = topic_numbers.find(name);
                                           if (it == topic_numbers.end()) return std::nullopt;
                                           return it->second;
                                       });
        if (!links) return links.error();
        box.AddCompressed("/$WWKeywordLinks/BTree", links->btree);
        box.AddCompressed("/$WWKeywordLinks/Data", links->data);
        box.AddCompressed("/$WWKeywordLinks/Map", links->map);
        box.AddCompressed("/$WWKeywordLinks/Property", links->property);
    }
    box.AddFolder("/$WWAssociativeLinks/");
    box.AddCompressed("/$WWAssociativeLinks/Property", std::string(4, '\0'));
    std::optional<FullTextIndex> later;
    if (options.full_text_later) {
        auto index = options.full_text_later();
        if (!index) return index.error();
        later = std::move(*index);
    }
    if (const auto& full_text = later ? later : options.full_text) {
        box.AddCompressed("/$FIftiMain", full_text->fifti_main);
        box.AddCompressed("/$OBJINST", full_text->obj_inst);
    }
    std::string bytes = box.Finish(options.language, options.timestamp, options.stopped, options.threads);
    if (options.progress) options.progress(total);
    if (options.stopped && options.stopped()) return tess::Error{"The compilation was stopped."};
    return bytes;
}

tess::Status WriteChm(const Options& options, const std::vector<InputFile>& files, std::ostream& out,
                      std::iostream&) {
    return WriteChm(options, files, out);
}

tess::Status WriteChm(const Options& options, const std::vector<InputFile>& files, std::ostream& out) {
    auto bytes = BuildChm(options, files);
    if (!bytes) return bytes.error();
    out.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
    out.flush();
    if (!out) return tess::Error{"The compiled file could not be written."};
    return {};
}

}  // namespace chm
