#include "platform/program_dir.h"

#include <unistd.h>

#include <vector>

namespace platform {

std::string ProgramFilePath() {
    std::vector<char> buffer(4096);
    ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0) return {};
    return std::string(buffer.data(), static_cast<std::size_t>(n));
}

std::string ProgramDirectory() {
    std::string path = ProgramFilePath();
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

}  // namespace platform
