#include "tests/chm/lzx_readers.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#ifdef TESS_HAVE_LIBMSPACK
#include <mspack.h>
// libmspack keeps its LZX decoder out of its public header; the static library still exports it.
extern "C" {
struct lzxd_stream;
lzxd_stream* lzxd_init(mspack_system* system, mspack_file* input, mspack_file* output, int window_bits,
                       int reset_interval, int input_buffer_size, off_t output_length, char is_delta);
int lzxd_decompress(lzxd_stream* lzx, off_t out_bytes);
void lzxd_free(lzxd_stream* lzx);
}
#endif

#ifdef TESS_HAVE_CHMLIB
extern "C" {
struct LZXstate;
LZXstate* LZXinit(int window);
void LZXteardown(LZXstate* state);
int LZXreset(LZXstate* state);
int LZXdecompress(LZXstate* state, unsigned char* inpos, unsigned char* outpos, int inlen, int outlen);
}
#endif

namespace {

constexpr size_t kFrame = 32768;

size_t FrameEnd(const chm::LzxSection& section, size_t frame) {
    return frame + 1 < section.frame_offsets.size() ? section.frame_offsets[frame + 1]
                                                    : section.bytes.size();
}

#ifdef TESS_HAVE_LIBMSPACK
struct MemFile {
    const char* data = nullptr;
    size_t size = 0;
    size_t pos = 0;
    std::string* out = nullptr;
};

int MemRead(mspack_file* file, void* buffer, int bytes) {
    auto* f = reinterpret_cast<MemFile*>(file);
    const size_t n = std::min(static_cast<size_t>(bytes), f->size - f->pos);
    std::memcpy(buffer, f->data + f->pos, n);
    f->pos += n;
    return static_cast<int>(n);
}
int MemWrite(mspack_file* file, void* buffer, int bytes) {
    reinterpret_cast<MemFile*>(file)->out->append(static_cast<const char*>(buffer), bytes);
    return bytes;
}
void* MemAlloc(mspack_system*, size_t bytes) { return std::malloc(bytes); }
void MemFree(void* p) { std::free(p); }
void MemCopy(void* src, void* dest, size_t bytes) { std::memmove(dest, src, bytes); }
void MemMessage(mspack_file*, const char*, ...) {}
#endif

}  // namespace

Decoded DecodeWithLibmspack(const chm::LzxSection& section, size_t first_frame, uint64_t output_length,
                            uint64_t wanted) {
#ifdef TESS_HAVE_LIBMSPACK
    mspack_system sys{};
    sys.read = MemRead;
    sys.write = MemWrite;
    sys.alloc = MemAlloc;
    sys.free = MemFree;
    sys.copy = MemCopy;
    sys.message = MemMessage;
    Decoded result;
    const size_t start = section.frame_offsets.at(first_frame);
    MemFile in{section.bytes.data() + start, section.bytes.size() - start, 0, nullptr};
    MemFile out{nullptr, 0, 0, &result.bytes};
    // As chmd.c does: window bits 16, reset interval in frames, a 4 KB input buffer.
    lzxd_stream* lzx = lzxd_init(&sys, reinterpret_cast<mspack_file*>(&in), reinterpret_cast<mspack_file*>(&out),
                                 16, 2, 4096, static_cast<off_t>(output_length), 0);
    if (!lzx) return {{}, "lzxd_init failed"};
    const int err = lzxd_decompress(lzx, static_cast<off_t>(wanted));
    lzxd_free(lzx);
    if (err != MSPACK_ERR_OK) result.error = "lzxd_decompress error " + std::to_string(err);
    return result;
#else
    (void)section, (void)first_frame, (void)output_length, (void)wanted;
    return {{}, "libmspack's static library and mspack.h are missing: install libmspack-dev "
                "(scripts/lib/packages.sh lists it)"};
#endif
}

Decoded DecodeWithChmlib(const chm::LzxSection& section, size_t first_frame, size_t frame_count) {
#ifdef TESS_HAVE_CHMLIB
    Decoded result;
    LZXstate* state = LZXinit(16);
    if (!state) return {{}, "LZXinit failed"};
    std::vector<unsigned char> in;
    std::vector<unsigned char> out(kFrame);
    for (size_t frame = first_frame; frame < first_frame + frame_count; ++frame) {
        if (frame % 2 == 0) LZXreset(state);
        const size_t begin = section.frame_offsets.at(frame);
        const size_t length = FrameEnd(section, frame) - begin;
        // chmlib reads a little past a frame's bytes; its own buffer has 6 KB to spare.
        in.assign(length + 6144, 0);
        std::memcpy(in.data(), section.bytes.data() + begin, length);
        if (LZXdecompress(state, in.data(), out.data(), static_cast<int>(length), static_cast<int>(kFrame)) != 0) {
            result.error = "LZXdecompress failed on frame " + std::to_string(frame);
            break;
        }
        result.bytes.append(reinterpret_cast<const char*>(out.data()), kFrame);
    }
    LZXteardown(state);
    return result;
#else
    (void)section, (void)first_frame, (void)frame_count;
    return {{}, "chmlib's library and chm_lib.h are missing: install libchm-dev "
                "(scripts/lib/packages.sh lists it)"};
#endif
}
