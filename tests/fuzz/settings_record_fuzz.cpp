// The settings file: read at start-up, its recent list and colour numbers
// used, then written back.
#include <string>

#include "app/recent_images.h"
#include "app/settings_file.h"
#include "app/settings_record.h"
#include "dialogs/colour_table.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzz::WriteInputFile(data, size);
    SettingsRecord record;
    if (!LoadOrResetSettings(path, record)) return 0;
    // Which paths "exist" follows the input, so pruning takes every turn.
    PruneRecentImages(record, [&](const std::string& entry) { return entry.size() % 2 == size % 2; });
    for (const std::string& entry : RecentImages(record)) AddRecentImage(record, entry);
    PromoteRecentImage(record, int(size % 12) - 1);
    AddRecentImage(record, "/tmp/画像 ファイル.bmp");
    for (int position = 0; position < COLOUR_NUMBER_COUNT; ++position)
        OverlayColour(record.colourNumbers, ColourPosition(position));
    SaveSettings(path, record);
    return 0;
}
