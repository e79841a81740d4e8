// Each pass over a page's or a log line's bytes on hostile input, at four doubling sizes: the
// time and its growth from the size before. A linear pass grows about 2x; 4x is quadratic.
// Prints a table; not a test. Usage: hostile_input_bench [base KB] (default 100).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "hhc/css_refs.h"
#include "hhc/html_entities.h"
#include "hhc/html_refs.h"
#include "hhc/log_line.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string Repeat(const std::string& unit, size_t bytes) {
    std::string out;
    out.reserve(bytes + unit.size());
    while (out.size() < bytes) out += unit;
    return out;
}

struct Row {
    const char* pass;
    const char* input;
    std::string unit;
    std::function<size_t(const std::string&)> run;  // returns something, so that nothing is optimised away
};

double Seconds(const Row& row, const std::string& input, size_t& sink) {
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        auto t0 = Clock::now();
        sink += row.run(input);
        best = std::min(best, std::chrono::duration<double>(Clock::now() - t0).count());
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    size_t base = (argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100) * 1024;
    auto html = [](const std::string& s) { return hhc::ScanHtml(s).resources.size() + 1; };
    std::vector<Row> rows = {
        {"log neutraliser", "\"Created\" repeated", "Created", [](const std::string& s) { return hhc::Harmless(s).size(); }},
        {"log neutraliser", "\"Created\" after lead bytes", "\x83" "Created", [](const std::string& s) { return hhc::Harmless(s).size(); }},
        {"HTML tokenizer", "unclosed <script>", "<script>x", html},
        {"HTML tokenizer", "unclosed <style>", "<style>x", html},
        {"HTML tokenizer", "unclosed <textarea>", "<textarea>", html},
        {"HTML tokenizer", "unclosed <title>", "<title>a", html},
        {"HTML tokenizer", "unclosed comments", "<!--x", html},
        {"HTML tokenizer", "unclosed CDATA", "<![CDATA[", html},
        {"HTML tokenizer", "unclosed quotes", "<a href=\"x>", html},
        {"HTML tokenizer", "unclosed quotes, no >", "<a href='x ", html},
        {"HTML tokenizer", "many attributes", "<p a=1 b='2' c=\"3\" ", html},
        {"CSS scanner", "unclosed url(", "url(", [](const std::string& s) { return hhc::CssReferences(s).size(); }},
        {"CSS scanner", "unclosed url(\"", "url(\"", [](const std::string& s) { return hhc::CssReferences(s).size(); }},
        {"CSS scanner", "unclosed comments", "/*/*", [](const std::string& s) { return hhc::CssReferences(s).size(); }},
        {"CSS scanner", "@import without end", "@import '", [](const std::string& s) { return hhc::CssReferences(s).size(); }},
        {"entity decoding", "unknown names", "&abcdefghij", [](const std::string& s) { return hhc::DecodeCharacterReferences(s).size(); }},
        {"entity decoding", "long numbers", "&#0000000000", [](const std::string& s) { return hhc::DecodeCharacterReferences(s).size(); }},
        {"entity decoding", "bare ampersands", "&", [](const std::string& s) { return hhc::DecodeCharacterReferences(s).size(); }},
    };
    size_t sink = 0;
    std::printf("%-16s %-28s", "pass", "input");
    for (int k = 0; k < 4; ++k) std::printf(" %9zu KB  growth", (base << k) / 1024);
    std::printf("\n");
    for (const auto& row : rows) {
        std::printf("%-16s %-28s", row.pass, row.input);
        double before = 0;
        for (int k = 0; k < 4; ++k) {
            double s = Seconds(row, Repeat(row.unit, base << k), sink);
            if (k == 0) std::printf(" %9.2f ms      -", s * 1e3);
            else std::printf(" %9.2f ms  %5.2fx", s * 1e3, before > 0 ? s / before : 0.0);
            before = s;
        }
        std::printf("\n");
    }
    std::printf("(checksum %zu)\n", sink % 10);
    return 0;
}
