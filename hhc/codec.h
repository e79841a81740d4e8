// The code page 932 codec of the platform hhc runs on.
#pragma once

#include "platform/text_codec.h"

namespace hhc {

tess::TextCodec& Codec();

}  // namespace hhc
