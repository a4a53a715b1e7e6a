#include "viewer/external_viewer.h"

#include <QApplication>

#include "platform/message_box.h"
#include "platform/shell_execute.h"
#include "res/texts_app.h"
#include "res/texts_cutout.h"
#include "res/translation.h"

namespace {

constexpr char kPictureViewer[] = "xdg-open";
// Results below this value mean the program did not start.
constexpr int kStartedAtLeast = 32;

}  // namespace

bool OpenExternalViewer(const std::string& path) {
    QWidget* focus = QApplication::activeWindow();
    if (platform::ShellExecute(focus, kPictureViewer, {path}) >= kStartedAtLeast) return true;
    platform::MessageBox(focus, std::string(Tr(texts::CUT_VIEWER_FAILED)) + Tr(texts::CUT_VIEWER_FAILED_REASON),
                         texts::TITLE_CONFIRM, platform::MB_OK);
    return false;
}
