#include "hhc/progress.h"

#include <algorithm>
#include <memory>

#include "hhc/log_line.h"

namespace hhc {
namespace {

std::string Megabytes(std::uint64_t bytes) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(bytes) / (1024.0 * 1024.0));
    return text;
}

}  // namespace

Progress::Progress(bool shown, std::FILE* out) : shown_(shown), out_(out) {}

void Progress::Say(const std::string& line) {
    if (!shown_) return;
    std::lock_guard<std::mutex> hold(mutex_);
    std::fprintf(out_, "%s\n", line.c_str());
    std::fflush(out_);
}

void Progress::Gathered(size_t files, std::uint64_t bytes) {
    Say("Gathered " + WithThousands(files) + (files == 1 ? " file, " : " files, ") + Megabytes(bytes) + " MB.");
}

std::function<void(std::uint64_t)> Progress::Compressing(std::uint64_t total) {
    if (!shown_) return {};
    compressing_ = true;
    total_ = total;
    return [this](std::uint64_t done) { Compressed(done); };
}

void Progress::Compressed(std::uint64_t done) {
    done_ = done;
    unsigned tenth = total_ == 0 ? 10 : static_cast<unsigned>(std::min<std::uint64_t>(done * 10 / total_, 10));
    if (tenth <= told_) return;
    told_ = tenth;
    Say("Compressed " + Megabytes(std::min(done, total_)) + " of " + Megabytes(total_) + " MB (" +
        std::to_string(tenth * 10) + "%).");
}

void Progress::Indexed(size_t topics) {
    Say("Made the search index of " + WithThousands(topics) + (topics == 1 ? " topic." : " topics."));
}

void Progress::Finished() {
    if (compressing_ && told_ < 10) Say("Compressed " + Megabytes(done_) + " of " + Megabytes(done_) + " MB (100%).");
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    char text[64];
    std::snprintf(text, sizeof text, "Compiled in %.1f s.", seconds);
    Say(text);
}

}  // namespace hhc
