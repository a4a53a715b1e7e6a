#include "app/veldrio_app.h"
#include "platform/display_session.h"
#include "platform/program_dir.h"

int main(int argc, char** argv) {
    platform::ChooseQtPlatform();
    CVeldrioApp app(argc, argv);
    return app.InitInstance(platform::ProgramFilePath());
}
