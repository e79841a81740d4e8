// The binary contents, read from the project's contents file as stored.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "chm/writer.h"
#include "platform/result.h"

namespace hhc {

// `contents_file`: the stored name of the contents sitemap, with or without the leading "/".
// Names come in `code_page`; an entry opens its first "Local" that is a stored file. An error
// when the contents file cannot be read.
tess::Result<std::vector<chm::ContentsEntry>> ContentsEntries(const std::vector<chm::InputFile>& inputs,
                                                              const std::string& contents_file, uint32_t code_page);

}  // namespace hhc
