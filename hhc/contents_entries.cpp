#include "hhc/contents_entries.h"

#include <algorithm>

#include "chm/names.h"
#include "hhc/input_bytes.h"
#include "hhc/local_ref.h"
#include "hhc/sitemap.h"
#include "hhc/text_encoding.h"

namespace hhc {

tess::Result<std::vector<chm::ContentsEntry>> ContentsEntries(const std::vector<chm::InputFile>& inputs,
                                                              const std::string& contents_file, uint32_t code_page) {
    const std::string wanted = chm::WithLeadingSlash(contents_file);
    auto file = std::find_if(inputs.begin(), inputs.end(), [&](const chm::InputFile& f) { return f.name == wanted; });
    std::vector<chm::ContentsEntry> top;
    if (contents_file.empty() || file == inputs.end()) return top;
    size_t slash = wanted.rfind('/');
    std::string folder = slash == 0 ? std::string() : wanted.substr(1, slash - 1);
    auto bytes = BytesOf(*file);
    if (!bytes) return bytes.error();
    // The open entries from the top, each the last one placed at its depth.
    std::vector<std::vector<chm::ContentsEntry>*> open{&top};
    VisitSitemap(*bytes, [&](SitemapEntry&& s) {
        size_t depth = static_cast<size_t>(std::clamp(s.depth, 1, static_cast<int>(open.size())));
        open.resize(depth);
        chm::ContentsEntry e{ToCodePage(s.name, code_page), {}, {}};
        for (const auto& local : s.locals)
            if (auto ref = ResolveRef(local, folder); ref.kind == LocalRef::Kind::inside) {
                e.topic = "/" + ref.path;
                break;
            }
        open.back()->push_back(std::move(e));
        open.push_back(&open.back()->back().children);
    });
    return top;
}

}  // namespace hhc
