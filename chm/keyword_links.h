// "$WWKeywordLinks": the binary index a viewer lists on its index tab, a B-tree of keywords in
// 2048-byte blocks, with the files that go with it (Data, Map, Property).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chm/keyword_table.h"
#include "chm/writer.h"
#include "platform/result.h"

namespace chm {

struct KeywordLinks {
    std::string btree, data, map, property;
};

// `topic_of` turns a stored name into its #TOPICS number; names without one are left out.
// The table is let go once its entries are set out, so that a large index is not held twice.
// `btree`, when given, takes the B-tree a block at a time as it is made, in its stead.
tess::Result<KeywordLinks> BuildKeywordLinks(KeywordTable keywords, uint32_t code_page, uint32_t language,
                                             const std::function<std::optional<uint32_t>(const std::string&)>& topic_of,
                                             const std::function<tess::Status(std::string_view)>& btree = {});

// The order the viewer looks keywords up in: ASCII case ignored, punctuation before digits
// before letters.
bool KeywordLess(const std::u16string& a, const std::u16string& b);

std::u16string Utf16Of(std::string_view utf8);

}  // namespace chm
