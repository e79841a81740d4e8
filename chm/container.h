// The ITSF container: headers, directory, the uncompressed section 0 and, inside it, the
// LZX-compressed section 1 with its control data and reset table. Section 1 is compressed as
// its files come, into a spill stream, since the directory before it needs its final size.
#pragma once

#include <cstdint>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "chm/directory.h"
#include "chm/section_stream.h"
#include "platform/result.h"

namespace chm {

class Container {
public:
    // `spill` (read-write, written from where it stands) takes section 1 as it is made.
    Container(std::iostream& spill, SectionStreamOptions section);

    // Empty files take no room: like the format's own empty entries they sit at offset 0 of
    // section 0. Compressed files are added in the order they are to be compressed.
    tess::Status AddCompressed(std::string_view name, std::string_view bytes);
    // The same for what `in` holds from its start, read a piece at a time.
    tess::Status AddCompressed(std::string_view name, std::istream& in);
    // The same for bytes made a piece at a time: the file begun, its pieces in order, its end.
    void BeginCompressed(std::string_view name);
    tess::Status AppendCompressed(std::string_view bytes) { return section1_.Append(bytes); }
    void EndCompressed();
    void AddUncompressed(std::string_view name, std::string_view bytes);
    uint64_t compressed_input() const { return section1_.size(); }  // bytes gone to compression
    void AddFolder(std::string_view name);
    // Room for this many entries: a large directory is then not grown by doubling.
    void Reserve(size_t entries) { entries_.reserve(entries); }

    // Ends section 1 and writes the whole file to `out`, the spilled section copied in last;
    // nothing goes to `out` once the section's `stopped` said yes.
    tess::Status Finish(std::ostream& out, uint32_t language, uint32_t timestamp);

private:
    std::vector<DirectoryEntry> entries_;
    std::iostream& spill_;
    std::streampos spill_start_;
    std::function<bool()> stopped_;
    SectionStream section1_;
    std::string section0_files_;     // uncompressed files after the data space files
    std::vector<size_t> section0_entries_;  // entries whose offsets are relative to section0_files_
};

}  // namespace chm
