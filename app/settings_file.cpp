#include "app/settings_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/atomic_write.h"
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

// The bytes of the file beyond the record, which a save keeps.
bool ReadBeyondRecord(int fd, std::string& tail) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) return false;
    if (!S_ISREG(info.st_mode) || info.st_size <= SETTINGS_RECORD_BYTES) return true;
    tail.resize(static_cast<std::size_t>(info.st_size - SETTINGS_RECORD_BYTES));
    std::size_t done = 0;
    while (done < tail.size()) {
        ssize_t n = ::pread(fd, tail.data() + done, tail.size() - done,
                            static_cast<off_t>(SETTINGS_RECORD_BYTES + done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;  // shortened meanwhile
        done += static_cast<std::size_t>(n);
    }
    tail.resize(done);
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
    // The old file stays locked while its replacement is written.
    LockedFile file(settingsPath);
    if (!file.isOpen()) return false;
    std::string tail;
    if (!ReadBeyondRecord(file.fd(), tail)) return false;
    return platform::WriteFileAtomically(settingsPath, [&](std::FILE* out) {
        return std::fwrite(&record, 1, sizeof record, out) == sizeof record &&
               std::fwrite(tail.data(), 1, tail.size(), out) == tail.size();
    });
}

bool LoadOrResetSettings(const std::string& settingsPath, SettingsRecord& record) {
    if (LoadSettings(settingsPath, record)) return true;
    ResetSettings(record);
    SaveSettings(settingsPath, record);
    return false;
}
