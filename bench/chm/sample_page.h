// A page of help-like words whose size the bench picks; the seed varies its text.
#pragma once

#include <iterator>
#include <string>

namespace bench {

inline std::string SamplePage(size_t size, unsigned seed) {
    static const char* const kWords[] = {"help", "page", "topic", "window", "contents", "index", "search",
                                         "the", "of", "and", "file", "compiled", "viewer", "<b>bold</b>"};
    std::string html = "<html><head><title>Page</title></head><body>\n<p>";
    while (html.size() < size) {
        seed = seed * 1103515245u + 12345u;
        html += kWords[(seed >> 16) % std::size(kWords)];
        html += (seed >> 8) % 11 ? " " : "</p>\n<p>";
    }
    return html + "</p></body></html>\n";
}

}  // namespace bench
