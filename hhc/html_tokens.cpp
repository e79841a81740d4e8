#include "hhc/html_tokens.h"

#include "hhc/html_entities.h"

namespace hhc {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

std::string LowerOf(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = Lower(c);
    return out;
}

// Where "</name" starts (any case) as an end tag, from `from`; npos when nowhere.
size_t FindEndTag(std::string_view html, size_t from, std::string_view end) {
    for (size_t at = html.find("</", from); at != std::string_view::npos; at = html.find("</", at + 2)) {
        if (html.size() - at < end.size()) return std::string_view::npos;
        bool same = true;
        for (size_t i = 2; i < end.size() && same; ++i) same = Lower(html[at + i]) == end[i];
        size_t after = at + end.size();
        if (same && (after == html.size() || IsBlank(html[after]) || html[after] == '>' || html[after] == '/'))
            return at;
    }
    return std::string_view::npos;
}

bool IsRawTextElement(const std::string& name) {
    return name == "script" || name == "style" || name == "title" || name == "textarea" || name == "xmp";
}

const std::string kNone;

// What FindFrom remembers.
enum Mark : size_t { kCommentEnd, kCdataEnd, kTagEnd, kDoubleQuote, kSingleQuote };

bool StillValid(size_t found, size_t from, size_t unknown) {
    return found != unknown && (found == std::string_view::npos || found >= from);
}

}  // namespace

const std::string& HtmlToken::Attribute(std::string_view attribute_name) const {
    for (const auto& [name, value] : attributes)
        if (name == attribute_name) return value;
    return kNone;
}

bool HtmlToken::Has(std::string_view attribute_name) const {
    for (const auto& a : attributes)
        if (a.first == attribute_name) return true;
    return false;
}

size_t HtmlTokenizer::FindFrom(size_t mark, std::string_view needle, size_t from) {
    if (!StillValid(found_[mark], from, kUnknown)) found_[mark] = html_.find(needle, from);
    touched_end_ |= found_[mark] == std::string_view::npos;
    return found_[mark];
}

size_t HtmlTokenizer::EndTagFrom(const std::string& end, size_t from) {
    auto [it, added] = end_tags_.try_emplace(end, kUnknown);
    if (!StillValid(it->second, from, kUnknown)) it->second = FindEndTag(html_, from, end);
    // An end tag found right at the end may go on ("</title9") in what follows.
    touched_end_ |= it->second == std::string_view::npos || it->second + end.size() >= html_.size();
    return it->second;
}

bool HtmlTokenizer::Next(HtmlToken& token) {
    touched_end_ = false;
    while (at_ < html_.size()) {
        token.attributes.clear();
        token.name.clear();
        if (!raw_end_.empty()) {
            size_t end = EndTagFrom(raw_end_, at_);
            raw_end_.clear();
            token.kind = HtmlToken::Kind::text;
            token.text = html_.substr(at_, end - at_);
            at_ = end;
            if (!token.text.empty()) return true;
            continue;
        }
        if (html_[at_] == '<' && at_ + 1 < html_.size()) {
            char c = html_[at_ + 1];
            if (c == '!' || c == '?') {
                SkipMarkup();
                continue;
            }
            if (c == '/' && at_ + 2 < html_.size() && IsLetter(html_[at_ + 2])) {
                size_t start = at_ + 2, end = start;
                while (end < html_.size() && !IsBlank(html_[end]) && html_[end] != '/' && html_[end] != '>') ++end;
                token.kind = HtmlToken::Kind::end_tag;
                token.name = LowerOf(html_.substr(start, end - start));
                size_t close = html_.find('>', end);
                at_ = close == std::string_view::npos ? html_.size() : close + 1;
                return true;
            }
            if (c == '/') {  // "</>" or "</ 3": nothing but a stray mark-up
                SkipMarkup();
                continue;
            }
            if (IsLetter(c)) return ReadTag(token);
        }
        // Text runs to the next "<" (a stray "<" is text of its own).
        size_t next = html_.find('<', at_ + 1);
        if (next == std::string_view::npos) next = html_.size();
        token.kind = HtmlToken::Kind::text;
        token.text = html_.substr(at_, next - at_);
        at_ = next;
        return true;
    }
    return false;
}

bool HtmlTokenizer::ReadTag(HtmlToken& token) {
    size_t start = at_ + 1, end = start;
    while (end < html_.size() && !IsBlank(html_[end]) && html_[end] != '/' && html_[end] != '>') ++end;
    token.kind = HtmlToken::Kind::start_tag;
    token.name = LowerOf(html_.substr(start, end - start));
    at_ = end;
    bool self_closing = false;
    ReadAttributes(token);
    if (at_ >= 2 && at_ <= html_.size() && html_[at_ - 1] == '>' && html_[at_ - 2] == '/') self_closing = true;
    // An element whose end never comes is read as ordinary mark-up, so that what follows
    // an unclosed <script> is not lost.
    if (IsRawTextElement(token.name) && !self_closing) {
        std::string end_tag = "</" + token.name;
        if (EndTagFrom(end_tag, at_) != std::string_view::npos) raw_end_ = end_tag;
    }
    return true;
}

void HtmlTokenizer::ReadAttributes(HtmlToken& token) {
    const size_t n = html_.size();
    for (;;) {
        while (at_ < n && (IsBlank(html_[at_]) || html_[at_] == '/')) ++at_;
        if (at_ >= n) return;
        if (html_[at_] == '>') {
            ++at_;
            return;
        }
        size_t start = at_++;  // a first "=" belongs to the name
        while (at_ < n && !IsBlank(html_[at_]) && html_[at_] != '/' && html_[at_] != '>' && html_[at_] != '=') ++at_;
        std::string name = LowerOf(html_.substr(start, at_ - start));
        size_t after_name = at_;
        while (at_ < n && IsBlank(html_[at_])) ++at_;
        std::string value;
        if (at_ < n && html_[at_] == '=') {
            ++at_;
            while (at_ < n && IsBlank(html_[at_])) ++at_;
            if (at_ < n && (html_[at_] == '"' || html_[at_] == '\'')) {
                char quote = html_[at_++];
                size_t close = FindFrom(quote == '"' ? kDoubleQuote : kSingleQuote, std::string_view(&quote, 1), at_);
                // An unclosed quote ends at the tag's end rather than swallowing the page.
                if (close == std::string_view::npos) close = std::min(FindFrom(kTagEnd, ">", at_), n);
                value = DecodeCharacterReferences(html_.substr(at_, close - at_));
                at_ = close < n && html_[close] == quote ? close + 1 : close;
            } else {
                size_t begin = at_;
                while (at_ < n && !IsBlank(html_[at_]) && html_[at_] != '>') ++at_;
                value = DecodeCharacterReferences(html_.substr(begin, at_ - begin));
            }
        } else {
            at_ = after_name;
        }
        if (!token.Has(name)) token.attributes.emplace_back(std::move(name), std::move(value));
    }
}

void HtmlTokenizer::SkipMarkup() {
    std::string_view rest = html_.substr(at_);
    size_t end = std::string_view::npos;
    if (rest.starts_with("<!--")) {
        end = FindFrom(kCommentEnd, "-->", at_ + 2);  // "<!-->" closes at once
    } else if (rest.starts_with("<![CDATA[")) {
        end = FindFrom(kCdataEnd, "]]>", at_);
    }
    if (end != std::string_view::npos) {
        at_ = end + 3;
        return;
    }
    // A comment that never ends costs no more than up to the next ">".
    size_t close = FindFrom(kTagEnd, ">", at_);
    at_ = close == std::string_view::npos ? html_.size() : close + 1;
}

}  // namespace hhc
