// Contents (.hhc) and index (.hhk) files: HTML lists of <OBJECT type="text/sitemap"> entries.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

namespace hhc {

struct SitemapEntry {
    int depth = 0;                    // how many lists hold it; 1 for the top level
    std::string name;                 // the first "Name" (or an index's "Keyword"), UTF-8
    std::vector<std::string> locals;  // the "Local" parameters as written (files of the tree)
    std::string see_also;             // an index entry that sends the reader to another keyword
};

// `bytes` as stored; decoded like a page (BOM, charset, else UTF-8 or code page 932).
// Objects of other types (the list's own properties) are not entries.
std::vector<SitemapEntry> ParseSitemap(std::string_view bytes);
// The same an entry at a time, so that a long list need not be held whole.
void VisitSitemap(std::string_view bytes, const std::function<void(SitemapEntry&& entry)>& visit);

// Gives a text a piece at a time, cut anywhere; an empty piece at its end.
using TextPieces = std::function<tess::Result<std::string>()>;
// The same over UTF-8 text read in pieces, so that a long index need not be in memory whole.
tess::Status VisitSitemapText(const TextPieces& pieces, const std::function<void(SitemapEntry&& entry)>& visit);

struct SitemapItem {
    std::string name;   // code page bytes
    std::string local;  // a stored file's name as the viewer reads it, without the leading "/"
};

// A flat contents list of the items in their order.
std::string WriteSitemap(const std::vector<SitemapItem>& items);

}  // namespace hhc
