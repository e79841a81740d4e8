#include "hhc/search_index.h"

#include <algorithm>

#include "hhc/code_page.h"
#include "hhc/html_entities.h"
#include "hhc/html_refs.h"
#include "hhc/input_bytes.h"
#include "hhc/process.h"
#include "hhc/text_encoding.h"

namespace hhc {

chm::CharEncoder EncoderFor(uint32_t code_page) {
    return [code_page](char32_t c) -> std::optional<std::string> {
        if (c < 0x80) return std::string(1, static_cast<char>(c));
        std::string utf8 = Utf8Of(c);
        if (auto exact = EncodeCodePage(utf8, code_page)) return exact;
        std::string near = ToCodePage(utf8, code_page);
        if (near == "?") return std::nullopt;  // a space in the text, as for no form at all
        return near;
    };
}

tess::Result<std::optional<chm::FullTextIndex>> BuildSearchIndex(bool wanted, uint32_t language,
                                                                 const std::vector<chm::InputFile>& inputs,
                                                                 const std::set<std::string>& untitled,
                                                                 unsigned threads,
                                                                 const chm::WorkFileMaker& work_files) {
    if (!wanted) return std::optional<chm::FullTextIndex>();
    uint32_t code_page = chm::CodePageOf(language);
    chm::CharEncoder encode = EncoderFor(code_page);
    chm::FullTextIndexBuilder builder(language, code_page, threads, work_files);
    std::vector<const chm::InputFile*> topics;
    for (const auto& f : inputs)
        if (f.title) topics.push_back(&f);
    // A batch's pages are cut into words at once, so a batch bounds what is held; a stop is
    // answered between batches.
    constexpr size_t kBatch = 64;
    for (size_t first = 0; first < topics.size(); first += kBatch) {
        if (StopRequested()) return tess::Error{"the compilation was stopped."};
        auto added = builder.AddMany(std::min(kBatch, topics.size() - first), [&](size_t k) -> tess::Result<chm::FullTextTopic> {
            const chm::InputFile& f = *topics[first + k];
            // A page not held is read for its words alone, so that few pages are in memory at once.
            auto page = BytesOf(f);
            if (!page) return page.error();
            // Pages come in their own encodings; the index holds the code page's bytes only.
            std::string text = ToCodePage(PageAsUtf8(*page), code_page);
            std::string title = untitled.count(f.name) ? std::string() : *f.title;
            return chm::FullTextTopic{static_cast<uint32_t>(first + k), std::move(title),
                                      chm::VisibleText(text, code_page, encode)};
        });
        if (!added) return added.error();
    }
    auto built = builder.Finish();
    if (!built) return built.error();
    return std::optional<chm::FullTextIndex>(std::move(*built));
}

}  // namespace hhc
