// The compiled file takes its name whole: copied beside its place under a temporary name,
// then moved over the old one, which stays untouched when anything fails.
#pragma once

#include <cstdint>
#include <string>

#include "platform/result.h"

namespace hhc::win32 {

// The size of the file now at `to`.
tess::Result<std::uint64_t> PlaceFile(const std::wstring& from, const std::wstring& to);

}  // namespace hhc::win32
