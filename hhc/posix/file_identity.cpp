#include "hhc/file_identity.h"

#include <sys/stat.h>

namespace hhc {
namespace {

std::string KeyOf(const struct stat& st) {
    return std::to_string(static_cast<unsigned long long>(st.st_dev)) + ":" +
           std::to_string(static_cast<unsigned long long>(st.st_ino));
}

}  // namespace

std::string FileIdentity(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) == 0) return KeyOf(st);
    size_t slash = path.find_last_of('/');
    std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty() || name == "." || name == ".." || stat(folder.c_str(), &st) != 0) return {};
    return KeyOf(st) + "/" + name;
}

}  // namespace hhc
