// Where the program writes: beside itself when its folder is writable (the
// portable use), otherwise in the user's XDG folders, with the same names.
#pragma once

#include <string>

namespace platform {

struct FileLocations {
    std::string settingsDir;  // folder of the settings record
    std::string dataDir;      // reports, and the folder the save dialogs start in
};

// The user's base folders as the environment gives them; empty when unset.
struct UserFolders {
    std::string configHome;  // $XDG_CONFIG_HOME
    std::string dataHome;    // $XDG_DATA_HOME
    std::string home;        // $HOME, or the password entry's home
};

// The one decision: programDir for both when it is writable; otherwise
// <config home>/veldrio and <data home>/veldrio, an unset or relative home
// standing for ~/.config and ~/.local/share.
FileLocations ChooseFileLocations(const std::string& programDir, bool programDirWritable,
                                  const UserFolders& user);

// The running user's folders.
UserFolders UserFoldersFromEnvironment();

// True when the program may create files in dir.
bool FolderWritable(const std::string& dir);

// ChooseFileLocations for this process.
FileLocations FileLocationsFor(const std::string& programDir);

// Creates dir with its missing parents; true when it is a folder afterwards.
bool EnsureFolder(const std::string& dir);

}  // namespace platform
