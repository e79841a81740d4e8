#include "hhc/stored_text.h"

#include <algorithm>

#include "hhc/log_text.h"
#include "hhc/text_encoding.h"

namespace hhc {
namespace {

bool IsLeadByte(unsigned char c, uint32_t code_page) {
    switch (code_page) {
        case 932: return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
        case 936: case 949: case 950: return c >= 0x81 && c <= 0xFE;
        default: return false;
    }
}

// How many bytes the character at text[i] takes.
size_t CharacterLength(const std::string& text, size_t i, uint32_t code_page) {
    auto c = static_cast<unsigned char>(text[i]);
    if (code_page == 65001) {
        size_t n = c < 0xC0 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        return std::min(n, text.size() - i);
    }
    return IsLeadByte(c, code_page) && i + 1 < text.size() ? 2 : 1;
}

}  // namespace

std::string StoredText(std::string text, uint32_t code_page, bool& changed, size_t max_bytes) {
    changed = false;
    if (text.find('\0') != std::string::npos) {
        std::erase(text, '\0');
        changed = true;
    }
    if (text.size() <= max_bytes) return text;
    size_t end = 0;
    for (size_t i = 0; i < text.size();) {
        size_t n = CharacterLength(text, i, code_page);
        if (i + n > max_bytes) break;
        i += n;
        end = i;
    }
    text.resize(end);
    changed = true;
    return text;
}

void MakeTextsStorable(chm::Options& options, std::vector<chm::InputFile>& inputs, uint32_t code_page,
                       std::vector<std::string>& lines) {
    bool changed = false;
    options.title = StoredText(std::move(options.title), code_page, changed);
    if (changed)
        lines.push_back(ToLogText("Warning: the title is too long or holds zero bytes; it was stored cut to " +
                                  std::to_string(options.title.size()) + " bytes, without them."));
    for (auto& f : inputs) {
        if (!f.title) continue;
        *f.title = StoredText(std::move(*f.title), code_page, changed);
        if (changed)
            lines.push_back(ToLogText("Warning: the title of " + f.name.substr(1) +
                                      " is too long or holds zero bytes; it was stored cut to " +
                                      std::to_string(f.title->size()) + " bytes, without them."));
    }
}

void WarnOfLostCharacters(const std::string& title, const Collection& collection, const Navigation& navigation,
                          uint32_t code_page, std::vector<std::string>& lines) {
    auto check = [&](const std::string& text, auto&& what) {
        bool lost = false;
        (void)ToCodePage(text, code_page, &lost);
        if (lost)
            lines.push_back(ToLogText("Warning: " + what() + " holds characters code page " + std::to_string(code_page) +
                                      " has no form for; they are shown as \"?\"."));
    };
    check(title, [] { return std::string("the title"); });
    for (const auto& f : collection.files)
        if (f.page && f.titled) check(f.title, [&f] { return "the title of " + f.name; });
    if (navigation.window)
        check(navigation.window->caption, [&] { return "the caption of the window " + navigation.window->name; });
}

}  // namespace hhc
