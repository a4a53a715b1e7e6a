#include "app/veldrio_app.h"

#include <QTimer>
#include <cstdlib>
#include <filesystem>

#include "app/journal_keeper.h"
#include "app/veldrio_dlg.h"
#include "platform/file_locations.h"
#include "platform/fonts.h"
#include "platform/screen_grabber.h"
#include "res/texts_app.h"

namespace {

// Beside the settings, or in the user's state folder when they are kept in
// the user's config folder.
std::string JournalFolder(const AppContext& app) {
    const std::filesystem::path settings(app.settingsPath);
    const char* stateHome = std::getenv("XDG_STATE_HOME");
    return JournalFolderFor(app.programDir, settings.parent_path().string(), stateHome ? stateHome : "",
                            platform::UserFoldersFromEnvironment().home);
}

}  // namespace

CVeldrioApp::CVeldrioApp(int& argc, char** argv) : QApplication(argc, argv) {}

CVeldrioApp::~CVeldrioApp() = default;

int CVeldrioApp::InitInstance(const std::string& programFilePath, const std::string& givenFile) {
    // The name under which a desktop program may keep its own data; this
    // program keeps none there.
    setOrganizationName(QString::fromUtf8(texts::REGISTRY_KEY));
    platform::InstallFontSubstitutions();
    platform::InstallScreenGrabber();
    // The main dialog hides itself while a viewer is open: only its end
    // ends the program.
    setQuitOnLastWindowClosed(false);

    int exitCode = 0;
    {
        CVeldrioDlg dialog(programFilePath);
        QObject::connect(&dialog, &QDialog::finished, this, [](int) { QApplication::quit(); });
        dialog.OnInitDialog();
        // The work is kept from here on; a journal left by an abnormal end
        // (and not in use by another running program) is offered first.
        JournalKeeper keeper(JournalFolder(App()));
        const bool ownJournal = keeper.Lock();
        dialog.show();
        // Once the dialog is on the screen, as if the file had been chosen there.
        QTimer::singleShot(0, &dialog, [&dialog, &keeper, ownJournal, givenFile] {
            const bool restored = ownJournal && dialog.OfferRestore(keeper);
            keeper.Keep();
            if (!restored && !givenFile.empty()) dialog.OpenGivenFile(givenFile);
        });
        exitCode = exec();
        // A normal end: nothing is left to restore.
        keeper.Finish();
    }
    return exitCode;
}
