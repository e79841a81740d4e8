// A long text set aside in a work file while the compile goes on, read back whole or a piece
// at a time.
#pragma once

#include <cstdint>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>

#include "chm/fulltext_runs.h"
#include "hhc/sitemap.h"
#include "platform/result.h"

namespace hhc {

class SpilledText {
public:
    static tess::Result<std::shared_ptr<SpilledText>> Make(std::string_view text, const chm::WorkFileMaker& make);

    // The work file itself, to be read from its start; it keeps `text` alive.
    static std::shared_ptr<std::istream> Stream(const std::shared_ptr<SpilledText>& text) {
        return std::shared_ptr<std::istream>(text, text->file_.get());
    }
    // From the start each time it is asked for; one reading at a time.
    TextPieces Pieces(size_t piece_bytes = size_t{1} << 20) const;
    std::uint64_t size() const { return size_; }

private:
    SpilledText(std::unique_ptr<std::iostream> file, std::uint64_t size) : file_(std::move(file)), size_(size) {}
    tess::Result<std::string> Read(std::uint64_t from, size_t count) const;

    std::unique_ptr<std::iostream> file_;
    std::uint64_t size_;
};

}  // namespace hhc
