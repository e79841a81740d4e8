// A stored file's bytes, held or read now.
#pragma once

#include <iterator>
#include <string>

#include "chm/writer.h"
#include "platform/result.h"

namespace hhc {

inline tess::Result<std::string> BytesOf(const chm::InputFile& file) {
    if (file.open) {
        auto in = file.open();
        if (!in) return in.error();
        (*in)->clear();
        if (!(*in)->seekg(0)) return tess::Error{"A work file cannot be read back."};
        return std::string(std::istreambuf_iterator<char>(**in), std::istreambuf_iterator<char>());
    }
    if (file.read) return file.read();
    return file.bytes;
}

}  // namespace hhc
