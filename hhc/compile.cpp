#include "hhc/compile.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <future>
#include <memory>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <thread>
#include <vector>

#include "chm/names.h"
#include "chm/writer.h"
#include "hhc/codec.h"
#include "hhc/collect.h"
#include "hhc/context_help.h"
#include "hhc/held_log.h"
#include "hhc/html_refs.h"
#include "hhc/local_ref.h"
#include "hhc/log_text.h"
#include "hhc/navigation.h"
#include "hhc/output_guard.h"
#include "hhc/process.h"
#include "hhc/progress.h"
#include "hhc/project.h"
#include "hhc/contents_entries.h"
#include "hhc/index_keywords.h"
#include "hhc/search_index.h"
#include "hhc/spilled_text.h"
#include "hhc/staged_file.h"
#include "hhc/stored_text.h"
#include "hhc/text_encoding.h"
#include "hhc/unhonoured.h"
#include "hhc/utf8_path.h"

namespace hhc {
namespace fs = std::filesystem;
namespace {

// Without a language in the project, the compiled file is marked as English, as the help
// workshop's compiler does.
constexpr uint32_t kDefaultLanguage = 0x409;

// Below this many bytes of files, the search index is made on the writing thread alone.
constexpr std::uint64_t kSmallProjectBytes = 4u << 20;
// An index file this long is read back from a work file for the binary index, not held.
constexpr size_t kSpilledIndexBytes = 1u << 20;
// A held file that is no topic from this long on waits in a work file to be compressed.
constexpr size_t kLongHeldBytes = 4u << 20;

// Stores `in` from a work file, read a piece at a time: a long file is then not held while
// the others are compressed, nor whole when its turn comes.
void StoreFrom(chm::InputFile& in, std::shared_ptr<SpilledText> stored) {
    in.bytes = std::string();
    in.read = nullptr;
    in.open = [stored]() -> tess::Result<std::shared_ptr<std::istream>> { return SpilledText::Stream(stored); };
}

// A long index file's text, set aside as UTF-8 in a work file for the binary index; the file is
// stored from a work file too. None for a short one, which is read as it stands.
tess::Result<std::shared_ptr<SpilledText>> SpillIndexText(chm::InputFile& in, const chm::WorkFileMaker& work) {
    std::string read;
    if (in.read) {
        auto now = in.read();
        if (!now) return now.error();
        read = std::move(*now);
    }
    const std::string& bytes = in.read ? read : in.bytes;
    if (bytes.size() < kSpilledIndexBytes) return std::shared_ptr<SpilledText>();
    std::string decoded;
    const std::string_view text = PageAsUtf8(bytes, decoded);
    auto spilled = SpilledText::Make(text, work);
    if (!spilled) return spilled;
    auto stored = text.data() == bytes.data() && text.size() == bytes.size() ? spilled : SpilledText::Make(bytes, work);
    if (!stored) return stored.error();
    StoreFrom(in, *stored);
    return spilled;
}

std::optional<std::string> ReadWhole(const std::string& path) {
    std::ifstream in(PathOf(path), std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

// Paths in the project are absolute; a relative one is taken from the project's folder.
std::string ResolveAsWritten(const std::string& project_path, const std::string& path) {
    if (PathOf(path).is_absolute()) return path;
    return TextOf((PathOf(project_path).parent_path() / PathOf(path)).lexically_normal());
}

// Projects written for Windows separate folders with "\"; where no file is named so, that is
// what it means on Linux too (on Windows it is what it means already, and paths stay as written).
std::string Resolve(const std::string& project_path, const std::string& path) {
    std::string full = ResolveAsWritten(project_path, path);
    std::error_code ec;
    if (fs::path::preferred_separator == '\\' || path.find('\\') == std::string::npos || fs::exists(PathOf(full), ec))
        return full;
    std::string slashed = path;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    return ResolveAsWritten(project_path, slashed);
}

// A default topic written as an address ("page%201.html") names the file its unescaped form names.
std::string ResolveTopic(const std::string& project_path, const std::string& topic) {
    std::string full = Resolve(project_path, topic);
    std::error_code ec;
    if (topic.find('%') == std::string::npos || fs::exists(PathOf(full), ec)) return full;
    std::string unescaped = Resolve(project_path, PercentDecode(topic));
    return fs::exists(PathOf(unescaped), ec) ? unescaped : full;
}

tess::Error Stopped() { return tess::Error{"The compilation was stopped."}; }

// The named files: the default topic first, then the project's files, then its contents and
// index files and its window's.
struct Named {
    std::vector<std::string> paths;
    Navigation navigation;
};

Named NamedFiles(const std::string& project_path, const Project& project) {
    Named named;
    named.paths.push_back(ResolveTopic(project_path, project.default_topic));
    for (const auto& f : project.files) named.paths.push_back(Resolve(project_path, f));
    named.navigation = NavigationOf(project, [&](const std::string& path) { return Resolve(project_path, path); });
    for (const auto& f : named.navigation.named) named.paths.push_back(f);
    return named;
}

// What the writer is given. Each page keeps its bytes and title here, which is all a
// full-text index needs of it.
// The paths the files not held are read from, end to end in one block: a big project has
// many, and each file's reader then needs only its number.
class SourceList {
public:
    size_t Add(std::string_view path) {
        text_.append(path);
        ends_.push_back(text_.size());
        return ends_.size() - 1;
    }
    std::string operator[](size_t k) const {
        const size_t begin = k ? ends_[k - 1] : 0;
        return text_.substr(begin, ends_[k] - begin);
    }

private:
    std::string text_;
    std::vector<size_t> ends_;
};

std::vector<chm::InputFile> InputsOf(Collection& collection, uint32_t code_page, SourceList& sources) {
    std::vector<chm::InputFile> inputs;
    inputs.reserve(collection.files.size());
    for (auto& f : collection.files) {
        chm::InputFile in{"/" + f.name, std::move(f.bytes), std::nullopt, {}};
        if (f.page) in.title = ToCodePage(f.title, code_page);
        if (!f.held) in.read = [&sources, k = sources.Add(f.source)] { return ReadSource(sources[k]); };
        for (auto* text : {&f.name, &f.title, &f.source}) std::string().swap(*text);  // their room serves what follows
        inputs.push_back(std::move(in));
    }
    return inputs;
}

chm::Options OptionsOf(const Project& project, const Collection& collection, const std::string& compiled,
                       unsigned threads) {
    chm::Options options;
    options.threads = threads;
    options.language = project.language ? project.language : kDefaultLanguage;
    uint32_t code_page = chm::CodePageOf(options.language);
    // The project's own title wins over the page's.
    std::string title = project.title.empty() ? collection.files.front().title : project.title;
    options.title = ToCodePage(title, code_page);
    options.default_topic = collection.files.front().name;
    options.compiled_name = NameInCodePage(TextOf(PathOf(compiled).stem()), code_page);
    options.name_text = [code_page](std::string_view name) { return NameInCodePage(name, code_page); };
    options.default_font = project.default_font;
    auto newest = collection.newest_time;
    options.timestamp = newest > 0 && newest <= 0xFFFFFFFF ? static_cast<uint32_t>(newest) : 0;
    options.stopped = StopRequested;
    return options;
}

void Warn(const Project& p, const Named& named, const Collection& c, std::vector<std::string>& lines) {
    for (const auto& ignored : p.ignored)
        lines.push_back(ToLogText(UnhonouredLine(ignored)));
    for (const auto& warning : named.navigation.warnings) lines.push_back(ToLogText(warning));
    for (const auto& left : c.left_out) {
        if (left.listed) {
            lines.push_back(ToLogText("Error: The " + std::string(IsPageName(left.name) ? "page " : "file ") + left.name +
                                      " " + left.reason + " It was left out."));
            continue;
        }
        // The old wording for a missing file, which users and scripts know.
        std::string line = left.reason == "it was not found."
                               ? "Warning: " + left.name + " is referred to but was not found."
                               : "Warning: " + left.name + " was left out: " + left.reason;
        lines.push_back(ToLogText(line));
    }
}

// Everything but the log: the log appears only once the outcome is known, so the program's
// probe meets a held log for no longer than it takes to put the compiled file in place.
tess::Result<StagedFile> Compile(const std::string& project_path, Project& project,
                                 std::vector<std::string>& lines, OutputGuard& guard, unsigned threads) {
    Progress progress(project.show_progress);
    // The project may ask for fewer threads than the command line or the cores give.
    if (project.threads) threads = std::min(threads ? threads : std::max(1u, std::thread::hardware_concurrency()), project.threads);
    Named named = NamedFiles(project_path, project);
    project.files = std::vector<std::string>();  // the named paths stand for them from here on
    uint32_t code_page = chm::CodePageOf(project.language ? project.language : kDefaultLanguage);
    auto context = ContextHelpOf(project, [&](const std::string& path) { return Resolve(project_path, path); }, code_page);
    named.paths.insert(named.paths.end(), context.named.begin(), context.named.end());
    std::string compiled = Resolve(project_path, project.compiled_file);
    const unsigned cores = threads ? threads : std::max(1u, std::thread::hardware_concurrency());
    {
        std::vector<std::string> reads = named.paths;
        for (const auto& f : OutputGuard::ProjectReads(project)) reads.push_back(Resolve(project_path, f));
        if (auto own = guard.Check(compiled, reads, cores); !own) return own.error();
    }
    auto collection = CollectTree(ProjectRoot(project_path, named.paths.front()), named.paths, kMaxFiles, cores);
    // A big project's list is long; what was gathered holds it now. (Assigning {} would keep
    // the vector's capacity.)
    named.paths = std::vector<std::string>();
    if (StopRequested()) return Stopped();
    if (!collection) return collection.error();
    if (auto own = guard.Check(compiled, OutputGuard::SourcesOf(*collection), cores); !own) return own.error();
    std::uint64_t gathered = 0;
    for (const auto& f : collection->files) gathered += f.size;
    progress.Gathered(collection->files.size(), gathered);
    ForgetLeftOut(*collection, named.navigation);
    Warn(project, named, *collection, lines);
    if (StopRequested()) return Stopped();

    std::set<std::string> untitled;
    for (const auto& f : collection->files)
        if (f.page && !f.titled) untitled.insert("/" + f.name);
    chm::Options options = OptionsOf(project, *collection, compiled, threads);
    WarnOfLostCharacters(project.title.empty() ? collection->files.front().title : project.title, *collection,
                         named.navigation, code_page, lines);
    ApplyContextHelp(context, project, *collection, code_page, options, lines);
    std::uint64_t read_later = 0;
    for (const auto& f : collection->files)
        if (!f.held) read_later += f.size;
    SourceList sources;
    auto inputs = InputsOf(*collection, chm::CodePageOf(options.language), sources);
    collection->files = std::vector<CollectedFile>();  // the inputs hold all that is needed of them
    MakeTextsStorable(options, inputs, chm::CodePageOf(options.language), lines);
    ApplyNavigation(named.navigation, *collection, chm::CodePageOf(options.language), options, inputs);
    if (project.binary_toc) {
        auto contents = ContentsEntries(inputs, options.contents_file, chm::CodePageOf(options.language));
        if (!contents) return contents.error();
        options.contents = std::move(*contents);
    }
    // What the writer will store: held files as they now stand (texts re-encoded, navigation
    // added), the others as gathered. Held files that are no topic (popups, a made contents
    // file) are wanted once more, to be compressed: each is let go as soon as it is. The index
    // file is wanted again after that, for the binary index: a long one waits in a work file.
    const bool small = gathered < kSmallProjectBytes;
    const chm::WorkFileMaker work_files = [&compiled] { return StagedFile::WorkFile(compiled); };
    const std::string index_name = chm::WithLeadingSlash(options.index_file);
    std::shared_ptr<SpilledText> index_text;
    std::uint64_t to_store = read_later;
    for (auto& in : inputs) {
        const bool index = project.binary_index && !in.title && in.name == index_name;
        if (!in.read) to_store += in.bytes.size();
        if (index && !small) {
            auto spilled = SpillIndexText(in, work_files);
            if (!spilled) return spilled.error();
            index_text = std::move(*spilled);
        } else if (!in.read && !in.title && !index) {
            if (small || in.bytes.size() < kLongHeldBytes) {
                in.read = [held = std::make_shared<std::string>(std::move(in.bytes))] { return std::move(*held); };
                continue;
            }
            auto stored = SpilledText::Make(in.bytes, work_files);
            if (!stored) return stored.error();
            StoreFrom(in, *stored);
        }
    }
    if (project.binary_index)
        options.keywords_later = [&inputs, &index_text, index_file = options.index_file, auto_index = project.auto_index] {
            return IndexKeywords(inputs, index_file, auto_index, index_text ? index_text->Pieces() : TextPieces());
        };
    // After the navigation, which may add files: topics are counted in the file's own order.
    // With threads to spare the index is made while the files are compressed.
    size_t topics = std::count_if(inputs.begin(), inputs.end(), [](const chm::InputFile& f) { return f.title.has_value(); });
    options.progress = progress.Compressing(to_store);
    using SearchIndex = tess::Result<std::optional<chm::FullTextIndex>>;
    std::future<SearchIndex> search;
    std::optional<tess::Error> search_failed;
    auto make_search = [&, language = options.language] {
        auto index = BuildSearchIndex(project.full_text_search, language, inputs, untitled, small ? 1 : cores,
                                      small ? chm::WorkFileMaker() : work_files);
        if (index) progress.Indexed(topics);
        return index;
    };
    if (project.full_text_search) {
        // A small project's index is made sooner than a thread starts on a busy machine.
        if (threads != 1 && !small) search = std::async(std::launch::async, make_search);
        options.full_text_later = [&]() -> tess::Result<chm::FullTextIndex> {
            auto index = search.valid() ? search.get() : make_search();
            if (!index) return *(search_failed = tess::Error{"The search index cannot be made: " + index.error().message});
            return std::move(**index);
        };
    }
    auto staged = StagedFile::Write(
        [&](std::ostream& out, std::iostream& spill) -> tess::Status {
            auto written = chm::WriteChm(options, inputs, out, spill);
            if (written || StopRequested()) return written;
            if (search_failed) return *search_failed;
            return tess::Error{"The compiled file cannot be made: " + written.error().message};
        },
        compiled);
    // The index may still be at work when the writing failed early.
    if (search.valid()) search.wait();
    if (StopRequested()) return Stopped();
    if (!staged) return staged.error();
    progress.Finished();
    if (StopRequested()) return Stopped();
    return staged;
}

// The log is made (locked, renamed into place) only now, and the compiled file takes its
// name while the log is held, before the success line.
int Report(const std::string& log_path, const std::vector<std::string>& lines, tess::Result<StagedFile> staged,
           const OutputGuard& guard) {
    if (guard.log_clash()) {
        std::fprintf(stderr, "hhc: %s\n", guard.log_clash()->c_str());
        return kNoLog;
    }
    auto log = HeldLog::Create(log_path);
    if (!log) {
        std::fprintf(stderr, "hhc: %s\n", log.error().message.c_str());
        return kNoLog;
    }
    // A log that cannot take its lines cannot report a success either: the old compiled file stays.
    tess::Status written;
    for (const auto& line : lines)
        if (written) written = log->WriteLine(line);
    tess::Status done = !written ? written : staged ? staged->Commit() : tess::Status(staged.error());
    if (done) {
        done = log->WriteSuccessLine(ToLogText("Created " + staged->final_path() + ", " + WithThousands(staged->size()) +
                                               " bytes"));
    }
    if (!done) {
        // Nothing more can be said when even this line does not fit.
        (void)log->WriteLine(ToLogText("Error: " + done.error().message));
        return kFailed;
    }
    log->Release();
    return kCreated;
}

// A project that names no log, as documentation tools write them: its lines go to the console.
int ReportToConsole(const std::vector<std::string>& lines, tess::Result<StagedFile> staged) {
    for (const auto& line : lines) std::printf("%s\n", Codec().FromAnsi(line).c_str());
    tess::Status done = staged ? staged->Commit() : tess::Status(staged.error());
    if (!done) {
        std::fprintf(stderr, "hhc: %s\n", done.error().message.c_str());
        return kFailed;
    }
    std::printf("Created %s, %s bytes\n", staged->final_path().c_str(), WithThousands(staged->size()).c_str());
    return kCreated;
}

}  // namespace

std::string ProjectArgument(const std::string& argument) {
    std::error_code ec;
    if (argument.size() >= 2 && argument.front() == '"' && argument.back() == '"' &&
        !fs::exists(PathOf(argument), ec))
        return argument.substr(1, argument.size() - 2);
    return argument;
}

int CompileProject(const std::string& argument, unsigned threads) {
    // "hhc t.hhp" in the project's own folder: every path is taken from there.
    std::error_code ec;
    fs::path absolute = fs::absolute(PathOf(argument), ec);
    std::string project_path = ec ? argument : TextOf(absolute.lexically_normal());
    auto bytes = ReadWhole(project_path);
    if (!bytes) {
        std::fprintf(stderr, "hhc: the project file %s cannot be read.\n", project_path.c_str());
        return kNoLog;
    }
    Project partial;
    auto project = ParseProject(*bytes, &partial);
    *bytes = std::string();
    partial.files = std::vector<std::string>();  // only its log is wanted: a big project's list is long
    // One that names no compiled file (Doxygen's, by default) makes one of its own name beside it.
    if (project && project->compiled_file.empty()) project->compiled_file = TextOf(PathOf(project_path).stem()) + ".chm";
    std::vector<std::string> lines;
    if (partial.log_file.empty()) {
        OutputGuard guard(project_path, "");
        if (project) return ReportToConsole(lines, Compile(project_path, *project, lines, guard, threads));
        std::fprintf(stderr, "hhc: %s\n", project.error().message.c_str());
        return kNoLog;
    }
    std::string log_path = Resolve(project_path, partial.log_file);
    OutputGuard guard(project_path, log_path);
    if (!project) return Report(log_path, lines, project.error(), guard);
    auto staged = Compile(project_path, *project, lines, guard, threads);
    return Report(log_path, lines, std::move(staged), guard);
}

}  // namespace hhc
