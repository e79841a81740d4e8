#include "chm_readers.h"

#ifdef TESS_HAVE_LIBMSPACK
#include <mspack.h>
#endif

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

namespace chm_test {
namespace fs = std::filesystem;
namespace {

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Quoted(const std::string& s) { return "'" + s + "'"; }

// Runs a shell command with UTF-8 file names; returns its exit status.
int Run(const std::string& command, const std::string& log) {
    return std::system(("LC_ALL=C.UTF-8 " + command + " >" + Quoted(log) + " 2>&1").c_str());
}

bool Installed(const std::string& program) {
    return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

// libmspack's chmd: opens with the full directory read and extracts every listed file.
std::string ExtractWithMspack(const std::string& chm_path, const fs::path& out, MspackOrder order) {
#ifndef TESS_HAVE_LIBMSPACK
    (void)chm_path;
    (void)out;
    (void)order;
    return "libmspack is missing: install the Debian package libmspack-dev and configure again";
#else
    mschm_decompressor* chmd = mspack_create_chm_decompressor(nullptr);
    if (!chmd) return "libmspack: no decompressor";
    std::string error;
    mschmd_header* chm = chmd->open(chmd, chm_path.c_str());
    if (!chm) {
        error = "libmspack: open failed, error " + std::to_string(chmd->last_error(chmd));
    } else {
        std::vector<mschmd_file*> files;
        for (mschmd_file* f = chm->files; f; f = f->next) files.push_back(f);
        // libmspack decompresses forward from where it stands, and back from a reset point.
        if (order == MspackOrder::kContent)
            std::stable_sort(files.begin(), files.end(), [](const mschmd_file* a, const mschmd_file* b) {
                return a->offset < b->offset;
            });
        for (mschmd_file* f : files) {
            if (!error.empty()) break;
            fs::path target = out / fs::u8path(std::string(f->filename).substr(1));
            std::error_code ec;
            fs::create_directories(target.parent_path(), ec);
            if (ec)
                error = "libmspack: cannot make the folder for " + std::string(f->filename) + ": " + ec.message();
            else if (chmd->extract(chmd, f, target.c_str()) != MSPACK_ERR_OK)
                error = std::string("libmspack: extracting ") + f->filename + " failed";
        }
        chmd->close(chmd, chm);
    }
    mspack_destroy_chm_decompressor(chmd);
    return error;
#endif
}

// chmls extracts no empty files (by design); those must appear in its listing instead.
std::set<std::string> ChmlsListing(const std::string& chm_path, const std::string& work) {
    std::string log = (fs::path(work) / "chmls-list.log").string();
    std::set<std::string> names;
    if (Run("chmls -p -n list " + Quoted(chm_path), log) != 0) return names;
    std::ifstream in(log);
    for (std::string line; std::getline(in, line);) names.insert(line);
    return names;
}

void Compare(const std::string& reader, const fs::path& root, const FileMap& expected, std::vector<std::string>& diffs,
             const std::set<std::string>& listed_empty = {}) {
    size_t before = diffs.size();
    for (const auto& [name, bytes] : expected) {
        fs::path path = root / fs::u8path(name.substr(1));
        std::error_code ec;
        if (bytes.empty() && listed_empty.count(name)) continue;
        if (!fs::is_regular_file(path, ec)) {
            diffs.push_back(reader + ": " + name + " missing");
        } else if (ReadAll(path) != bytes) {
            diffs.push_back(reader + ": " + name + " differs (" + std::to_string(fs::file_size(path, ec)) +
                            " bytes, expected " + std::to_string(bytes.size()) + ")");
        }
        if (diffs.size() - before >= 5) {
            diffs.push_back(reader + ": further differences not listed");
            return;
        }
    }
}

// Runs `body` as python3 with the file opened by pychm as `f` and `args` in sys.argv[2:];
// gives "" or why it could not run.
std::string RunPychm(const std::string& name, const std::string& body, const std::string& chm_path,
                     const std::string& args, const std::string& work) {
    fs::path dir(work);
    std::string script = (dir / (name + ".py")).string();
    std::ofstream(script) << "import sys\n"
                             "from chm.chm import CHMFile\n"
                             "f = CHMFile()\n"
                             "if not f.LoadCHM(sys.argv[1].encode()):\n"
                             "    sys.exit('cannot open')\n"
                          << body;
    std::string log = (dir / (name + ".log")).string();
    if (std::system("test -x /usr/bin/python3 && /usr/bin/python3 -c 'import chm.chm' 2>/dev/null") != 0)
        return "pychm is missing: install the Debian package python3-chm";
    if (Run("/usr/bin/python3 " + Quoted(script) + " " + Quoted(chm_path) + " " + args, log) != 0)
        return "pychm failed: " + ReadAll(log);
    return "";
}

}  // namespace

std::vector<std::string> CompareWithReaders(const std::string& chm_path, const FileMap& expected,
                                            const std::string& work, MspackOrder mspack_order) {
    struct Tool {
        const char* name;
        const char* package;
        std::string command;  // {in} and {out} replaced
    };
    const Tool tools[] = {
        {"extract_chmLib", "libchm-bin", "extract_chmLib {in} {out}"},
        {"7z", "p7zip-full", "7z x -y -o{out} {in}"},
        {"chmls", "fp-utils", "chmls extractall {in} {out}"},
    };
    std::vector<std::string> diffs;
    for (const auto& tool : tools) {
        if (!Installed(tool.name)) {
            diffs.push_back(std::string(tool.name) + " is missing: install the Debian package " + tool.package);
            continue;
        }
        fs::path out = fs::path(work) / tool.name;
        fs::create_directories(out);
        std::string command = tool.command;
        command.replace(command.find("{in}"), 4, Quoted(chm_path));
        command.replace(command.find("{out}"), 5, Quoted(out.string()));
        std::string log = (fs::path(work) / (std::string(tool.name) + ".log")).string();
        if (Run(command, log) != 0) diffs.push_back(std::string(tool.name) + " failed: " + ReadAll(log).substr(0, 400));
        std::set<std::string> listed;
        if (std::string(tool.name) == "chmls") listed = ChmlsListing(chm_path, work);
        Compare(tool.name, out, expected, diffs, listed);
    }
    fs::path out = fs::path(work) / "libmspack";
    fs::create_directories(out);
    std::string error = ExtractWithMspack(chm_path, out, mspack_order);
    if (!error.empty()) diffs.push_back(error);
    Compare("libmspack", out, expected, diffs);
    return diffs;
}

PychmView ReadWithPychm(const std::string& chm_path, const std::string& work) {
    PychmView view;
    fs::path dir(work);
    view.error = RunPychm("pychm",
                          "d = sys.argv[2]\n"
                          "open(d + '/title', 'wb').write(f.title or b'')\n"
                          "open(d + '/home', 'wb').write(f.home or b'')\n"
                          "open(d + '/topics', 'wb').write(f.GetTopicsTree() or b'')\n"
                          "open(d + '/index', 'wb').write(f.GetIndex() or b'')\n",
                          chm_path, Quoted(work), work);
    if (view.error.empty()) {
        view.title = ReadAll(dir / "title");
        view.home = ReadAll(dir / "home");
        view.topics = ReadAll(dir / "topics");
        view.index = ReadAll(dir / "index");
    }
    return view;
}

PychmSearch SearchWithPychm(const std::string& chm_path, const std::vector<std::string>& queries,
                            const std::string& work) {
    PychmSearch result;
    fs::path dir(work);
    std::string queries_path = (dir / "queries").string(), answers_path = (dir / "answers").string();
    {
        std::ofstream q(queries_path);
        for (const auto& query : queries) {
            for (unsigned char ch : query) q << "0123456789abcdef"[ch >> 4] << "0123456789abcdef"[ch & 15];
            q << "\n";
        }
    }
    // Queries and answers travel as hexadecimal, one per line, so that any bytes pass.
    result.error = RunPychm("pychm_search",
                            "out = open(sys.argv[3], 'w')\n"
                            "out.write('%d\\n' % bool(f.IsSearchable()))\n"
                            "for line in open(sys.argv[2]):\n"
                            "    found = f.Search(bytes.fromhex(line.strip()), 0, 0)\n"
                            "    hits = found[1] if found else {}\n"
                            "    out.write(' '.join(t.hex() + ':' + u.hex() for t, u in sorted(hits.items())) + '\\n')\n",
                            chm_path, Quoted(queries_path) + " " + Quoted(answers_path), work);
    if (!result.error.empty()) return result;
    auto unhex = [](const std::string& hex) {
        std::string bytes;
        for (size_t i = 0; i + 1 < hex.size(); i += 2) bytes.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
        return bytes;
    };
    std::ifstream in(answers_path);
    std::string line;
    std::getline(in, line);
    result.searchable = line == "1";
    while (std::getline(in, line)) {
        std::map<std::string, std::string> hits;
        size_t start = 0;
        while (start < line.size()) {
            size_t end = line.find(' ', start);
            if (end == std::string::npos) end = line.size();
            std::string pair = line.substr(start, end - start);
            size_t colon = pair.find(':');
            hits[unhex(pair.substr(0, colon))] = unhex(pair.substr(colon + 1));
            start = end + 1;
        }
        result.found.push_back(std::move(hits));
    }
    return result;
}

}  // namespace chm_test
