#include "chm/lzx.h"

#include <sstream>

#include "chm/section_stream.h"

namespace chm {

LzxSection CompressLzx(std::string_view data, unsigned threads, const std::function<bool()>& stopped, int level) {
    std::ostringstream out;
    LzxSection section;
    {
        SectionStream stream(out, {threads, level, stopped, {}});
        // A stopped section is unfinished and not to be stored; the error says no more.
        if (stream.Append(data)) (void)stream.Finish();
        section.frame_offsets = stream.frame_offsets();
    }
    section.bytes = std::move(out).str();
    section.uncompressed_size = data.size();
    return section;
}

}  // namespace chm
