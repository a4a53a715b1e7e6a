#include "app/settings_record.h"

#include <cstring>

void ResetSettings(SettingsRecord& record) {
    std::memset(&record, 0, sizeof record);
    record.colourNumbers = DEFAULT_COLOUR_NUMBERS;
}
