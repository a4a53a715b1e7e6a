#include "app/settings_startup.h"

#include "app/app_context.h"
#include "app/settings_file.h"
#include "platform/file_locations.h"
#include "res/texts_app.h"

bool LoadStartupSettings(AppContext& context, std::string_view programFilePath,
                         const PathExists& exists) {
    const SettingsPaths paths = BuildSettingsPath(programFilePath);
    context.programDir = paths.programDir;
    const platform::FileLocations where = platform::FileLocationsFor(paths.programDir);
    context.dataDir = where.dataDir;
    // A folder of the user's is made when the record is first written: now.
    if (where.settingsDir != paths.programDir) platform::EnsureFolder(where.settingsDir);
    context.settingsPath = where.settingsDir + "/" + texts::SETTINGS_FILE_NAME;
    const bool loaded = LoadOrResetSettings(context.settingsPath, context.settings);
    context.registry.ClearViewers();
    PruneRecentImages(context.settings, exists);
    return loaded;
}

bool SaveEndSettings(const AppContext& context) {
    return SaveSettings(context.settingsPath, context.settings);
}
