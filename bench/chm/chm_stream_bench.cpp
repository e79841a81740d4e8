// A big project streamed through the writer: pages generated as each is read, the output and
// the spill thrown away (the spill gives back as many bytes as it took). Prints the time and the
// peak memory the writer added. Run as BUILD/bench/chm/chm_stream_bench [MB [threads [files]]];
// meaningful in a Release build.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <streambuf>
#include <string>
#include <vector>

#include "bench/chm/sample_page.h"
#include "chm/writer.h"

namespace {

// Takes every byte, keeps none, and reads back zeros up to what it took.
class NullSpill : public std::streambuf {
protected:
    int_type overflow(int_type c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof())) ++size_;
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char*, std::streamsize n) override {
        size_ += n;
        return n;
    }
    pos_type seekoff(off_type off, std::ios_base::seekdir dir, std::ios_base::openmode) override {
        if (dir == std::ios_base::beg) read_ = off;
        else if (dir == std::ios_base::end) read_ = size_ + off;
        else return dir == std::ios_base::cur && off == 0 ? pos_type(size_) : pos_type(off_type(-1));
        return pos_type(read_);
    }
    pos_type seekpos(pos_type pos, std::ios_base::openmode which) override {
        return seekoff(off_type(pos), std::ios_base::beg, which);
    }
    std::streamsize xsgetn(char* s, std::streamsize n) override {
        const std::streamsize got = std::min(n, size_ - read_);
        std::fill(s, s + got, '\0');
        read_ += got;
        return got;
    }
    int_type underflow() override { return traits_type::eof(); }

private:
    std::streamsize size_ = 0, read_ = 0;
};

std::string Page(size_t size, unsigned seed) { return bench::SamplePage(size, seed); }

long PeakKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// On a shared machine the wall time says little; the cores' time tells whether the work spread.
double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto s = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    return s(usage.ru_utime) + s(usage.ru_stime);
}

}  // namespace

int main(int argc, char** argv) {
    const uint64_t megabytes = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1024;
    const unsigned threads = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 1;
    const size_t count = argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 200000;
    const size_t page_size = static_cast<size_t>((megabytes << 20) / count);

    std::vector<chm::InputFile> files;
    for (size_t i = 0; i < count; ++i) {
        files.push_back({"/pages/d" + std::to_string(i / 1000) + "/p" + std::to_string(i) + ".htm", {},
                         "Page " + std::to_string(i),
                         [=]() -> tess::Result<std::string> { return Page(page_size, static_cast<unsigned>(i)); }});
    }
    chm::Options options;
    options.title = "Stream bench";
    options.default_topic = files.front().name;
    options.threads = threads;
    uint64_t done = 0;
    options.progress = [&](uint64_t d) { done = d; };
    NullSpill out_buf, spill_buf;
    std::ostream out(&out_buf);
    std::iostream spill(&spill_buf);

    const long before = PeakKb();
    const double cpu_start = CpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    auto ok = chm::WriteChm(options, files, out, spill);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!ok) {
        std::fprintf(stderr, "%s\n", ok.error().message.c_str());
        return 1;
    }
    const long after = PeakKb();
    const double cpu = CpuSeconds() - cpu_start;
    std::printf("%zu files, %.0f MB of input, %u threads: %.1f s, %.1f MB/s, %.1f s of CPU (%.2f cores busy); "
                "output %lld KB; peak RSS %ld MB (%ld MB before writing, %ld MB added by the writer)\n",
                count, static_cast<double>(done) / (1 << 20), threads, seconds,
                static_cast<double>(done) / (1 << 20) / seconds, cpu, cpu / seconds,
                static_cast<long long>(out.tellp()) / 1024, after / 1024, before / 1024, (after - before) / 1024);
    return 0;
}
