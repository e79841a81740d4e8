#include "hhc/sitemap.h"

#include <algorithm>
#include <cctype>

#include "hhc/html_refs.h"
#include "hhc/html_tokens.h"
#include "platform/text.h"

namespace hhc {
namespace {

// Names in a sitemap are HTML attribute values: the characters that end or open one go as references.
std::string Escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '"': out += "&quot;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            default: out.push_back(c);
        }
    }
    return out;
}

}  // namespace

std::vector<SitemapEntry> ParseSitemap(std::string_view bytes) {
    std::vector<SitemapEntry> entries;
    VisitSitemap(bytes, [&entries](SitemapEntry&& entry) { entries.push_back(std::move(entry)); });
    return entries;
}

namespace {

// Entries out of tokens, which may come from several pieces of one text.
class SitemapReader {
public:
    explicit SitemapReader(const std::function<void(SitemapEntry&& entry)>& visit) : visit_(visit) {}

    void Take(const HtmlToken& t) {
        if (t.kind == HtmlToken::Kind::start_tag && t.name == "ul") {
            ++depth_;
        } else if (t.kind == HtmlToken::Kind::end_tag && t.name == "ul") {
            depth_ = std::max(0, depth_ - 1);
        } else if (t.kind == HtmlToken::Kind::start_tag && t.name == "object") {
            // An object left open is ended by the next one.
            if (in_entry_) visit_(std::move(entry_));
            in_entry_ = tess::AsciiLowered(t.Attribute("type")) == "text/sitemap";
            entry_ = SitemapEntry{depth_, {}, {}, {}};
        } else if (t.kind == HtmlToken::Kind::end_tag && t.name == "object") {
            if (in_entry_) visit_(std::move(entry_));
            in_entry_ = false;
        } else if (in_entry_ && t.kind == HtmlToken::Kind::start_tag && t.name == "param") {
            std::string param = tess::AsciiLowered(t.Attribute("name"));
            const std::string& value = t.Attribute("value");
            if ((param == "name" || param == "keyword") && entry_.name.empty()) entry_.name = value;
            else if (param == "local" && !value.empty()) entry_.locals.push_back(value);
            else if (param == "see also" && entry_.see_also.empty()) entry_.see_also = value;
        }
    }

    void End() {
        if (in_entry_) visit_(std::move(entry_));
        in_entry_ = false;
    }

private:
    const std::function<void(SitemapEntry&& entry)>& visit_;
    int depth_ = 0;
    bool in_entry_ = false;
    SitemapEntry entry_;
};

}  // namespace

void VisitSitemap(std::string_view bytes, const std::function<void(SitemapEntry&& entry)>& visit) {
    std::string decoded;
    HtmlTokenizer tokens(PageAsUtf8(bytes, decoded));
    SitemapReader reader(visit);
    for (HtmlToken t; tokens.Next(t);) reader.Take(t);
    reader.End();
}

tess::Status VisitSitemapText(const TextPieces& pieces, const std::function<void(SitemapEntry&& entry)>& visit) {
    SitemapReader reader(visit);
    // A token that reaches a piece's end waits for the next piece; only the text from it is kept.
    std::string text;
    for (bool last = false; !last;) {
        auto piece = pieces();
        if (!piece) return piece.error();
        last = piece->empty();
        text += *piece;
        HtmlTokenizer tokens(text);
        size_t start = 0;
        for (HtmlToken t; start = tokens.at(), tokens.Next(t);) {
            if (!last && tokens.TouchedEnd()) break;
            reader.Take(t);
        }
        text.erase(0, start);
    }
    reader.End();
    return {};
}

std::string WriteSitemap(const std::vector<SitemapItem>& items) {
    std::string out =
        "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">\r\n<HTML>\r\n<HEAD>\r\n</HEAD>\r\n<BODY>\r\n"
        "<OBJECT type=\"text/site properties\">\r\n\t<param name=\"Window Styles\" value=\"0x800025\">\r\n"
        "</OBJECT>\r\n<UL>\r\n";
    for (const auto& item : items) {
        out += "\t<LI> <OBJECT type=\"text/sitemap\">\r\n\t\t<param name=\"Name\" value=\"" + Escaped(item.name) +
               "\">\r\n\t\t<param name=\"Local\" value=\"" + Escaped(item.local) + "\">\r\n\t\t</OBJECT>\r\n";
    }
    out += "</UL>\r\n</BODY>\r\n</HTML>\r\n";
    return out;
}

}  // namespace hhc
