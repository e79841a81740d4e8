// The keywords of the binary index: those of the project's index file and, when the project
// asks for an automatic index, those its pages carry.
#pragma once

#include <string>
#include <vector>

#include "chm/writer.h"
#include "hhc/sitemap.h"
#include "platform/result.h"

namespace hhc {

// `index_file`: the stored name of the index sitemap ("keys.hhk" or "/keys.hhk"); empty for none. Keywords
// of the same levels are one keyword with the topics of all; a sub-keyword from a page whose
// parent nothing else names gets that parent too.
// A page that cannot be read makes it an error. `index_text`, when given, reads the index
// file's text (UTF-8) in its stead, as a long one is kept in a work file.
tess::Result<chm::KeywordTable> IndexKeywords(const std::vector<chm::InputFile>& inputs, const std::string& index_file,
                                              bool from_pages, const TextPieces& index_text = {});

// The keywords a page carries: its keyword objects' "Keyword" parameters (";" between
// several) and its MS-HKWD meta tags; "A, B" is the sub-keyword B of A.
std::vector<std::vector<std::string>> PageKeywords(std::string_view page);

}  // namespace hhc
