#include "hhc/staged_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "hhc/utf8_path.h"

namespace hhc {
namespace {

std::string CannotWrite(const std::string& path) {
    return "The compiled file " + path + " cannot be written: " + (errno ? std::strerror(errno) : "a write failed") +
           ".";
}

}  // namespace

class StagedFile::WorkStream : public std::fstream {
public:
    explicit WorkStream(std::string name)
        : std::fstream(PathOf(name), std::ios::binary | std::ios::in | std::ios::out | std::ios::trunc),
          name_(std::move(name)) {
        if (is_open()) ForgetOpen(name_);
    }
    ~WorkStream() override {
        close();
        RemoveTemp(name_);
    }

private:
    std::string name_;
};

tess::Result<std::unique_ptr<std::iostream>> StagedFile::WorkFile(const std::string& final_path) {
    auto name = CreateTemp(final_path);
    if (!name) return name.error();
    errno = 0;
    auto stream = std::make_unique<WorkStream>(*name);
    if (!stream->is_open()) return tess::Error{CannotWrite(final_path)};
    return std::unique_ptr<std::iostream>(std::move(stream));
}

tess::Result<StagedFile> StagedFile::Write(std::string_view bytes, const std::string& final_path) {
    return Write(
        [bytes](std::ostream& out, std::iostream&) {
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            return tess::Status();
        },
        final_path);
}

tess::Result<StagedFile> StagedFile::Write(const Filler& fill, const std::string& final_path) {
    auto temp = CreateTemp(final_path);
    if (!temp) return temp.error();
    auto spill = WorkFile(final_path);
    if (!spill) {
        RemoveTemp(*temp);
        return spill.error();
    }
    errno = 0;
    std::ofstream out(PathOf(*temp), std::ios::binary | std::ios::trunc);
    tess::Status done = out ? fill(out, **spill) : tess::Status(tess::Error{CannotWrite(final_path)});
    // A full disk shows at a write or only once the data goes out. No fsync: the file is a work
    // file the program copies at once, and waiting for the disk would cost more than compiling a page.
    // A failed write is said as such, whatever the filler made of it.
    if (!out.flush() || !**spill || (*spill)->bad()) done = tess::Error{CannotWrite(final_path)};
    std::uint64_t size = done ? static_cast<std::uint64_t>(out.tellp()) : 0;
    out.close();
    if (done && out.fail()) done = tess::Error{CannotWrite(final_path)};
    spill->reset();  // the spill is gone before the file takes its place
    if (!done) {
        RemoveTemp(*temp);
        return done.error();
    }
    return StagedFile(*temp, final_path, size);
}

}  // namespace hhc
