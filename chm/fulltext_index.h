// The full-text search index ("$FIftiMain" and "$OBJINST") of a compiled help file: every
// word of every topic's title and text with the places it stands, in a B-tree of 4096-byte
// nodes that viewers search. Standard C++ only.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "chm/fulltext_hits.h"
#include "chm/fulltext_runs.h"
#include "chm/fulltext_words.h"
#include "chm/html_text.h"
#include "chm/work_threads.h"
#include "chm/writer.h"
#include "platform/result.h"

namespace chm {

struct FullTextTopic {
    uint32_t topic = 0;  // its index in "#TOPICS": the place among the files that have a title
    std::string title;   // code page bytes
    std::string text;    // the visible text of its body, code page bytes
};

// Words are cut as the code page's script needs (see SplitWords); a topic's title words take
// the first places and are marked as title words, its text's words follow. The language and
// code page are written into both files, so that a viewer cuts a query the same way.
//
// Topics are given one at a time, in increasing order, and only their words are kept: each
// place costs one to three bytes, so a large project's texts need not all be held at once.
//
// With more than one thread the words are shared out by a hash among as many shards, each a
// word table of its own filled by its own thread; a word's list lives in one shard, which sees
// the topics in order, and the shards' words are merged in byte order at the end. The index's
// bytes do not depend on the number of threads.
//
// Given work files, the places held past `held_limit` bytes go out to them in sorted runs, to
// be merged at the end, and the index is made in one (FullTextIndex::fifti_main_file): its
// size then bounds neither. The bytes are the same either way.
class FullTextIndexBuilder {
public:
    static constexpr size_t kHeldLimit = size_t{32} << 20;
    FullTextIndexBuilder(uint32_t language, uint32_t code_page, unsigned threads = 1, WorkFileMaker work_files = {},
                         size_t held_limit = kHeldLimit);

    // An error for a topic number not above the one before.
    tess::Status Add(const FullTextTopic& topic);
    // The topics make(0) to make(count - 1), as if given to Add in that order, each made and cut
    // into words on any of the builder's threads (`make` is called on several at once). The first
    // error in that order is returned; the builder is then spent.
    tess::Status AddMany(size_t count, const std::function<tess::Result<FullTextTopic>(size_t)>& make);
    // The memory the words and places added so far take.
    size_t bytes_held() const;
    // The index of the topics added; the builder is spent.
    tess::Result<FullTextIndex> Finish();

private:
    // One topic's words as AddMany cuts them: for each shard, each word's hash, place, size and
    // title flag, and bytes.
    struct Cut {
        std::optional<tess::Error> error;
        uint32_t topic = 0;
        uint64_t occurrences = 0, occurrence_bytes = 0;
        std::vector<std::string> words;
    };
    tess::Status Follows(uint32_t topic, uint32_t topics, uint32_t last) const;
    void CutWords(const FullTextTopic& topic, Cut& cut) const;
    bool Append(unsigned shard, const Cut& cut);
    tess::Status SpillIfFull(unsigned shard);
    unsigned ShardOf(uint64_t hash) const {
        return static_cast<unsigned>(((hash >> 32) * shards_.size()) >> 32);  // the slots take the low bits
    }

    uint32_t language_, code_page_;
    CodePageChars chars_;
    std::vector<FullTextHits> shards_;
    WorkFileMaker work_files_;
    size_t held_limit_;
    std::vector<FullTextRuns> runs_;  // a shard's spilled lists
    std::unique_ptr<WorkThreads> threads_;
    std::vector<Cut> cuts_;  // kept from one AddMany to the next for their buffers
    uint32_t topics_ = 0, last_topic_ = 0;
    uint64_t occurrences_ = 0, occurrence_bytes_ = 0;
    bool full_ = false;  // the places outgrew what the hits can address
};

// The same for topics in any order.
tess::Result<FullTextIndex> BuildFullTextIndex(uint32_t language, uint32_t code_page,
                                               const std::vector<FullTextTopic>& topics);

// The topics of the files BuildChm is given: each file with a title, in order, with the
// visible text of its HTML.
std::vector<FullTextTopic> FullTextTopicsOf(const std::vector<InputFile>& files, uint32_t code_page,
                                            const CharEncoder& encode = {});

}  // namespace chm
