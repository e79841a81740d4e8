#include "hhc/codec.h"

#include "platform/win32/win32_text_codec.h"

namespace hhc {

tess::TextCodec& Codec() {
    static tess::win32::Win32TextCodec codec;
    return codec;
}

}  // namespace hhc
