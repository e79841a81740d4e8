// A help project's [WINDOWS] line:
//   name="caption","contents","index","default","home","jump 1 url","jump 1 text","jump 2 url",
//   "jump 2 text",properties,navigation width,buttons,[left,top,right,bottom],styles,
//   extended styles,show state,navigation closed,default tab,tab position,notification id
// Fields may be left empty (the viewer's default) and the line may end early.
#pragma once

#include <string_view>

#include "chm/writer.h"
#include "platform/result.h"

namespace hhc {

// Texts and files stay as the project writes them (its code page, paths as given).
tess::Result<chm::Window> ParseWindowLine(std::string_view line);

}  // namespace hhc
