#include "hhc/codec.h"

#include "platform/posix/iconv_text_codec.h"

namespace hhc {

tess::TextCodec& Codec() {
    static tess::IconvTextCodec codec;
    return codec;
}

}  // namespace hhc
