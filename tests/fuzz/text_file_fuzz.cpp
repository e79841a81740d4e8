// Project text files in each encoding an author keeps them in come out as UTF-8.
#include "hhc/text_encoding.h"
#include "hhc/text_file.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (uint32_t code_page : {932u, 936u, 1252u, 1251u, hhc::kUtf8})
        Require(hhc::IsValidUtf8(hhc::TextFileAsUtf8(AsText(data, size), code_page)), "decoded text is UTF-8");
    return 0;
}
