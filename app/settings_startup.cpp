#include "app/settings_startup.h"

#include "app/app_context.h"
#include "app/settings_file.h"

bool LoadStartupSettings(AppContext& context, std::string_view programFilePath,
                         const PathExists& exists) {
    SettingsPaths paths = BuildSettingsPath(programFilePath);
    context.programDir = paths.programDir;
    context.settingsPath = paths.settingsPath;
    const bool loaded = LoadOrResetSettings(context.settingsPath, context.settings);
    context.registry.ClearViewers();
    PruneRecentImages(context.settings, exists);
    return loaded;
}

bool SaveEndSettings(const AppContext& context) {
    return SaveSettings(context.settingsPath, context.settings);
}
