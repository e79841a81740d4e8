// The full-text search index ("$FIftiMain" and "$OBJINST") of a compiled help file: every
// word of every topic's title and text with the places it stands, in a B-tree of 4096-byte
// nodes that viewers search. Standard C++ only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "chm/html_text.h"
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
tess::Result<FullTextIndex> BuildFullTextIndex(uint32_t language, uint32_t code_page,
                                               const std::vector<FullTextTopic>& topics);

// The topics of the files BuildChm is given: each file with a title, in order, with the
// visible text of its HTML.
std::vector<FullTextTopic> FullTextTopicsOf(const std::vector<InputFile>& files, uint32_t code_page,
                                            const CharEncoder& encode = {});

}  // namespace chm
