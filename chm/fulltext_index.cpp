#include "chm/fulltext_index.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <limits>

#include "chm/bytes.h"
#include "chm/fulltext_objinst.h"
#include "chm/fulltext_words.h"
#include "chm/layout.h"
#include "chm/wlc_encoding.h"

namespace chm {
namespace {

constexpr size_t kNodeSize = 4096;
constexpr size_t kHeaderSize = 0x400;
constexpr size_t kLeafHeaderSize = 8;

// "Seven bits a byte, least significant first", as the index's counts are stored.
void PutLowFirstInt(std::string& out, uint64_t v) {
    while (v > 0x7F) {
        out.push_back(static_cast<char>((v & 0x7F) | 0x80));
        v >>= 7;
    }
    out.push_back(static_cast<char>(v));
}

size_t CommonPrefix(const std::string& a, const std::string& b) {
    size_t n = 0;
    while (n < a.size() && n < b.size() && a[n] == b[n]) ++n;
    return n;
}

// A word stored as the number of bytes it shares with the one before it and the rest.
void PutWord(std::string& out, const std::string& word, const std::string& before) {
    size_t keep = CommonPrefix(word, before);
    out.push_back(static_cast<char>(word.size() - keep + 1));
    out.push_back(static_cast<char>(keep));
    out.append(word, keep, std::string::npos);
}

// The index's bytes as they are made: in memory, or through a buffer into a work file.
class IndexOut {
public:
    explicit IndexOut(std::iostream* file) : file_(file) {}
    uint64_t size() const { return flushed_ + buffer_.size(); }
    void Reserve(size_t bytes) { buffer_.reserve(bytes); }
    void Append(std::string_view bytes) {
        buffer_.append(bytes);
        if (file_ && buffer_.size() >= kFlushAt) Flush();
    }
    void Patch(uint64_t at, std::string_view bytes) {
        if (at >= flushed_) {
            buffer_.replace(at - flushed_, bytes.size(), bytes);
            return;
        }
        Flush();
        file_->seekp(static_cast<std::streamoff>(at));
        file_->write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        file_->seekp(0, std::ios::end);
    }
    // False when the work file failed.
    bool Flush() {
        if (!file_) return true;
        file_->write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        flushed_ += buffer_.size();
        buffer_.clear();
        return static_cast<bool>(file_->flush());
    }
    std::string Take() { return std::move(buffer_); }

private:
    static constexpr size_t kFlushAt = size_t{1} << 20;
    std::iostream* file_;
    std::string buffer_;
    uint64_t flushed_ = 0;
};

class TreeWriter {
public:
    explicit TreeWriter(IndexOut& out) : out_(out) {}

    // Adds one leaf entry; its hits are written just before the leaf that holds it.
    // `write_hits` appends the `wlc_size` bytes of the word's codes to the index.
    void AddWord(const std::string& word, bool title, size_t topic_count, uint64_t wlc_size,
                 const std::function<void()>& write_hits) {
        if (leaf_.empty()) leaf_.assign(kLeafHeaderSize, '\0');
        std::string entry = LeafEntry(word, title, topic_count, wlc_size);
        if (leaf_.size() + entry.size() > kNodeSize) {
            FlushLeaf();
            leaf_.assign(kLeafHeaderSize, '\0');
            entry = LeafEntry(word, title, topic_count, wlc_size);
        }
        size_t offset_at = entry.size() - EncIntLength(wlc_size) - 6;
        std::string offset;
        PutU32(offset, static_cast<uint32_t>(out_.size()));
        entry.replace(offset_at, 4, offset);
        write_hits();
        leaf_ += entry;
        last_word_ = word;
    }

    // Writes the last leaf and the index levels above; returns the root's offset and depth.
    std::pair<uint32_t, uint16_t> Finish() {
        FlushLeaf();
        uint16_t depth = 1;
        std::vector<std::pair<std::string, uint32_t>> level = std::move(children_);
        while (level.size() > 1) {
            std::vector<std::pair<std::string, uint32_t>> above;
            std::string node(2, '\0'), before;
            for (const auto& [word, offset] : level) {
                std::string entry;
                PutWord(entry, word, before);
                if (node.size() + entry.size() + 6 > kNodeSize) {
                    above.push_back({before, WriteNode(node, 0)});
                    node.assign(2, '\0');
                    entry.clear();
                    PutWord(entry, word, {});
                }
                PutU32(entry, offset);
                PutU16(entry, 0);
                node += entry;
                before = word;
            }
            above.push_back({before, WriteNode(node, 0)});
            level = std::move(above);
            ++depth;
        }
        return {level.front().second, depth};
    }

    uint32_t leaf_count() const { return leaf_count_; }
    uint32_t last_leaf_free() const { return last_leaf_free_; }

private:
    static size_t EncIntLength(uint64_t v) {
        size_t n = 1;
        while (v > 0x7F) ++n, v >>= 7;
        return n;
    }

    std::string LeafEntry(const std::string& word, bool title, size_t topic_count, size_t wlc_size) const {
        std::string entry;
        PutWord(entry, word, last_word_);
        entry.push_back(title ? 1 : 0);
        PutLowFirstInt(entry, topic_count);
        PutU32(entry, 0);  // the hits' offset, set once known
        PutU16(entry, 0);
        PutLowFirstInt(entry, wlc_size);
        return entry;
    }

    // Pads the node, stores its free space at `free_at` and appends it; returns its offset.
    uint32_t WriteNode(std::string& node, size_t free_at) {
        uint32_t free = static_cast<uint32_t>(kNodeSize - node.size());
        node.resize(kNodeSize, '\0');
        node[free_at] = static_cast<char>(free & 0xFF);
        node[free_at + 1] = static_cast<char>(free >> 8);
        uint32_t offset = static_cast<uint32_t>(out_.size());
        out_.Append(node);
        return offset;
    }

    void FlushLeaf() {
        if (leaf_.empty() && leaf_count_) return;
        if (leaf_.empty()) leaf_.assign(kLeafHeaderSize, '\0');  // an index without words
        last_leaf_free_ = static_cast<uint32_t>(kNodeSize - leaf_.size());
        uint32_t offset = WriteNode(leaf_, 6);
        if (leaf_count_) {  // the leaf before points to this one
            std::string next;
            PutU32(next, offset);
            out_.Patch(children_.back().second, next);
        }
        children_.push_back({last_word_, offset});
        ++leaf_count_;
        leaf_.clear();
        last_word_.clear();
    }

    IndexOut& out_;
    std::string leaf_, last_word_;
    std::vector<std::pair<std::string, uint32_t>> children_;
    uint32_t leaf_count_ = 0, last_leaf_free_ = 0;
};

constexpr const char* kTooBig = "The search index grew past 4 GB; leave full-text search out for this project.";

}  // namespace

FullTextIndexBuilder::FullTextIndexBuilder(uint32_t language, uint32_t code_page, unsigned threads,
                                           WorkFileMaker work_files, size_t held_limit)
    : language_(language), code_page_(code_page), chars_(code_page), shards_(std::max(1u, threads)),
      work_files_(std::move(work_files)), held_limit_(held_limit), runs_(shards_.size()),
      threads_(std::make_unique<WorkThreads>(std::max(1u, threads))) {}

// Only between topics: a topic's places are never split between runs.
tess::Status FullTextIndexBuilder::SpillIfFull(unsigned shard) {
    if (!work_files_ || shards_[shard].lists_bytes() <= held_limit_ / shards_.size()) return {};
    return runs_[shard].Spill(shards_[shard], work_files_);
}

size_t FullTextIndexBuilder::bytes_held() const {
    size_t bytes = 0;
    for (const auto& shard : shards_) bytes += shard.bytes();
    return bytes;
}

tess::Status FullTextIndexBuilder::Follows(uint32_t topic, uint32_t topics, uint32_t last) const {
    if (topics && topic <= last)
        return tess::Error{topic == last ? "The search index was given topic " + std::to_string(topic) + " twice."
                                         : "The search index was given topic " + std::to_string(topic) +
                                               " after topic " + std::to_string(last) +
                                               "; topics go in increasing order."};
    return {};
}

tess::Status FullTextIndexBuilder::Add(const FullTextTopic& t) {
    if (auto follows = Follows(t.topic, topics_, last_topic_); !follows) return follows;
    ++topics_;
    last_topic_ = t.topic;
    uint32_t location = 0;
    for (bool in_title : {true, false}) {
        SplitWords(in_title ? t.title : t.text, chars_, [&](std::string_view word, bool too_long) {
            if (!too_long) {
                const uint64_t hash = FullTextHits::Hash(word);
                full_ = !shards_[ShardOf(hash)].Add(word, hash, in_title, t.topic, location) || full_;
                ++occurrences_;
                occurrence_bytes_ += word.size();
            }
            ++location;
        });
    }
    if (full_) return tess::Error{kTooBig};
    return SpillIfFull(0);
}

void FullTextIndexBuilder::CutWords(const FullTextTopic& t, Cut& cut) const {
    cut.topic = t.topic;
    cut.occurrences = cut.occurrence_bytes = 0;
    cut.words.resize(shards_.size());
    for (auto& words : cut.words) words.clear();
    uint32_t location = 0;
    for (bool in_title : {true, false}) {
        SplitWords(in_title ? t.title : t.text, chars_, [&](std::string_view word, bool too_long) {
            if (!too_long) {
                const uint64_t hash = FullTextHits::Hash(word);
                char head[13];
                std::memcpy(head, &hash, 8);
                std::memcpy(head + 8, &location, 4);
                head[12] = static_cast<char>(word.size() | (in_title ? 0x80 : 0));  // at most 99 bytes
                std::string& words = cut.words[ShardOf(hash)];
                words.append(head, sizeof head).append(word);
                ++cut.occurrences;
                cut.occurrence_bytes += word.size();
            }
            ++location;
        });
    }
}

bool FullTextIndexBuilder::Append(unsigned shard, const Cut& cut) {
    const std::string& words = cut.words[shard];
    bool room = true;
    for (size_t at = 0; at < words.size();) {
        uint64_t hash = 0;
        uint32_t location = 0;
        std::memcpy(&hash, words.data() + at, 8);
        std::memcpy(&location, words.data() + at + 8, 4);
        const auto flags = static_cast<uint8_t>(words[at + 12]);
        const std::string_view word(words.data() + at + 13, flags & 0x7F);
        room = shards_[shard].Add(word, hash, (flags & 0x80) != 0, cut.topic, location) && room;
        at += 13 + word.size();
    }
    return room;
}

tess::Status FullTextIndexBuilder::AddMany(size_t count,
                                           const std::function<tess::Result<FullTextTopic>(size_t)>& make) {
    if (shards_.size() == 1) {  // nothing runs beside: one topic after another, as they are made
        for (size_t k = 0; k < count; ++k) {
            auto topic = make(k);
            if (!topic) return topic.error();
            if (auto added = Add(*topic); !added) return added;
        }
        return {};
    }
    if (cuts_.size() < count) cuts_.resize(count);
    std::atomic<size_t> next{0};
    threads_->Run([&](unsigned) {
        for (size_t k; (k = next.fetch_add(1)) < count;) {
            auto topic = make(k);
            cuts_[k].error.reset();
            if (topic) CutWords(*topic, cuts_[k]);
            else cuts_[k].error = topic.error();
        }
    });
    uint32_t topics = topics_, last = last_topic_;
    for (size_t k = 0; k < count; ++k) {
        if (cuts_[k].error) return *cuts_[k].error;
        if (auto follows = Follows(cuts_[k].topic, topics, last); !follows) return follows;
        ++topics;
        last = cuts_[k].topic;
    }
    topics_ = topics;
    last_topic_ = last;
    for (size_t k = 0; k < count; ++k) occurrences_ += cuts_[k].occurrences, occurrence_bytes_ += cuts_[k].occurrence_bytes;
    std::vector<char> full(shards_.size(), 0);
    std::vector<tess::Status> spilled(shards_.size());
    threads_->Run([&](unsigned shard) {  // the shards' word tables, each on its own thread
        for (size_t k = 0; k < count; ++k) full[shard] = !Append(shard, cuts_[k]) || full[shard];
        spilled[shard] = SpillIfFull(shard);
    });
    full_ = std::count(full.begin(), full.end(), 1) > 0 || full_;
    if (full_) return tess::Error{kTooBig};
    for (auto& status : spilled)
        if (!status) return status;
    return {};
}

tess::Result<FullTextIndex> FullTextIndexBuilder::Finish() {
    if (full_) return tess::Error{kTooBig};
    WlcRootChooser numbers;
    size_t distinct = 0;
    for (const auto& shard : shards_) numbers += shard.Numbers(), distinct += shard.distinct();
    const WlcRoots roots = numbers.Best();
    size_t longest = 0, distinct_bytes = 0;
    std::shared_ptr<std::iostream> file;
    if (work_files_) {
        auto made = work_files_();
        if (!made) return made.error();
        file = std::move(*made);
    }
    IndexOut out(file.get());
    if (!file) out.Reserve(kHeaderSize + bytes_held() + kNodeSize);  // no copy as it grows; untouched pages cost nothing
    out.Append(std::string(kHeaderSize, '\0'));
    TreeWriter tree(out);
    // A shard that spilled spills the rest too: its runs are read a word at a time, and the
    // memory its lists held is better spent on the few words that hold most places.
    std::vector<std::vector<uint32_t>> sorted(shards_.size());
    std::vector<tess::Status> spilled(shards_.size());
    threads_->Run([&](unsigned shard) {
        if (!runs_[shard].empty()) spilled[shard] = runs_[shard].Spill(shards_[shard], work_files_, true);
        sorted[shard] = shards_[shard].Sorted();
    });
    for (auto& status : spilled)
        if (!status) return status.error();
    std::vector<size_t> next(shards_.size(), 0);
    // The shards' words merged (each word is in one shard only), a round at a time: the round's
    // lists are coded on every thread, then written in order here. A round ends at a number of
    // words or of their places' bytes (an eighth of what the lists may hold), since a few words
    // may hold most of the places.
    constexpr size_t kRound = 1024;
    const size_t round_bytes = held_limit_ / 8;
    struct Coded {
        const FullTextHits* hits;
        uint32_t id;
        std::string raw[2], wlc[2];  // text, title
    };
    std::vector<Coded> round;
    auto add_word = [&](const FullTextHits& hits, uint32_t id, const std::function<tess::Status(bool title)>& write) {
        const std::string_view word = hits.Word(id);
        longest = std::max(longest, word.size());
        distinct_bytes += word.size();
        for (bool title : {false, true}) {  // the text's entry first, then the title's
            if (!hits.Topics(id, title)) continue;
            if (auto written = write(title); !written) return written;
            if (out.size() > std::numeric_limits<uint32_t>::max() - kNodeSize) return tess::Status(tess::Error{kTooBig});
        }
        return tess::Status();
    };
    for (bool more = true; more;) {
        round.clear();
        std::optional<std::pair<size_t, uint32_t>> streamed;  // a word too long for a round
        for (size_t bytes = 0; round.size() < kRound && bytes <= round_bytes;) {
            size_t from = shards_.size();
            for (size_t s = 0; s < shards_.size(); ++s)
                if (next[s] < sorted[s].size() &&
                    (from == shards_.size() ||
                     shards_[s].Word(sorted[s][next[s]]) < shards_[from].Word(sorted[from][next[from]])))
                    from = s;
            if (!(more = from < shards_.size())) break;
            const uint32_t id = sorted[from][next[from]];
            if (!runs_[from].empty()) {  // then all its lists are in the runs
                uint64_t sizes[2];
                if (auto sized = runs_[from].Sizes(id, sizes); !sized) return sized.error();
                if (sizes[0] + sizes[1] > round_bytes) {
                    if (round.empty()) streamed = {from, id}, ++next[from];
                    break;
                }
            }
            ++next[from];
            Coded& c = round.emplace_back(Coded{&shards_[from], id, {}, {}});
            if (auto taken = runs_[from].Take(c.id, c.raw[0], c.raw[1]); !taken) return taken.error();
            for (bool title : {false, true}) c.hits->AppendList(c.id, title, c.raw[title]);
            bytes += c.raw[0].size() + c.raw[1].size();
        }
        std::atomic<size_t> coding{0};
        threads_->Run([&](unsigned) {
            for (size_t k; (k = coding.fetch_add(1)) < round.size();)
                for (bool title : {false, true}) FullTextHits::Encode(round[k].raw[title], roots, round[k].wlc[title]);
        });
        for (Coded& c : round) {
            auto added = add_word(*c.hits, c.id, [&](bool title) {
                tree.AddWord(std::string(c.hits->Word(c.id)), title, c.hits->Topics(c.id, title), c.wlc[title].size(),
                             [&] { out.Append(c.wlc[title]); });
                std::string().swap(c.wlc[title]);
                return tess::Status();
            });
            if (!added) return added.error();
        }
        if (!streamed) continue;
        // Coded twice from the runs, to learn the codes' size before the leaf is chosen, then
        // into the index: neither the list nor its codes are held whole.
        const auto [from, id] = *streamed;
        auto code = [&, from = from, id = id](bool title, const std::function<void(std::string& codes)>& take) {
            std::string codes;
            FullTextListCoder coder(codes, roots);
            auto read = runs_[from].Stream(id, title, [&](std::string_view piece) {
                coder.Feed(piece);
                take(codes);
            });
            coder.Finish();
            take(codes);
            return read;
        };
        auto added = add_word(shards_[from], id, [&](bool title) {
            uint64_t size = 0;
            if (auto sized = code(title, [&](std::string& codes) { size += codes.size(), codes.clear(); }); !sized)
                return sized;
            tess::Status written;
            tree.AddWord(std::string(shards_[from].Word(id)), title, shards_[from].Topics(id, title), size, [&] {
                written = code(title, [&](std::string& codes) { out.Append(codes), codes.clear(); });
            });
            return written;
        });
        if (!added) return added.error();
        if (auto skipped = runs_[from].Skip(id); !skipped) return skipped.error();
    }
    auto [root, depth] = tree.Finish();
    if (out.size() > std::numeric_limits<uint32_t>::max()) return tess::Error{kTooBig};

    std::string h;
    Layout header(h);
    header.Bytes("signature", std::string("\x00\x00\x28\x00", 4))
        .U32("topic count", topics_)
        .U32("root node offset", root)
        .U32("unknown, always observed to be 0", 0)
        .U32("leaf node count", tree.leaf_count())
        .U32("root node offset again", root)
        .U16("tree depth", depth)
        .U32("unknown, always observed to be 7", 7);
    for (uint8_t r : {roots.topic, roots.count, roots.location})
        header.U8("scale, always 2", 2).U8("root size", r);  // topics, counts, locations
    header.Zeros("unknown, always observed to be 0 (10 bytes)", 10)
        .U32("node size", kNodeSize)
        .U32("unknown, observed as 0 or 1", 1)
        .U32("last duplicate word index", 0)
        .U32("last duplicate character index", 0)
        .U32("longest word, in bytes", static_cast<uint32_t>(longest))
        .U32("words indexed, repeats counted", static_cast<uint32_t>(std::min<uint64_t>(occurrences_, 0xFFFFFFFFu)))
        .U32("distinct words", static_cast<uint32_t>(distinct))
        .U32("bytes of the words indexed, low dword",
             static_cast<uint32_t>(std::min<uint64_t>(occurrence_bytes_, 0xFFFFFFFFu)))
        .U32("bytes of the words indexed, high dword", 0)
        .U32("bytes of the distinct words", static_cast<uint32_t>(distinct_bytes))
        .U32("free bytes in the last leaf", tree.last_leaf_free())
        .U32("unknown, always observed to be 0 (b)", 0)
        .U32("last topic number", last_topic_)
        .Zeros("unknown, always observed to be 0 (24 bytes)", 24)
        .U32("code page", code_page_)
        .U32("language", language_);
    out.Patch(0, h);
    if (!out.Flush()) return tess::Error{"The search index's work file cannot be written."};
    shards_.clear();
    runs_.clear();
    cuts_.clear();
    return FullTextIndex{out.Take(), BuildObjInst(language_, code_page_), std::move(file)};
}

tess::Result<FullTextIndex> BuildFullTextIndex(uint32_t language, uint32_t code_page,
                                               const std::vector<FullTextTopic>& topics) {
    std::vector<const FullTextTopic*> ordered;
    for (const auto& t : topics) ordered.push_back(&t);
    std::stable_sort(ordered.begin(), ordered.end(), [](auto* a, auto* b) { return a->topic < b->topic; });
    FullTextIndexBuilder builder(language, code_page);
    for (const FullTextTopic* t : ordered)
        if (auto added = builder.Add(*t); !added) return added.error();
    return builder.Finish();
}

std::vector<FullTextTopic> FullTextTopicsOf(const std::vector<InputFile>& files, uint32_t code_page,
                                            const CharEncoder& encode) {
    std::vector<FullTextTopic> topics;
    uint32_t index = 0;
    for (const auto& f : files) {
        if (!f.title) continue;
        topics.push_back({index++, *f.title, VisibleText(f.bytes, code_page, encode)});
    }
    return topics;
}

}  // namespace chm
