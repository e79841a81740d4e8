// A plain-text table whose columns line up whatever the cells hold (an em dash is one column).
#pragma once

#include <string>
#include <vector>

namespace bench {

struct Column {
    std::string title;
    int width;
    bool right;  // numbers align right
};

class TableText {
public:
    explicit TableText(std::vector<Column> columns) : columns_(std::move(columns)) {}
    void PrintHeader() const;
    void Print(const std::vector<std::string>& cells) const;

private:
    std::vector<Column> columns_;
};

// `value` with `decimals` places; "—" for a figure below zero, which was not measured.
std::string Figure(double value, int decimals);

}  // namespace bench
