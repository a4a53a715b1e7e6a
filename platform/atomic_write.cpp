#include "platform/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <vector>

namespace platform {
namespace {

// The file a path finally names, through any symbolic links; the path
// itself when it names nothing yet.
std::string FinalTarget(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return 0666 & ~mask;
}

// Runs write on file and closes it; true when everything reached the disk.
bool WriteAndClose(std::FILE* file, const std::function<bool(std::FILE*)>& write, bool sync) {
    bool ok = write(file);
    ok = std::fflush(file) == 0 && ok;
    if (sync) ok = ::fsync(::fileno(file)) == 0 && ok;
    return std::fclose(file) == 0 && ok;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::function<bool(std::FILE* file)>& write) {
    if (path.empty()) return false;
    const std::string target = FinalTarget(path);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        if (S_ISDIR(existing.st_mode)) return false;
        std::FILE* file = std::fopen(target.c_str(), "wb");
        return file != nullptr && WriteAndClose(file, write, false);
    }

    std::string name = FolderOf(target) + "/.veldrio-XXXXXX";
    std::vector<char> buffer(name.begin(), name.end());
    buffer.push_back('\0');
    const int fd = ::mkostemp(buffer.data(), O_CLOEXEC);
    if (fd < 0) return false;
    const std::string temporary(buffer.data());
    std::FILE* file = ::fchmod(fd, exists ? existing.st_mode & 07777 : NewFileMode()) == 0 ? ::fdopen(fd, "wb")
                                                                                         : nullptr;
    if (file == nullptr) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return false;
    }
    if (!WriteAndClose(file, write, true) || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace platform
