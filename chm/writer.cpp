#include "chm/writer.h"

#include <algorithm>
#include <numeric>
#include <sstream>
#include <string_view>

#include "chm/bytes.h"
#include "chm/container.h"
#include "chm/contents_index.h"
#include "chm/context_table.h"
#include "chm/keyword_links.h"
#include "chm/names.h"
#include "chm/system_files.h"

namespace chm {
namespace {

// How much more input is compressed before the progress is told again.
constexpr uint64_t kProgressStep = uint64_t{4} << 20;

// Files the options name must be among the stored ones (compared as readers do).
tess::Status CheckNamed(const char* what, const std::string& name, const std::vector<std::string_view>& sorted) {
    if (name.empty()) return {};
    std::string wanted = WithLeadingSlash(name);
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

// The topics by stored name, for the contents and the index to find theirs: views of the
// names, so that a large project's names and titles are not copied once more.
class TopicNumbers {
public:
    explicit TopicNumbers(const std::vector<InputFile>& files) {
        uint32_t n = 0;
        for (const auto& f : files)
            if (f.title) by_name_.push_back({f.name, n++, &*f.title});
        std::sort(by_name_.begin(), by_name_.end(), [](const Topic& a, const Topic& b) { return a.name < b.name; });
    }
    // The number and title of the topic stored as `name` ("/" first).
    std::optional<std::pair<uint32_t, const std::string*>> Find(std::string_view name) const {
        auto it = std::lower_bound(by_name_.begin(), by_name_.end(), name,
                                   [](const Topic& t, std::string_view n) { return t.name < n; });
        if (it == by_name_.end() || it->name != name) return std::nullopt;
        return std::pair{it->number, it->title};
    }

private:
    struct Topic {
        std::string_view name;
        uint32_t number;
        const std::string* title;
    };
    std::vector<Topic> by_name_;
};

// The binary contents; each entry's topic then names it in #TOPICS.
std::string ContentsOf(const Options& options, const std::vector<InputFile>& files, TopicTables& topics,
                       StringTable& strings) {
    if (options.contents.empty()) return {};
    const TopicNumbers by_name(files);
    auto topic_of = [&](const std::string& name, const std::string& entry) -> std::optional<uint32_t> {
        auto found = by_name.Find(WithLeadingSlash(name));
        if (!found) return std::nullopt;
        auto [topic, title_of] = *found;
        const std::string& title = *title_of;
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

tess::Status WriteChm(const Options& options, const std::vector<InputFile>& files, std::ostream& out,
                      std::iostream& spill) {
    std::vector<std::string_view> sorted;
    auto ok = CheckInput(options, files, sorted);
    if (!ok) return ok;

    // The files lead section 1, so the stream written so far holds this much of them.
    uint64_t files_fed = 0, reported = 0;
    bool told = false;
    auto tell = [&](uint64_t done) {
        if (!options.progress || (told && done == reported)) return;
        options.progress(done);
        reported = done;
        told = true;
    };
    SectionStreamOptions section{options.threads, lzx_tunables::kDefaultLevel, options.stopped, {}};
    section.written = [&](uint64_t input_done) {
        const uint64_t done = std::min(input_done, files_fed);
        if (done >= reported + kProgressStep) tell(done);
    };
    Container box(spill, std::move(section));
    box.Reserve(files.size() + 32);  // the system files' entries besides
    for (const auto& f : files) {
        if (f.open) {
            auto in = f.open();
            if (!in) return in.error();
            const uint64_t before = box.compressed_input();
            if (auto added = box.AddCompressed(f.name, **in); !added) return added;
            files_fed += box.compressed_input() - before;
            continue;
        }
        tess::Result<std::string> read = f.read ? f.read() : tess::Result<std::string>(std::string());
        if (!read) return read.error();
        std::string_view bytes = f.read ? std::string_view(*read) : std::string_view(f.bytes);
        files_fed += bytes.size();
        if (auto added = box.AddCompressed(f.name, bytes); !added) return added;
    }
    for (const auto& folder : FoldersOf(sorted)) box.AddFolder(folder);
    std::vector<std::string_view>().swap(sorted);
    // Each system file goes to compression as soon as it is made and is let go: a big project's
    // tables are large.
    auto compress = [&box](const char* name, std::string&& bytes) {
        auto added = box.AddCompressed(name, bytes);
        std::string().swap(bytes);
        return added;
    };
    auto window = WindowToStore(options);
    std::string idxhdr;
    {
        StringTable strings;
        TopicTables topics = BuildTopicTables(options, files, strings);
        std::string tocidx = ContentsOf(options, files, topics, strings);
        std::string windows = window ? BuildWindows(*window, strings) : std::string();
        std::string context_table = BuildContextTable(options, strings);
        idxhdr = BuildIdxHdr(topics.count, MergeFileOffsets(options, strings));
        struct SystemFile {
            const char* name;
            std::string* bytes;
            bool stored;
        };
        std::string idxhdr_stored = idxhdr;
        for (const SystemFile& f : {SystemFile{"/#IDXHDR", &idxhdr_stored, true}, {"/#TOCIDX", &tocidx, !tocidx.empty()},
                                    {"/#TOPICS", &topics.topics, true}, {"/#URLTBL", &topics.url_tbl, true},
                                    {"/#URLSTR", &topics.url_str, true}, {"/#WINDOWS", &windows, window.has_value()},
                                    {"/#IVB", &context_table, !context_table.empty()}})
            if (f.stored)
                if (auto added = compress(f.name, std::move(*f.bytes)); !added) return added;
        if (auto added = box.AddCompressed("/#STRINGS", strings.bytes()); !added) return added;
    }

    // Asked for only now, so that a large index is held neither while the files are compressed
    // nor beside the tables above.
    KeywordTable keywords;
    if (options.keywords_later) {
        auto made = options.keywords_later();
        if (!made) return made.error();
        keywords = std::move(*made);
    } else {
        keywords = KeywordTable::Of(options.keywords);
    }
    box.AddUncompressed("/#SYSTEM", BuildSystem(options, window, idxhdr, !keywords.empty()));
    box.AddUncompressed("/#ITBITS", "");
    box.AddFolder("/$WWKeywordLinks/");
    if (keywords.empty()) {
        if (auto added = compress("/$WWKeywordLinks/Property", std::string(4, '\0')); !added) return added;
    } else {
        const TopicNumbers topic_numbers(files);
        // The B-tree goes to compression block by block: a large index's is not held whole.
        box.BeginCompressed("/$WWKeywordLinks/BTree");
        auto links = BuildKeywordLinks(
            std::move(keywords), CodePageOf(options.language), options.language,
            [&](const std::string& name) -> std::optional<uint32_t> {
                auto found = topic_numbers.Find(name);
                if (!found) return std::nullopt;
                return found->first;
            },
            [&box](std::string_view block) { return box.AppendCompressed(block); });
        if (!links) return links.error();
        box.EndCompressed();
        for (auto [name, bytes] : {std::pair{"/$WWKeywordLinks/Data", &links->data}, {"/$WWKeywordLinks/Map", &links->map},
                                   {"/$WWKeywordLinks/Property", &links->property}})
            if (auto added = compress(name, std::move(*bytes)); !added) return added;
    }
    box.AddFolder("/$WWAssociativeLinks/");
    if (auto added = compress("/$WWAssociativeLinks/Property", std::string(4, '\0')); !added) return added;

    std::optional<FullTextIndex> later;
    if (options.full_text_later) {
        auto index = options.full_text_later();
        if (!index) return index.error();
        later = std::move(*index);
    }
    if (const auto& full_text = later ? later : options.full_text) {
        auto added = full_text->fifti_main_file ? box.AddCompressed("/$FIftiMain", *full_text->fifti_main_file)
                                                : box.AddCompressed("/$FIftiMain", full_text->fifti_main);
        if (!added) return added;
        if (auto added = box.AddCompressed("/$OBJINST", full_text->obj_inst); !added) return added;
    }
    later.reset();
    if (auto done = box.Finish(out, options.language, options.timestamp); !done) return done;
    tell(files_fed);
    return {};
}

tess::Result<std::string> BuildChm(const Options& options, const std::vector<InputFile>& files) {
    std::stringstream out, spill;
    auto ok = WriteChm(options, files, out, spill);
    if (!ok) return ok.error();
    return std::move(out).str();
}

tess::Status WriteChm(const Options& options, const std::vector<InputFile>& files, std::ostream& out) {
    std::stringstream spill;
    return WriteChm(options, files, out, spill);
}

}  // namespace chm
