#include "data/text_file.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "platform/atomic_write.h"
#include "platform/text_codec.h"

bool WriteCp932TextFile(const std::string& path, const std::string& utf8Text) {
    const std::string bytes = platform::ToCp932(utf8Text);
    return platform::WriteFileAtomically(
        path, [&](std::FILE* file) { return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size(); });
}

std::string JoinPath(const std::string& dir, const std::string& name) {
    if (dir.empty()) return name;
    if (dir.back() == '/') return dir + name;
    return dir + "/" + name;
}

std::string FolderOfPath(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return {};
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    if (in.bad()) return false;
    bytes = s.str();
    return true;
}
