#include "platform/file_locations.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace platform {
namespace {

constexpr char PROGRAM_FOLDER[] = "/veldrio";

// An XDG home is taken only when absolute; otherwise the default under home.
std::string BaseFolder(const std::string& value, const std::string& home, const char* fallback) {
    if (!value.empty() && value.front() == '/') return value;
    return home + fallback;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

FileLocations ChooseFileLocations(const std::string& programDir, bool programDirWritable,
                                  const UserFolders& user) {
    if (programDirWritable) return {programDir, programDir};
    return {BaseFolder(user.configHome, user.home, "/.config") + PROGRAM_FOLDER,
            BaseFolder(user.dataHome, user.home, "/.local/share") + PROGRAM_FOLDER};
}

UserFolders UserFoldersFromEnvironment() {
    UserFolders user{Environment("XDG_CONFIG_HOME"), Environment("XDG_DATA_HOME"), Environment("HOME")};
    if (user.home.empty()) {
        const passwd* entry = getpwuid(getuid());
        if (entry != nullptr && entry->pw_dir != nullptr) user.home = entry->pw_dir;
    }
    return user;
}

bool FolderWritable(const std::string& dir) {
    return !dir.empty() && access(dir.c_str(), W_OK | X_OK) == 0;
}

FileLocations FileLocationsFor(const std::string& programDir) {
    return ChooseFileLocations(programDir, FolderWritable(programDir), UserFoldersFromEnvironment());
}

bool EnsureFolder(const std::string& dir) {
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    return std::filesystem::is_directory(dir, error);
}

}  // namespace platform
