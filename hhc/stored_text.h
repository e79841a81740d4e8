// Texts taken from pages (the compiled file's title, topic titles, contents names, index
// keywords) are stored zero-terminated behind a 16-bit length: one that does not fit is
// given a form that does, and the log says so, rather than the page costing the compilation.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "chm/writer.h"
#include "hhc/collect.h"
#include "hhc/navigation.h"

namespace hhc {

inline constexpr size_t kMaxStoredText = 0xFFFE;  // bytes, without the closing zero

// `text` (code page bytes) without zero bytes, cut at the last character boundary of the code
// page that keeps it within `max_bytes`. Sets `changed` when it had to.
std::string StoredText(std::string text, uint32_t code_page, bool& changed, size_t max_bytes = kMaxStoredText);

// The compiled file's title and each topic's, made storable; a warning in `lines` for each
// one changed, naming its file.
void MakeTextsStorable(chm::Options& options, std::vector<chm::InputFile>& inputs, uint32_t code_page,
                       std::vector<std::string>& lines);

// A warning for the title, each topic title and the window's caption that holds a character
// `code_page` has no form for, not even a close one: the viewer would show "?" there.
void WarnOfLostCharacters(const std::string& title, const Collection& collection, const Navigation& navigation,
                          uint32_t code_page, std::vector<std::string>& lines);

}  // namespace hhc
