// A stored file's bytes, held or read now.
#pragma once

#include <string>

#include "chm/writer.h"
#include "platform/result.h"

namespace hhc {

inline tess::Result<std::string> BytesOf(const chm::InputFile& file) {
    if (file.read) return file.read();
    return file.bytes;
}

}  // namespace hhc
