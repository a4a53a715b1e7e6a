#include <QString>

#include <optional>
#include <string>
#include <vector>

#include "app/command_line_file.h"
#include "app/veldrio_app.h"
#include "platform/display_session.h"
#include "platform/program_dir.h"
#include "platform/ui_language.h"

int main(int argc, char** argv) {
    platform::ChooseQtPlatform();
    std::optional<platform::PlatformStartWatch> watch(std::in_place);
    CVeldrioApp app(argc, argv);
    watch.reset();
    // The launcher that belongs to the windows.
    CVeldrioApp::setDesktopFileName(QStringLiteral("org.veldrio.Veldrio"));
    // What Qt left of the command line: the language, then a picture to
    // open, if one is named.
    std::vector<std::string> arguments(argv, argv + argc);
    platform::UseUiLanguage(platform::ChooseUiLanguage(platform::TakeLanguageOption(arguments)));
    return app.InitInstance(platform::ProgramFilePath(), CommandLineFile(arguments));
}
