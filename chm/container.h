// The ITSF container: headers, directory, the uncompressed section 0 and, inside it, the
// LZX-compressed section 1 with its control data and reset table.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "chm/directory.h"

namespace chm {

class Container {
public:
    // Empty files take no room: like the format's own empty entries they sit at offset 0 of
    // section 0.
    void AddCompressed(std::string_view name, std::string_view bytes);
    void AddUncompressed(std::string_view name, std::string_view bytes);
    void AddFolder(std::string_view name);

    // Compresses section 1 and lays out the whole file; the file is unfinished once `stopped`
    // said yes.
    std::string Finish(uint32_t language, uint32_t timestamp, const std::function<bool()>& stopped = {},
                       unsigned threads = 0);

private:
    std::vector<DirectoryEntry> entries_;
    std::string section1_;           // uncompressed contents of section 1
    std::string section0_files_;     // uncompressed files after the data space files
    std::vector<size_t> section0_entries_;  // entries whose offsets are relative to section0_files_
};

}  // namespace chm
