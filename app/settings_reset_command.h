// The main dialog's menu item "設定条件初期化 (&I)": after a Yes/No question,
// the settings in memory return to their defaults; they reach the file when
// the program ends.
#pragma once

#include "app/settings_record.h"

class QWidget;

// Asks; on anything but No resets the record and tells the user to close the
// program. Returns true when the record was reset.
bool RunSettingsResetCommand(QWidget* owner, SettingsRecord& record);
