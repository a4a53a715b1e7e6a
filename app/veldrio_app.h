// The application object: sets the program up, runs the main dialog and
// ends the program when the main dialog ends.
#pragma once

#include <QApplication>

#include <string>

#include "app/app_context.h"

class CVeldrioApp : public QApplication {
    Q_OBJECT
public:
    CVeldrioApp(int& argc, char** argv);
    ~CVeldrioApp() override;

    // Start-up: fonts, the program-wide state, the main dialog shown (and
    // givenFile, when not empty, opened from it); then the event loop until
    // the main dialog ends. Returns the exit code.
    int InitInstance(const std::string& programFilePath, const std::string& givenFile = {});

private:
    // The program-wide state, installed for the whole run.
    ScopedAppContext context_;
};
