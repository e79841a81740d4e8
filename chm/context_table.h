// What a viewer reads to open a topic by number (HH_HELP_CONTEXT) and which other compiled
// files it merges in at run time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "chm/system_files.h"
#include "chm/writer.h"

namespace chm {

// Microsoft's viewer keeps room for this many merged files in the index header.
inline constexpr size_t kMaxMergeFiles = 1004;

// Each context id's topic must be a stored file (an anchor may follow), each merged file a
// text that fits the index header.
tess::Status CheckContextHelp(const Options& options, const std::vector<std::string_view>& sorted_names);

// "#IVB": the byte count of what follows, then an (id, #STRINGS offset of the topic) pair
// for each id, in the order given. Empty when there are no ids.
std::string BuildContextTable(const Options& options, StringTable& strings);

// The #STRINGS offsets of the merged files' names, in the project's order.
std::vector<uint32_t> MergeFileOffsets(const Options& options, StringTable& strings);

}  // namespace chm
