// Contents and index files: any bytes give entries with UTF-8 names and pages, each entry
// no deeper than the lists opened before it.
#include <algorithm>

#include "hhc/html_refs.h"
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
    // Read a piece at a time, cut anywhere, the text gives the same entries.
    const std::string utf8 = hhc::PageAsUtf8(text);
    const size_t piece = 1 + (size > 0 ? data[0] % 61 : 0);
    std::vector<hhc::SitemapEntry> whole, pieces;
    hhc::VisitSitemap(text, [&](hhc::SitemapEntry&& e) { whole.push_back(std::move(e)); });
    size_t at = 0;
    auto read = hhc::VisitSitemapText(
        [&]() -> tess::Result<std::string> {
            std::string next = utf8.substr(std::min(at, utf8.size()), piece);
            at += piece;
            return next;
        },
        [&](hhc::SitemapEntry&& e) { pieces.push_back(std::move(e)); });
    Require(read && pieces.size() == whole.size(), "pieces give as many entries");
    for (size_t i = 0; i < whole.size(); ++i)
        Require(pieces[i].depth == whole[i].depth && pieces[i].name == whole[i].name &&
                    pieces[i].locals == whole[i].locals && pieces[i].see_also == whole[i].see_also,
                "pieces give the same entries");
    return 0;
}
