#include "app/veldrio_app.h"

#include <QTimer>

#include "app/veldrio_dlg.h"
#include "platform/fonts.h"
#include "platform/qt_translations.h"
#include "platform/screen_grabber.h"
#include "res/texts_app.h"

CVeldrioApp::CVeldrioApp(int& argc, char** argv) : QApplication(argc, argv) {}

CVeldrioApp::~CVeldrioApp() = default;

int CVeldrioApp::InitInstance(const std::string& programFilePath, const std::string& givenFile) {
    // The name under which a desktop program may keep its own data; this
    // program keeps none there.
    setOrganizationName(QString::fromUtf8(texts::REGISTRY_KEY));
    platform::InstallFontSubstitutions();
    platform::InstallJapaneseQtTexts();
    platform::InstallScreenGrabber();
    // The main dialog hides itself while a viewer is open: only its end
    // ends the program.
    setQuitOnLastWindowClosed(false);

    int exitCode = 0;
    {
        CVeldrioDlg dialog(programFilePath);
        QObject::connect(&dialog, &QDialog::finished, this, [](int) { QApplication::quit(); });
        dialog.OnInitDialog();
        dialog.show();
        // Once the dialog is on the screen, as if the file had been chosen there.
        if (!givenFile.empty())
            QTimer::singleShot(0, &dialog, [&dialog, givenFile] { dialog.OpenGivenFile(givenFile); });
        exitCode = exec();
    }
    return exitCode;
}
