// Contents and index files: any bytes give entries with UTF-8 names and pages, each entry
// no deeper than the lists opened before it.
#include <algorithm>

#include "hhc/sitemap.h"
#include "hhc/text_encoding.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text = AsText(data, size);
    const auto lists = static_cast<int>(std::count(text.begin(), text.end(), '<'));
    for (const auto& entry : hhc::ParseSitemap(text)) {
        Require(entry.depth >= 0 && entry.depth <= lists, "an entry stands in the lists opened");
        Require(hhc::IsValidUtf8(entry.name), "names are UTF-8");
        for (const auto& local : entry.locals) Require(hhc::IsValidUtf8(local), "pages are UTF-8");
    }
    return 0;
}
