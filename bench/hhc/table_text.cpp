#include "bench/hhc/table_text.h"

#include <cstdio>

namespace bench {

namespace {

size_t Shown(const std::string& s) {
    size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

}  // namespace

void TableText::PrintHeader() const {
    std::vector<std::string> titles;
    for (const auto& c : columns_) titles.push_back(c.title);
    Print(titles);
}

void TableText::Print(const std::vector<std::string>& cells) const {
    std::string line;
    for (size_t i = 0; i < columns_.size() && i < cells.size(); ++i) {
        const size_t shown = Shown(cells[i]);
        const std::string pad(shown < size_t(columns_[i].width) ? columns_[i].width - shown : 0, ' ');
        if (i) line += ' ';
        line += columns_[i].right ? pad + cells[i] : cells[i] + pad;
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    std::printf("%s\n", line.c_str());
}

std::string Figure(double value, int decimals) {
    if (value < 0) return "—";
    char s[64];
    std::snprintf(s, sizeof s, "%.*f", decimals, value);
    return s;
}

}  // namespace bench
