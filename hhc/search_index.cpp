#include "hhc/search_index.h"

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
                                                                 const std::set<std::string>& untitled) {
    if (!wanted) return std::optional<chm::FullTextIndex>();
    uint32_t code_page = chm::CodePageOf(language);
    chm::CharEncoder encode = EncoderFor(code_page);
    chm::FullTextIndexBuilder builder(language, code_page);
    uint32_t index = 0;
    for (const auto& f : inputs) {
        if (!f.title) continue;
        if (StopRequested()) return tess::Error{"the compilation was stopped."};
        // A page not held is read for its words alone, so that one page at a time is in memory.
        auto page = BytesOf(f);
        if (!page) return page.error();
        // Pages come in their own encodings; the index holds the code page's bytes only.
        std::string text = ToCodePage(PageAsUtf8(*page), code_page);
        std::string title = untitled.count(f.name) ? std::string() : *f.title;
        auto added = builder.Add({index++, std::move(title), chm::VisibleText(text, code_page, encode)});
        if (!added) return added.error();
    }
    auto built = builder.Finish();
    if (!built) return built.error();
    return std::optional<chm::FullTextIndex>(std::move(*built));
}

}  // namespace hhc
