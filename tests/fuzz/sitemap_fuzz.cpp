// Contents and index files: any bytes give entries with UTF-8 names and pages, each entry
// no deeper than the lists opened before it.
#include <algorithm>

#include "hhc/sitemap.h"
#include "hhc/text_encoding.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/support/sitemap_pieces.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text = AsText(data, size);
    const auto lists = static_cast<int>(std::count(text.begin(), text.end(), '<'));
    for (const auto& entry : hhc::ParseSitemap(text)) {
        Require(entry.depth >= 0 && entry.depth <= lists, "an entry stands in the lists opened");
        Require(hhc::IsValidUtf8(entry.name), "names are UTF-8");
        for (const auto& local : entry.locals) Require(hhc::IsValidUtf8(local), "pages are UTF-8");
    }
    // Read a piece at a time, cut anywhere, the text gives the same entries.
    const size_t piece = 1 + (size > 0 ? data[0] % 61 : 0);
    std::vector<hhc::SitemapEntry> whole;
    hhc::VisitSitemap(text, [&](hhc::SitemapEntry&& e) { whole.push_back(std::move(e)); });
    const auto read = tess_test::SitemapInPieces(text, piece);
    Require(read && read->size() == whole.size(), "pieces give as many entries");
    for (size_t i = 0; i < whole.size(); ++i) {
        const hhc::SitemapEntry& e = (*read)[i];
        Require(e.depth == whole[i].depth && e.name == whole[i].name && e.locals == whole[i].locals &&
                    e.see_also == whole[i].see_also,
                "pieces give the same entries");
    }
    return 0;
}
