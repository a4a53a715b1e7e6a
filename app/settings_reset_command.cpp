#include "app/settings_reset_command.h"

#include "platform/message_box.h"
#include "res/texts_app.h"

bool RunSettingsResetCommand(SettingsRecord& record, const NoticeShower& show) {
    const int answer = show({texts::SETTINGS_RESET_QUESTION, texts::TITLE_CONFIRM, platform::MB_YESNO});
    if (answer == platform::IDNO) return false;
    ResetSettings(record);
    show({texts::SETTINGS_RESET_DONE, texts::TITLE_CONFIRM, platform::MB_OK});
    return true;
}
