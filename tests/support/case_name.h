// A test name from a case's description: "a page as log" becomes APageAsLog, as gtest wants
// letters and digits only.
#pragma once

#include <cctype>
#include <string>
#include <string_view>

namespace tess_test {

inline std::string CaseName(std::string_view what) {
    std::string name;
    bool word_start = true;
    for (unsigned char c : what) {
        if (!std::isalnum(c)) {
            word_start = true;
            continue;
        }
        name += word_start ? static_cast<char>(std::toupper(c)) : static_cast<char>(c);
        word_start = false;
    }
    return name;
}

}  // namespace tess_test
