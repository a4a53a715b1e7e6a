#include "support/main_dialog_harness.h"

#include "platform/dialog_units.h"
#include "platform/fonts.h"

MainDialogHarness::MainDialogHarness() : context(std::make_unique<ScopedAppContext>()) {
    platform::InstallFontSubstitutions();
}

MainDialogHarness::~MainDialogHarness() = default;

std::string MainDialogHarness::Path(const char* name) const { return dir.filePath(name).toStdString(); }

std::unique_ptr<CVeldrioDlg> MainDialogHarness::Start(const std::string& programPath) {
    auto dialog = std::make_unique<CVeldrioDlg>(programPath);
    dialog->OnInitDialog();
    dialog->show();
    return dialog;
}

QRect MainDialogHarness::Dlu(const CVeldrioDlg& dialog, int x, int y, int width, int height) {
    return platform::DialogRectToPixels(x, y, width, height, platform::BaseUnitsOf(dialog.font()));
}
