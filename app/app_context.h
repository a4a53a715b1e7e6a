// The program-wide state, in one object: the settings record and the paths
// derived from the program file, the viewer registry with the edit window,
// the folders of the last writes and the last screen depth. The application
// object owns one and installs it; tests install a fresh one per case.
#pragma once

#include <string>

#include "app/settings_record.h"
#include "app/viewer_registry.h"
#include "data/calc_state.h"
#include "data/sample_table.h"
#include "data/undo_history.h"

class AppContext {
public:
    AppContext();
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    // Read at start-up, written at the end; the defaults until then.
    SettingsRecord settings;
    std::string programDir;    // the program file's folder: the print program beside it
    std::string settingsPath;  // <programDir or the user's config folder>/SetteiKol.bin
    std::string dataDir;       // reports and the save dialogs' first folder; empty: programDir

    // dataDir (made when missing), or programDir while none was chosen.
    std::string DataFolder() const;

    ViewerRegistry registry;

    // Image writing from the viewers: the path chosen last and its folder.
    std::string lastWrittenPath;
    std::string lastWriteDir;
    // CSV export: folder of the last exported file.
    std::string lastCsvDir;
    // Bits per pixel of the screen that the last painting viewer saw.
    int lastScreenDepth = 0;

    // The one sample table, and the calculation's buffers and result record.
    SampleTable sampleTable;
    CalcState calc;
    // The table's one undo history, in the paired viewer's magnification.
    UndoHistory history{sampleTable};
};

// The installed context. When none is installed a default one is used, so
// that the accessor never fails.
AppContext& App();

// Installs a context for as long as this object lives, then puts back the one
// installed before. The application object holds one; so does each test.
class ScopedAppContext {
public:
    ScopedAppContext();
    ~ScopedAppContext();
    ScopedAppContext(const ScopedAppContext&) = delete;
    ScopedAppContext& operator=(const ScopedAppContext&) = delete;

    AppContext& context() { return context_; }

private:
    AppContext context_;
    AppContext* previous_;
};
