#include "hhc/spilled_text.h"

#include <algorithm>

namespace hhc {
namespace {

const tess::Error kLost{"A work file cannot be read back."};

}  // namespace

tess::Result<std::shared_ptr<SpilledText>> SpilledText::Make(std::string_view text, const chm::WorkFileMaker& make) {
    auto file = make();
    if (!file) return file.error();
    (*file)->write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!(*file)->flush()) return tess::Error{"A work file cannot be written: the disk may be full."};
    return std::shared_ptr<SpilledText>(new SpilledText(std::move(*file), text.size()));
}

tess::Result<std::string> SpilledText::Read(std::uint64_t from, size_t count) const {
    std::string out(count, '\0');
    file_->clear();
    if (!file_->seekg(static_cast<std::streamoff>(from)) ||
        !file_->read(out.data(), static_cast<std::streamsize>(count)))
        return kLost;
    return out;
}

TextPieces SpilledText::Pieces(size_t piece_bytes) const {
    return [this, piece_bytes, at = std::uint64_t{0}]() mutable -> tess::Result<std::string> {
        const size_t count = static_cast<size_t>(std::min<std::uint64_t>(piece_bytes, size_ - at));
        auto piece = Read(at, count);
        if (piece) at += count;
        return piece;
    };
}

}  // namespace hhc
