// A small, tolerant HTML tokenizer: start and end tags with their attributes, and the text
// between them. It builds no tree, so no depth of unclosed elements limits what it sees.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace hhc {

struct HtmlToken {
    enum class Kind { start_tag, end_tag, text };
    Kind kind = Kind::text;
    std::string name;  // tags: lower-case ASCII
    // Start tags: names lower-case, values with character references decoded; the first
    // of two equal names wins, as browsers take it.
    std::vector<std::pair<std::string, std::string>> attributes;
    // Text: as written (character references not decoded). The content of <script>,
    // <style>, <title>, <textarea> and <xmp> comes whole as one text token.
    std::string_view text;

    // The attribute's value, or "" when the tag has none of that name.
    const std::string& Attribute(std::string_view attribute_name) const;
    bool Has(std::string_view attribute_name) const;
};

// Comments, <!DOCTYPE>, <?xml ...?> and CDATA sections are passed over.
class HtmlTokenizer {
public:
    explicit HtmlTokenizer(std::string_view html) : html_(html) {}
    // False once the input is used up.
    bool Next(HtmlToken& token);
    // Where the next token starts.
    size_t at() const { return at_; }
    // Whether the last token read looked as far as the input's end: a search for its close
    // found none, or it ran up to the end. Over a piece of a longer text, that token may read
    // otherwise once the rest is there.
    bool TouchedEnd() const { return touched_end_ || at_ >= html_.size(); }

private:
    bool ReadTag(HtmlToken& token);
    void ReadAttributes(HtmlToken& token);
    void SkipMarkup();
    // Where `needle` (or the end tag) next stands from `from`: each search is remembered, so
    // that a page of unclosed comments, quotes or <script> tags costs one pass, not one per tag.
    size_t FindFrom(size_t mark, std::string_view needle, size_t from);
    size_t EndTagFrom(const std::string& end, size_t from);

    std::string_view html_;
    size_t found_[5] = {kUnknown, kUnknown, kUnknown, kUnknown, kUnknown};
    std::map<std::string, size_t> end_tags_;
    static constexpr size_t kUnknown = static_cast<size_t>(-2);
    size_t at_ = 0;
    std::string raw_end_;  // "</script" while inside such an element
    bool touched_end_ = false;
};

}  // namespace hhc
