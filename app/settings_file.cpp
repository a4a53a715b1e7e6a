#include "app/settings_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "res/texts_app.h"

namespace {

// The file held open and locked against other processes ("no sharing").
class LockedFile {
public:
    explicit LockedFile(const std::string& path) {
        fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~LockedFile() {
        if (fd_ >= 0) ::close(fd_);  // closing releases the lock
    }
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    int fd() const { return fd_; }

private:
    int fd_ = -1;
};

bool ReadAllAt(int fd, void* buffer, std::size_t size) {
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        ssize_t n = ::pread(fd, out + done, size - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool WriteAllAt(int fd, const void* buffer, std::size_t size) {
    const auto* in = static_cast<const char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        ssize_t n = ::pwrite(fd, in + done, size - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

SettingsPaths BuildSettingsPath(std::string_view programFilePath) {
    SettingsPaths paths;
    auto slash = programFilePath.find_last_of('/');
    paths.programDir = slash == std::string_view::npos
                           ? std::string(".")
                           : std::string(programFilePath.substr(0, slash));
    paths.settingsPath = paths.programDir + "/" + texts::SETTINGS_FILE_NAME;
    return paths;
}

bool LoadSettings(const std::string& settingsPath, SettingsRecord& record) {
    LockedFile file(settingsPath);
    if (!file.isOpen()) return false;
    struct stat info {};
    if (::fstat(file.fd(), &info) != 0 || info.st_size < SETTINGS_RECORD_BYTES) return false;
    SettingsRecord read;
    if (!ReadAllAt(file.fd(), &read, sizeof read)) return false;
    record = read;
    return true;
}

bool SaveSettings(const std::string& settingsPath, const SettingsRecord& record) {
    LockedFile file(settingsPath);
    if (!file.isOpen()) return false;
    return WriteAllAt(file.fd(), &record, sizeof record);
}

bool LoadOrResetSettings(const std::string& settingsPath, SettingsRecord& record) {
    if (LoadSettings(settingsPath, record)) return true;
    ResetSettings(record);
    SaveSettings(settingsPath, record);
    return false;
}
