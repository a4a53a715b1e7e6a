// The main dialog's menu item "設定条件初期化 (&I)": after a Yes/No question,
// the settings in memory return to their defaults; they reach the file when
// the program ends.
#pragma once

#include <functional>

#include "app/settings_record.h"
#include "res/notice.h"

// Shows a notice to the user and returns the answer (platform::IDYES, ...).
using NoticeShower = std::function<int(const Notice&)>;

// Asks through show; on anything but No resets the record, then tells the
// user through show to close the program. Returns true when the record was
// reset.
bool RunSettingsResetCommand(SettingsRecord& record, const NoticeShower& show);
