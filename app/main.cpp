#include <QString>

#include <optional>
#include <string>
#include <vector>

#include "app/command_line_file.h"
#include "app/veldrio_app.h"
#include "platform/display_session.h"
#include "platform/program_dir.h"

int main(int argc, char** argv) {
    platform::ChooseQtPlatform();
    std::optional<platform::PlatformStartWatch> watch(std::in_place);
    CVeldrioApp app(argc, argv);
    watch.reset();
    // The launcher that belongs to the windows.
    CVeldrioApp::setDesktopFileName(QStringLiteral("org.veldrio.Veldrio"));
    // What Qt left of the command line: a picture to open, if one is named.
    const std::vector<std::string> arguments(argv, argv + argc);
    return app.InitInstance(platform::ProgramFilePath(), CommandLineFile(arguments));
}
