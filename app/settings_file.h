// The settings file "SetteiKol.bin" beside the program file: where it is,
// reading it at start-up and writing it back at the end.
#pragma once

#include <string>
#include <string_view>

#include "app/settings_record.h"

struct SettingsPaths {
    std::string programDir;    // directory of the program file, no trailing '/'
    std::string settingsPath;  // programDir + "/" + "SetteiKol.bin"
};

// From the full path of the program file. A program in the root directory
// gives an empty programDir and the settings path "/SetteiKol.bin".
SettingsPaths BuildSettingsPath(std::string_view programFilePath);

// Opens the file for reading and writing (creating it empty when missing),
// holding it exclusively while it is open. A file shorter than the record
// gives false; a longer one is accepted and only its first 9116 bytes are
// read. On false the record is left as it was.
bool LoadSettings(const std::string& settingsPath, SettingsRecord& record);

// Writes the 9116 bytes at the start of the file, creating it when missing.
// Bytes beyond the record stay. The new file is written under a temporary
// name and replaces the old one only when complete, so the file is never
// half-written. False when the file cannot be opened or written (the old
// file then stays as it was); the record stays in memory either way.
bool SaveSettings(const std::string& settingsPath, const SettingsRecord& record);

// Start-up: the record from the file, or, when it cannot be read, the
// defaults, written at once (a failed write is silent). True when the file
// was read.
bool LoadOrResetSettings(const std::string& settingsPath, SettingsRecord& record);
