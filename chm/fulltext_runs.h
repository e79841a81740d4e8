// A shard's word lists written out to a work file, a run each time they outgrow the memory
// allowed them, and read back merged in word order: the search index of a large project then
// holds no more of its places than that. Standard C++ only.
#pragma once

#include <cstdint>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "chm/fulltext_hits.h"
#include "platform/result.h"

namespace chm {

// Makes an empty read-write file that is gone once the stream is destroyed; may be called on
// several threads at once.
using WorkFileMaker = std::function<tess::Result<std::unique_ptr<std::iostream>>()>;

class FullTextRuns {
public:
    bool empty() const { return runs_.empty(); }
    // Writes the lists `hits` holds as one more run and lets them go; the file is made the
    // first time. With `last`, the memory they took goes too.
    tess::Status Spill(FullTextHits& hits, const WorkFileMaker& make, bool last = false);
    // Appends what the runs hold of word `id`'s text and title lists, run after run. Words are
    // asked in byte order, as the runs hold them.
    tess::Status Take(uint32_t id, std::string& text, std::string& title);
    // How much of word `id`'s text and title lists the runs hold, without taking them.
    tess::Status Sizes(uint32_t id, uint64_t sizes[2]);
    // Gives what the runs hold of word `id`'s text or title list to `piece`, a piece at a time,
    // run after run; a list too long to hold goes so. Skip then passes the word by.
    tess::Status Stream(uint32_t id, bool title, const std::function<void(std::string_view)>& piece);
    tess::Status Skip(uint32_t id);

private:
    struct Run {
        uint64_t at = 0, end = 0;  // what of it is still in the file
        std::string buffer;
        size_t used = 0;  // of the buffer
    };
    bool Fill(Run& run, size_t bytes);
    // Where in the file the run's next record starts.
    static uint64_t RecordAt(const Run& run) { return run.at - (run.buffer.size() - run.used); }
    // Whether the run's next record is word `id`'s; its lists' sizes then.
    tess::Result<bool> Holds(Run& run, uint32_t id, uint32_t sizes[2]);
    bool Read(Run& run, size_t bytes, std::string& to);

    std::unique_ptr<std::iostream> file_;
    std::vector<Run> runs_;
    bool reading_ = false;
};

}  // namespace chm
