// The settings' part of the main dialog's start and end.
#pragma once

#include <string_view>

#include "app/recent_images.h"

class AppContext;

// Start: programDir from the program file's path; settingsPath and dataDir
// beside it when its folder is writable, in the user's XDG folders when not;
// the
// record from the settings file or, when it cannot be read, the defaults
// written at once; the 20 viewer entries emptied; the recent list pruned of
// paths that no longer exist. True when the file was read.
bool LoadStartupSettings(AppContext& context, std::string_view programFilePath,
                         const PathExists& exists = PathExistsOnDisk);

// End: the record written back to the settings file; a failure is silent and
// the program ends all the same.
bool SaveEndSettings(const AppContext& context);
