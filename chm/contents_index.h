// "#TOCIDX": the binary contents, a tree of fixed-size entries linked by their offsets. A
// viewer that finds it lists the contents from it (names through "#TOPICS" and "#STRINGS")
// instead of parsing the contents file.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "chm/system_files.h"
#include "chm/writer.h"

namespace chm {

struct ContentsIndex {
    std::string tocidx;
    // For each entry that opens a topic: (its #TOPICS number, its offset here), which the
    // topic's first field must hold.
    std::vector<std::pair<uint32_t, uint32_t>> topic_entries;
};

// `topic_of(stored name, entry name)` gives the #TOPICS number the entry is named and opened
// by; none leaves the entry a heading named through #STRINGS.
ContentsIndex BuildContentsIndex(
    const std::vector<ContentsEntry>& entries, StringTable& strings,
    const std::function<std::optional<uint32_t>(const std::string&, const std::string&)>& topic_of);

}  // namespace chm
