// Everything the program keeps between runs: one record of 9116 bytes,
// stored in the settings file byte for byte as it lies in memory (32-bit
// little-endian integers, NUL-terminated CP932 texts).
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "dialogs/colour_table.h"

constexpr int RECENT_COUNT = 10;          // entries of the recent-image list
constexpr int RECENT_ENTRY_BYTES = 256;   // bytes of one entry, NUL included
constexpr int SETTINGS_RECORD_BYTES = 9116;

// The screen zone in screen pixels; both corners belong to it.
struct ZoneRect {
    std::int32_t left;    // start X
    std::int32_t top;     // start Y
    std::int32_t right;   // end X
    std::int32_t bottom;  // end Y
};

struct SettingsRecord {
    // Full paths, entry 0 the most recent; an entry whose first byte is 0 is
    // empty. CP932, or UTF-8 for a path CP932 cannot hold.
    char recentImages[RECENT_COUNT][RECENT_ENTRY_BYTES];
    std::uint8_t reserved2560[2296];
    std::int32_t reserved4856;
    std::uint8_t reserved4860[416];
    ColourNumbers colourNumbers;              // each 0..19 when valid
    std::uint8_t reserved5300[552];
    char reservedTexts5852[4][256];
    char reservedText6876[256];
    std::uint8_t reserved7132[520];
    ZoneRect zoneRect;
    std::int32_t reserved7668[2];
    std::uint8_t reserved7676[1440];
};

static_assert(std::endian::native == std::endian::little,
              "the settings record is stored as it lies in memory");
static_assert(std::is_trivial_v<SettingsRecord> && std::is_standard_layout_v<SettingsRecord>);
static_assert(sizeof(SettingsRecord) == SETTINGS_RECORD_BYTES);
static_assert(offsetof(SettingsRecord, reserved2560) == 2560);
static_assert(offsetof(SettingsRecord, reserved4856) == 4856);
static_assert(offsetof(SettingsRecord, reserved4860) == 4860);
static_assert(offsetof(SettingsRecord, colourNumbers) == 5276);
static_assert(offsetof(SettingsRecord, reserved5300) == 5300);
static_assert(offsetof(SettingsRecord, reservedTexts5852) == 5852);
static_assert(offsetof(SettingsRecord, reservedText6876) == 6876);
static_assert(offsetof(SettingsRecord, reserved7132) == 7132);
static_assert(offsetof(SettingsRecord, zoneRect) == 7652);
static_assert(offsetof(SettingsRecord, reserved7668) == 7668);
static_assert(offsetof(SettingsRecord, reserved7676) == 7676);

// All bytes zero, then the default colour numbers 2, 2, 6, 14, 13, 8. The
// file is not touched.
void ResetSettings(SettingsRecord& record);
