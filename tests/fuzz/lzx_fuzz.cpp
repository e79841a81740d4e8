// LZX as the compiled file stores it, read back by libmspack and chmlib. The first two bytes ask
// for a length (in units of 2 bytes, so frames and reset intervals are crossed); the rest is
// laid end to end to fill it, each copy a little changed so matches reach far back.
#include <string>

#include "chm/lzx.h"
#include "tests/chm/lzx_readers.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string input(AsText(data, size));
    if (size > 2) {
        const size_t length = (data[0] | data[1] << 8) * size_t{2};
        const std::string tile = input.substr(2);
        input.clear();
        for (unsigned copy = 0; input.size() < length; ++copy) input += tile, input.back() ^= static_cast<char>(copy);
        input.resize(length);
    }
    const chm::LzxSection section = chm::CompressLzx(input, 2);
    Require(section.uncompressed_size == input.size(), "the section tells its true length");
    Require(!section.frame_offsets.empty() && section.frame_offsets[0] == 0, "the first frame starts the stream");
    const Decoded decoded = DecodeWithLibmspack(section, 0, input.size(), input.size());
    Require(decoded.error.empty() && decoded.bytes == input, "libmspack reads back the input");
    // chmlib gives whole frames, the last padded with zeros.
    const Decoded frames = DecodeWithChmlib(section, 0, section.frame_offsets.size());
    Require(frames.error.empty() && frames.bytes.size() == section.frame_offsets.size() * 32768 &&
            frames.bytes.compare(0, input.size(), input) == 0, "chmlib reads back the input");
    return 0;
}
