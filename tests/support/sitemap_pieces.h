// A sitemap's entries as its text is read back a few bytes at a time, cut anywhere: what a long
// index kept in a work file goes through.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "hhc/html_refs.h"
#include "hhc/sitemap.h"

namespace tess_test {

inline tess::Result<std::vector<hhc::SitemapEntry>> SitemapInPieces(std::string_view bytes, size_t piece) {
    const std::string text = hhc::PageAsUtf8(bytes);
    std::vector<hhc::SitemapEntry> entries;
    size_t at = 0;
    auto read = hhc::VisitSitemapText(
        [&]() -> tess::Result<std::string> {
            std::string next = text.substr(std::min(at, text.size()), piece);
            at += piece;
            return next;
        },
        [&](hhc::SitemapEntry&& e) { entries.push_back(std::move(e)); });
    if (!read) return read.error();
    return entries;
}

}  // namespace tess_test
