#include "chm/fulltext_runs.h"

#include <algorithm>
#include <cstring>

namespace chm {
namespace {

constexpr size_t kRecordHead = 12;     // the word's id and its two lists' sizes
constexpr size_t kReadAhead = 1 << 16;  // per run: what a merge of a few runs keeps at hand

tess::Error CannotUse(const char* what) {
    return tess::Error{std::string("The search index's work file cannot be ") + what + "."};
}

uint32_t U32At(const std::string& s, size_t at) {
    uint32_t v = 0;
    std::memcpy(&v, s.data() + at, 4);
    return v;
}

}  // namespace

tess::Status FullTextRuns::Spill(FullTextHits& hits, const WorkFileMaker& make, bool last) {
    if (!file_) {
        auto made = make();
        if (!made) return made.error();
        file_ = std::move(*made);
    }
    Run run;
    run.at = runs_.empty() ? 0 : runs_.back().end;
    file_->seekp(static_cast<std::streamoff>(run.at));
    if (!hits.Spill(*file_, last) || !file_->flush()) return CannotUse("written");
    run.end = static_cast<uint64_t>(file_->tellp());
    runs_.push_back(std::move(run));
    return {};
}

bool FullTextRuns::Fill(Run& run, size_t bytes) {
    if (run.buffer.size() - run.used >= bytes) return true;
    run.buffer.erase(0, run.used);
    run.used = 0;
    const size_t want = std::min<uint64_t>(std::max(bytes - run.buffer.size(), kReadAhead), run.end - run.at);
    if (run.buffer.size() + want < bytes) return false;
    const size_t had = run.buffer.size();
    run.buffer.resize(had + want);
    file_->seekg(static_cast<std::streamoff>(run.at));
    file_->read(run.buffer.data() + had, static_cast<std::streamsize>(want));
    run.at += want;
    return static_cast<size_t>(file_->gcount()) == want;
}

bool FullTextRuns::Read(Run& run, size_t bytes, std::string& to) {
    const size_t held = std::min(bytes, run.buffer.size() - run.used);
    to.append(run.buffer, run.used, held);
    run.used += held;
    if (held == bytes) return true;
    // A long list goes straight where it is wanted rather than through the buffer, which would
    // then keep its size.
    const size_t rest = bytes - held;
    if (rest > run.end - run.at) return false;
    const size_t had = to.size();
    to.resize(had + rest);
    file_->seekg(static_cast<std::streamoff>(run.at));
    file_->read(to.data() + had, static_cast<std::streamsize>(rest));
    run.at += rest;
    return static_cast<size_t>(file_->gcount()) == rest;
}

tess::Result<bool> FullTextRuns::Holds(Run& run, uint32_t id, uint32_t sizes[2]) {
    if (!reading_ && file_) {
        file_->clear();
        reading_ = true;
    }
    if (run.used == run.buffer.size() && run.at == run.end) return false;  // read to its end
    if (!Fill(run, kRecordHead)) return CannotUse("read");
    if (U32At(run.buffer, run.used) != id) return false;
    sizes[0] = U32At(run.buffer, run.used + 4);
    sizes[1] = U32At(run.buffer, run.used + 8);
    return true;
}

tess::Status FullTextRuns::Take(uint32_t id, std::string& text, std::string& title) {
    for (Run& run : runs_) {
        uint32_t sizes[2];
        auto holds = Holds(run, id, sizes);
        if (!holds) return holds.error();
        if (!*holds) continue;
        run.used += kRecordHead;
        if (!Read(run, sizes[0], text) || !Read(run, sizes[1], title)) return CannotUse("read");
    }
    return {};
}

tess::Status FullTextRuns::Sizes(uint32_t id, uint64_t sizes[2]) {
    sizes[0] = sizes[1] = 0;
    for (Run& run : runs_) {
        uint32_t these[2];
        auto holds = Holds(run, id, these);
        if (!holds) return holds.error();
        if (*holds) sizes[0] += these[0], sizes[1] += these[1];
    }
    return {};
}

tess::Status FullTextRuns::Stream(uint32_t id, bool title, const std::function<void(std::string_view)>& piece) {
    std::string bytes;
    for (Run& run : runs_) {
        uint32_t sizes[2];
        auto holds = Holds(run, id, sizes);
        if (!holds) return holds.error();
        if (!*holds) continue;
        // Read from the file itself, leaving the run where it stands.
        uint64_t at = RecordAt(run) + kRecordHead + (title ? sizes[0] : 0);
        for (uint64_t left = sizes[title]; left;) {
            bytes.resize(std::min<uint64_t>(left, kReadAhead * 16));
            file_->seekg(static_cast<std::streamoff>(at));
            if (!file_->read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) return CannotUse("read");
            piece(bytes);
            at += bytes.size();
            left -= bytes.size();
        }
    }
    return {};
}

tess::Status FullTextRuns::Skip(uint32_t id) {
    for (Run& run : runs_) {
        uint32_t sizes[2];
        auto holds = Holds(run, id, sizes);
        if (!holds) return holds.error();
        if (!*holds) continue;
        const uint64_t past = RecordAt(run) + kRecordHead + sizes[0] + sizes[1];
        if (past > run.end) return CannotUse("read");
        run.at = past;
        run.buffer.clear();
        run.used = 0;
    }
    return {};
}

}  // namespace chm
