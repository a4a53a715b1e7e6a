#include "app/veldrio_app.h"
#include "platform/program_dir.h"

int main(int argc, char** argv) {
    CVeldrioApp app(argc, argv);
    return app.InitInstance(platform::ProgramFilePath());
}
