// One test case's world for the main dialog: a fresh program directory, a
// fresh program-wide state, recorded message boxes and file dialogs.
#pragma once

#include <QRect>
#include <QTemporaryDir>

#include <memory>
#include <string>

#include "app/app_context.h"
#include "app/veldrio_dlg.h"
#include "platform/file_dialog_recorder.h"
#include "platform/message_box_recorder.h"

class MainDialogHarness {
public:
    MainDialogHarness();
    ~MainDialogHarness();

    // Full path of name in the program directory.
    std::string Path(const char* name) const;
    // The program file's path: the settings file goes beside it.
    std::string ProgramPath() const { return Path("veldrio"); }

    // A main dialog for programPath, started and shown.
    std::unique_ptr<CVeldrioDlg> Start(const std::string& programPath);
    std::unique_ptr<CVeldrioDlg> Start() { return Start(ProgramPath()); }

    // A rectangle in dialog units converted with the dialog's font.
    static QRect Dlu(const CVeldrioDlg& dialog, int x, int y, int width, int height);

    QTemporaryDir dir;
    std::unique_ptr<ScopedAppContext> context;
    platform::MessageBoxRecorder boxes;
    platform::FileDialogRecorder fileDialogs;
};
