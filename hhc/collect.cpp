#include "hhc/collect.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <iterator>
#include <memory>
#include <optional>
#include <system_error>
#include <unordered_map>

#include "chm/names.h"
#include "hhc/css_refs.h"
#include "hhc/folder_index.h"
#include "hhc/html_refs.h"
#include "hhc/local_ref.h"
#include "hhc/log_line.h"
#include "hhc/on_threads.h"
#include "hhc/packed_strings.h"
#include "hhc/process.h"
#include "hhc/sitemap.h"
#include "hhc/utf8_path.h"

namespace hhc {
namespace fs = std::filesystem;
namespace {

enum class Kind { page, style, contents, drawing, other };

bool EndsWithIgnoringCase(const std::string& name, std::string_view ext) {
    if (name.size() <= ext.size()) return false;
    for (size_t i = 0; i < ext.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(name[name.size() - ext.size() + i])) != ext[i]) return false;
    return true;
}

Kind KindOf(const std::string& name) {
    if (IsPageName(name)) return Kind::page;
    if (EndsWithIgnoringCase(name, ".css")) return Kind::style;
    if (EndsWithIgnoringCase(name, ".svg")) return Kind::drawing;  // markup: its images and styles come along
    if (EndsWithIgnoringCase(name, ".hhc") || EndsWithIgnoringCase(name, ".hhk")) return Kind::contents;
    return Kind::other;
}

// The whole file, or the reason it cannot be read.
tess::Result<std::string> ReadAll(const fs::path& path) {
    errno = 0;
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return tess::Error{errno ? std::strerror(errno) : "it cannot be opened"};
    // Read at its size in one go; a file that grows meanwhile is read to its end all the same.
    std::string out;
    if (auto size = in.tellg(); size > 0) out.resize(static_cast<size_t>(size));
    in.seekg(0);
    in.read(out.data(), static_cast<std::streamsize>(out.size()));
    out.resize(static_cast<size_t>(in.gcount()));
    if (in.bad()) return tess::Error{errno ? std::strerror(errno) : "a read failed"};
    if (in) out.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) return tess::Error{errno ? std::strerror(errno) : "a read failed"};
    return out;
}

std::int64_t ModifiedSeconds(const fs::path& path) {
    std::error_code ec;
    auto t = fs::last_write_time(path, ec);
    if (ec) return 0;
    auto sys = std::chrono::file_clock::to_sys(t);
    return std::chrono::duration_cast<std::chrono::seconds>(sys.time_since_epoch()).count();
}

std::string FolderOf(const std::string& rel) {
    size_t slash = rel.rfind('/');
    return slash == std::string::npos ? std::string() : rel.substr(0, slash);
}

// A file reached through a symbolic link may lie outside the tree.
bool InsideTree(const fs::path& real_root, const fs::path& file) {
    std::error_code ec;
    fs::path real = fs::canonical(file, ec);
    if (ec) return false;
    auto r = real_root.begin();
    auto f = real.begin();
    for (; r != real_root.end(); ++r, ++f)
        if (f == real.end() || *r != *f) return false;
    return f != real.end();
}

std::string AsciiLower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
    return s;
}

// Where a page's relative references start: its folder, or the folder its <base> names.
// An absolute base sends them all elsewhere.
std::optional<std::string> BaseFolder(const std::string& page, const std::string& base) {
    if (base.empty()) return FolderOf(page);
    LocalRef b = ResolveRef(base + (base.back() == '/' ? "x" : ""), FolderOf(page));
    if (b.kind != LocalRef::Kind::inside) return std::nullopt;
    return FolderOf(b.path);
}

// Without its default topic a compiled file opens on nothing; any other file can be missed.
tess::Error DefaultTopicRefused(const std::string& name, const std::string& reason) {
    return tess::Error{(IsPageName(name) ? "The page " : "The file ") + name + " " + reason};
}

// Looks names up by view, not by a copy.
struct NameHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

std::string CannotBeRead(const std::string& why) { return "cannot be read: " + why + "."; }

class Collector {
public:
    Collector(std::string root, size_t max_files, unsigned threads)
        : index_(root), max_files_(max_files), threads_(std::max(1u, threads)) {
        c_.root = std::move(root);
    }

    tess::Status Run(const std::vector<std::string>& named) {
        std::error_code ec;
        real_root_ = fs::canonical(PathOf(c_.root), ec);
        if (ec) return tess::Error{"The folder " + c_.root + " cannot be read: " + ec.message() + "."};
        c_.files.reserve(named.size());  // most projects list most of their files
        const std::vector<NamedProbe> probes = ProbeNamed(named);
        for (size_t i = 0; i < named.size(); ++i) {
            if (StopRequested()) return tess::Error{"The compilation was stopped."};
            bool is_default = i == 0;
            std::string reason = AddNamed(named[i], is_default, probes[i]);
            if (reason.empty()) continue;
            if (is_default) return DefaultTopicRefused(named[i], reason);
            c_.left_out.push_back({named[i], std::move(reason), true});
        }
        if (c_.files.empty()) return tess::Error{"There is no file to compile."};
        ScanLongFilesEarly();
        std::vector<bool> unreadable(c_.files.size());
        // Batches are scanned ahead, two per thread, while the one before them is taken: no
        // thread then waits for the taking.
        std::deque<std::future<Batch>> ahead;
        auto scan_ahead = [&] {
            while (ahead.size() < 2 * threads_ && !queue_.empty()) ahead.push_back(ScanBatch());
        };
        for (scan_ahead(); !ahead.empty(); scan_ahead()) {
            Batch batch = ahead.front().get();
            ahead.pop_front();
            scan_ahead();
            for (auto& [i, scanned] : batch) {
                if (StopRequested()) return tess::Error{"The compilation was stopped."};
                auto read = Take(i, std::move(scanned));
                if (read) continue;
                // It could be opened when it was found, but not read now.
                if (i == 0) return DefaultTopicRefused(named.front(), CannotBeRead(read.error().message));
                if (i < named_.size()) c_.left_out.push_back({*named_[i], CannotBeRead(read.error().message), true});
                else LeaveOut(c_.files[i].name, "it cannot be read (" + read.error().message + ").");
                unreadable.resize(c_.files.size());
                unreadable[i] = true;
            }
        }
        unreadable.resize(c_.files.size());
        size_t kept = 0;
        for (size_t i = 0; i < c_.files.size(); ++i)
            if (!unreadable[i] && kept++ != i) c_.files[kept - 1] = std::move(c_.files[i]);
        c_.files.resize(kept);
        return {};
    }

    Collection Take() { return std::move(c_); }

private:
    // What the file system says of a named path. Asked on every thread before the names are
    // taken in order: a big project names many, and each costs a few system calls.
    struct NamedProbe {
        bool regular = false, exists = false, inside = false;
        tess::Result<std::uint64_t> size = std::uint64_t{0};
        std::int64_t modified = 0;
    };
    std::vector<NamedProbe> ProbeNamed(const std::vector<std::string>& named) const {
        std::vector<NamedProbe> probes(named.size());
        // A handful of files is read sooner than a thread starts on a busy machine.
        OnThreads(named.size(), threads_, kFewFiles, [&](size_t i) {
            if (StopRequested()) return;
            const fs::path file = PathOf(named[i]);
            std::error_code ec;
            NamedProbe& p = probes[i];
            if (!(p.regular = fs::is_regular_file(file, ec))) {
                p.exists = fs::exists(file, ec);
                return;
            }
            p.inside = InsideTree(real_root_, file);
            p.size = Open(file);
            p.modified = ModifiedSeconds(file);
        });
        return probes;
    }

    // A file the project names: taken, or why not, to be read after its path ("does not exist.").
    std::string AddNamed(const std::string& path, bool is_default, const NamedProbe& probe) {
        fs::path file = PathOf(path);
        if (!probe.regular) return probe.exists ? "is not a file." : "does not exist.";
        std::string name = TreeName(c_.root, path);
        // The default topic is the one the user chose; any other must not lead out through a link.
        if (name.empty() || name == "." || name.starts_with("..") || (!is_default && !probe.inside))
            return "lies outside the folder " + c_.root + ".";
        if (auto storable = chm::CheckStoredName("/" + name); !storable)
            return "cannot be compiled: " + Reason(storable.error().message);
        if (auto s = seen_.find(AsciiLower(name)); s != seen_.end()) {
            if (!SpelledAsTaken(s->second, name)) NoteCaseTwin(name, SourceSeen(s->second));
            return {};
        }
        if (!probe.size) return CannotBeRead(probe.size.error().message);
        seen_.emplace(AsciiLower(name), static_cast<uint32_t>(c_.files.size()));
        Add(name, file, *probe.size, probe.modified);
        named_.push_back(&path);  // the named come first, each one file
        return {};
    }

    // A file is only opened when it is found, to know now that it can be read; the markup is
    // read when its turn to be scanned comes, so that no more than one page is held at a time.
    static tess::Result<std::uint64_t> Open(const fs::path& file) {
        errno = 0;
        std::ifstream in(file, std::ios::binary | std::ios::ate);
        if (!in) return tess::Error{errno ? std::strerror(errno) : "it cannot be opened"};
        auto end = in.tellg();
        return end < 0 ? std::uint64_t{0} : static_cast<std::uint64_t>(end);
    }

    void Add(const std::string& name, const fs::path& source, std::uint64_t size,
             std::optional<std::int64_t> modified = std::nullopt) {
        Kind kind = KindOf(name);
        c_.files.push_back({name, {}, false, size, kind == Kind::page, {}, TextOf(source)});
        c_.newest_time = std::max(c_.newest_time, modified ? *modified : ModifiedSeconds(source));
        if (kind != Kind::other) queue_.push_back(c_.files.size() - 1);
    }

    // The writer's refusal, as a reason in the log's words.
    static std::string Reason(const std::string& message) {
        size_t colon = message.find(": ");
        return colon == std::string::npos ? message : message.substr(colon + 2);
    }

    void LeaveOut(std::string name, std::string reason) { c_.left_out.push_back({std::move(name), std::move(reason)}); }

    // A reference as its scan resolved it (see Scanned::targets).
    void Follow(std::string_view target) {
        if (target.front() == kOutsideMark) {
            std::string path(target.substr(1));
            if (seen_outside_.emplace(path, true).second) LeaveOut(std::move(path), "it lies outside the page's folder.");
            return;
        }
        const size_t n = (target.size() - 1) / 2;
        const std::string_view name = target.substr(1, n), key = target.substr(1 + n);
        if (auto s = seen_.find(key); s != seen_.end()) {
            if (!SpelledAsTaken(s->second, name)) NoteCaseTwin(std::string(name), SourceSeen(s->second));
            return;
        }
        const std::string name_text(name);
        auto found = index_.Find(name_text);
        if (!found) {
            seen_.emplace(std::string(key), kNoneSeen);
            return LeaveOut(name_text, "it was not found.");
        }
        std::string source = TextOf(PathOf(c_.root) / PathOf(found->path));
        // Taken unless refused below; a refused one keeps its source aside.
        auto seen = seen_.emplace(std::string(key), static_cast<uint32_t>(c_.files.size())).first;
        auto refuse = [&](std::string reason) {
            seen->second = kRefusedSeen | static_cast<uint32_t>(refused_sources_.size());
            refused_sources_.push_back(source);
            LeaveOut(name_text, std::move(reason));
        };
        fs::path file = PathOf(source);
        if (found->through_link && !InsideTree(real_root_, file))
            return refuse("it lies outside the page's folder through a link.");
        if (auto storable = chm::CheckStoredName("/" + name_text); !storable)
            return refuse(Reason(storable.error().message));
        if (c_.files.size() >= max_files_)
            return refuse("the limit of " + WithThousands(max_files_) + " files was reached.");
        auto size = Open(file);
        if (!size) return refuse("it cannot be read (" + size.error().message + ").");
        Add(name_text, file, *size);
    }

    // Whether a name seen before is spelled just as the file taken for it: then it is that file,
    // and no twin need be looked for (most references are to pages already taken).
    bool SpelledAsTaken(uint32_t seen, std::string_view name) const {
        return seen < c_.files.size() && c_.files[seen].name == name;
    }

    // The source read for a name seen before ("" when none was found).
    std::string SourceSeen(uint32_t seen) const {
        if (seen == kNoneSeen) return {};
        if (seen & kRefusedSeen) return refused_sources_[seen & ~kRefusedSeen];
        // A named file is known by its place in the tree, however the project spelled its path.
        return seen < named_.size() ? TextOf(PathOf(c_.root) / PathOf(c_.files[seen].name)) : c_.files[seen].source;
    }

    // "A.png" and "a.png" are one name inside a compiled file; a second file spelled so
    // cannot come along.
    void NoteCaseTwin(const std::string& name, const std::string& stored_source) {
        if (stored_source.empty()) return;
        auto exact = index_.Find(name);
        if (!exact) return;
        std::string source = TextOf(PathOf(c_.root) / PathOf(exact->path));
        if (source == stored_source || !seen_outside_.emplace(source, true).second) return;
        LeaveOut(name, "another file whose name differs from it only in upper and lower case is stored, "
                       "and a compiled file does not tell such names apart.");
    }

    // What reading and scanning a file yields; made on any thread, taken in the files' order.
    struct Scanned {
        tess::Status read;
        std::uint64_t size = 0;
        // What the file refers to, resolved as it was scanned, in the order taken: the outside
        // mark and the reference as decoded, or the inside mark, the name and its lower case.
        PackedStrings targets;
        HtmlRefs refs;                    // a page's: its title, and what a base outside drops
        bool dropped_by_base = false;     // its base sends every reference out of the tree
    };
    static constexpr char kInsideMark = 'i', kOutsideMark = 'o';

    static void Resolve(std::string_view ref, const std::string& from_folder, bool pages_only, PackedStrings& out) {
        LocalRef target = ResolveRef(ref, from_folder);
        if (target.kind == LocalRef::Kind::none) return;
        if (target.kind == LocalRef::Kind::outside) return out.Add(std::string_view(&kOutsideMark, 1), target.path);
        if (pages_only && KindOf(target.path) != Kind::page) return;  // a link to a download stays a link
        out.Add(std::string_view(&kInsideMark, 1), target.path, AsciiLower(target.path));
    }

    static Scanned ScanFile(const std::string& name, const std::string& source) {
        Scanned s;
        auto read = ReadAll(PathOf(source));
        if (!read) {
            s.read = read.error();
            return s;
        }
        s.size = read->size();
        Kind kind = KindOf(name);
        if (kind == Kind::contents || kind == Kind::style) {
            // Whatever a contents or index entry shows is taken, a page or not.
            const std::string folder = FolderOf(name);
            auto take = [&](std::string_view local) { Resolve(local, folder, false, s.targets); };
            if (kind == Kind::contents)
                VisitSitemap(*read, [&](SitemapEntry&& entry) {
                    for (const auto& local : entry.locals) take(local);
                });
            else
                for (const auto& local : CssReferences(*read)) take(local);
            return s;
        }
        s.refs = ScanHtml(*read);
        auto from = BaseFolder(name, s.refs.base);
        if (!from) {
            s.dropped_by_base = true;
            return s;
        }
        for (const auto& r : s.refs.resources) Resolve(r, *from, false, s.targets);
        for (const auto& r : s.refs.links) Resolve(r, *from, true, s.targets);
        s.refs.resources = {};
        s.refs.links = {};
        return s;
    }

    // Follows what a file's scan found; an error when it could not be read after all.
    tess::Status Take(size_t i, Scanned scanned) {
        if (!scanned.read) return scanned.read;
        const std::string& name = c_.files[i].name;
        c_.files[i].size = scanned.size;
        // A viewer lists a topic by its title; one without gets its file's name.
        if (KindOf(name) == Kind::page) {
            const HtmlRefs& refs = scanned.refs;
            c_.files[i].title = refs.title.empty() ? name.substr(name.rfind('/') + 1) : refs.title;
            c_.files[i].titled = !refs.title.empty();
        }
        if (scanned.dropped_by_base) NameDroppedByBase(name, scanned.refs);
        scanned.targets.ForEach([&](std::string_view target) { Follow(target); });
        return {};
    }

    using Batch = std::vector<std::pair<size_t, Scanned>>;
    // The next files of the queue, read and scanned on a thread of their own while the files
    // before them are taken (with one thread, when asked for). What they find joins the queue
    // in the same order as one thread would put it there: the queue is taken in its order,
    // whatever the batches. The scan gets copies of the names, the file list growing meanwhile.
    std::future<Batch> ScanBatch() {
        struct Job {
            size_t index;
            std::string name, source;
            std::future<Scanned> early;
        };
        std::vector<Job> jobs;
        while (!queue_.empty() && jobs.size() < kBatchFiles) {
            const size_t i = queue_.front();
            queue_.pop_front();
            auto early = early_.extract(i);
            jobs.push_back({i, c_.files[i].name, c_.files[i].source, early ? std::move(early.mapped()) : std::future<Scanned>()});
        }
        // A handful of files is scanned sooner than a thread starts.
        const bool ahead = threads_ > 1 && jobs.size() >= kFewFiles;
        return std::async(ahead ? std::launch::async : std::launch::deferred, [jobs = std::move(jobs)]() mutable {
            Batch batch;
            batch.reserve(jobs.size());
            for (Job& job : jobs)
                batch.emplace_back(job.index, job.early.valid() ? job.early.get() : ScanFile(job.name, job.source));
            return batch;
        });
    }

    // Long files the project names (a big contents or index file, listed last) are scanned at
    // once, one after another on a thread of their own, not when their turn comes with every
    // other thread waiting for them; one at a time, as each is read whole.
    void ScanLongFilesEarly() {
        if (threads_ < 2) return;
        struct Early {
            std::string name, source;
            std::promise<Scanned> scanned;
        };
        std::vector<Early> long_files;
        for (size_t i = 0; i < c_.files.size() && long_files.size() < kEarlyFiles; ++i) {
            const CollectedFile& f = c_.files[i];
            if (f.size < kEarlyBytes || KindOf(f.name) == Kind::other) continue;  // others are not scanned
            long_files.push_back({f.name, f.source, {}});
            early_.emplace(i, long_files.back().scanned.get_future());
        }
        if (long_files.empty()) return;
        early_scans_ = std::async(std::launch::async, [long_files = std::move(long_files)]() mutable {
            for (Early& f : long_files) f.scanned.set_value(ScanFile(f.name, f.source));
        });
    }

    // A base outside the page's folder (or on the web) takes every relative reference out of
    // the tree: each is named as a "../x" reference is.
    void NameDroppedByBase(const std::string& page, const HtmlRefs& refs) {
        for (bool links : {false, true}) {
            for (const auto& r : links ? refs.links : refs.resources) {
                LocalRef target = ResolveRef(r, FolderOf(page));
                if (target.kind == LocalRef::Kind::none) continue;
                if (links && target.kind == LocalRef::Kind::inside && KindOf(target.path) != Kind::page) continue;
                if (!seen_outside_.emplace("base:" + r, true).second) continue;
                LeaveOut(r, "the page " + page + " takes its references from <base href=\"" + refs.base +
                                "\">, which lies outside its folder.");
            }
        }
    }

    Collection c_;
    FolderIndex index_;
    size_t max_files_;
    unsigned threads_;
    static constexpr size_t kBatchFiles = 64;
    static constexpr size_t kEarlyFiles = 4;
    static constexpr std::uint64_t kEarlyBytes = std::uint64_t{4} << 20;
    std::unordered_map<size_t, std::future<Scanned>> early_;  // by file: long ones being scanned already
    std::future<void> early_scans_;
    static constexpr size_t kFewFiles = 8;
    fs::path real_root_;
    std::deque<size_t> queue_;
    std::vector<const std::string*> named_;  // by file: the path the project names it by (Run's), if it does
    // Lower-case name -> what was read for it: a file's place in c_.files, none, or a refused
    // file's source (kRefusedSeen | its place in refused_sources_). Places, not paths, so that
    // a large project's paths are not held twice.
    std::unordered_map<std::string, uint32_t, NameHash, std::equal_to<>> seen_;
    static constexpr uint32_t kNoneSeen = UINT32_MAX;
    static constexpr uint32_t kRefusedSeen = 0x80000000u;
    std::vector<std::string> refused_sources_;
    std::unordered_map<std::string, bool> seen_outside_;
};

}  // namespace

tess::Result<std::string> ReadSource(const std::string& source) {
    auto bytes = ReadAll(PathOf(source));
    if (!bytes) return tess::Error{"The file " + source + " cannot be read: " + bytes.error().message + "."};
    return bytes;
}

tess::Result<std::string> ReadCollected(const CollectedFile& file) {
    if (file.held) return file.bytes;
    return ReadSource(file.source);
}

tess::Result<Collection> CollectFiles(const std::string& page_path, size_t max_files) {
    return CollectTree(TextOf(PathOf(page_path).parent_path()), {page_path}, max_files, 1);
}

std::string TreeName(const std::string& root, const std::string& path) {
    fs::path rel = PathOf(path).lexically_normal().lexically_relative(PathOf(root).lexically_normal());
    std::u8string s = rel.generic_u8string();
    return std::string(s.begin(), s.end());
}

std::string CommonFolder(const std::vector<std::string>& paths) {
    std::vector<fs::path> common;
    for (size_t i = 0; i < paths.size(); ++i) {
        fs::path folder = PathOf(paths[i]).lexically_normal().parent_path();
        std::vector<fs::path> parts(folder.begin(), folder.end());
        if (i == 0) {
            common = parts;
            continue;
        }
        size_t same = 0;
        while (same < common.size() && same < parts.size() && common[same] == parts[same]) ++same;
        common.resize(same);
    }
    fs::path out;
    for (const auto& p : common) out /= p;
    return TextOf(out);
}

std::string ProjectRoot(const std::string& project_path, const std::string& default_topic) {
    std::string project_folder = TextOf(PathOf(project_path).parent_path());
    std::string name = TreeName(project_folder, default_topic);
    if (name.empty() || name == "." || name.starts_with("..")) return TextOf(PathOf(default_topic).parent_path());
    return project_folder;
}

tess::Result<Collection> CollectTree(const std::string& root, const std::vector<std::string>& named,
                                     size_t max_files, unsigned threads) {
    Collector collector(root, max_files, threads);
    auto done = collector.Run(named);
    if (!done) return done.error();
    return collector.Take();
}

}  // namespace hhc
