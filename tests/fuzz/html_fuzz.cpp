// The HTML tokenizer and what pages and style sheets refer to: the tokens cover the page in
// order, and the references found are UTF-8.
#include "hhc/css_refs.h"
#include "hhc/html_refs.h"
#include "hhc/html_tokens.h"
#include "hhc/text_encoding.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view page = AsText(data, size);
    hhc::HtmlTokenizer tokens(page);
    hhc::HtmlToken token;
    const char* last_end = page.data();
    for (size_t count = 0; tokens.Next(token); ++count) {
        Require(count <= size, "each token takes up input");
        if (token.kind != hhc::HtmlToken::Kind::text) {
            Require(!token.name.empty(), "tags have names");
            continue;
        }
        Require(token.text.data() >= last_end && token.text.data() + token.text.size() <= page.data() + page.size(),
                "texts lie in the page, in order");
        last_end = token.text.data() + token.text.size();
    }
    const hhc::HtmlRefs refs = hhc::ScanHtml(page);
    Require(hhc::IsValidUtf8(refs.title), "the title is UTF-8");
    for (const auto* list : {&refs.resources, &refs.links})
        for (const auto& ref : *list) Require(hhc::IsValidUtf8(ref), "references are UTF-8");
    Require(hhc::IsValidUtf8(hhc::PageAsUtf8(page)), "the page as UTF-8 is UTF-8");
    (void)hhc::CssReferences(page);
    return 0;
}
