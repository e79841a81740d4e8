// compare_readers CHM FOLDER LIST: each file named in LIST (one per line, relative to FOLDER)
// must come out of CHM byte for byte with every reader; prints the differences, fails on one.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/chm/chm_readers.h"

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: compare_readers CHM FOLDER LIST WORK\n");
        return 2;
    }
    chm_test::FileMap expected;
    std::ifstream list(argv[3]);
    for (std::string name; std::getline(list, name);) {
        if (name.empty()) continue;
        std::ifstream in(std::filesystem::path(argv[2]) / name, std::ios::binary);
        expected["/" + name] = std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    auto differences = chm_test::CompareWithReaders(argv[1], expected, argv[4]);
    for (const auto& line : differences) std::printf("%s\n", line.c_str());
    std::printf("%zu files, %zu differences (chmlib, 7z, chmls, libmspack)\n", expected.size(), differences.size());
    return differences.empty() ? 0 : 1;
}
