// The compiled file's full-text search, made from its topics in the language's code page.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "chm/fulltext_index.h"
#include "chm/writer.h"
#include "platform/result.h"

namespace hhc {

// A character's exact form in the code page, else its close substitute (as titles take it),
// else nothing: character references in a page are indexed as the code page writes them.
chm::CharEncoder EncoderFor(uint32_t code_page);

// The index of `inputs` (the writer's files; those with a title are topics, their bytes the
// page as stored in whatever encoding it declares, or what their `read` gives; a read error
// is the index's), or nothing when the project turns
// search off. Topics named in `untitled` have no <title> of their own: as in Microsoft's
// compiler, no title words of theirs are indexed (the topic list still shows their name).
// Pages are read and indexed on `threads` threads (1: on the caller's alone); the bytes are the
// same for any number, and a `read` may be called on several at once. Given `work_files`, a
// large index goes to them rather than being held (see chm::FullTextIndexBuilder).
tess::Result<std::optional<chm::FullTextIndex>> BuildSearchIndex(bool wanted, uint32_t language,
                                                                 const std::vector<chm::InputFile>& inputs,
                                                                 const std::set<std::string>& untitled = {},
                                                                 unsigned threads = 1,
                                                                 const chm::WorkFileMaker& work_files = {});

}  // namespace hhc
