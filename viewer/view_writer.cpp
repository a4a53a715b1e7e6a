#include "viewer/view_writer.h"

#include <QWidget>

#include "app/app_context.h"
#include "data/text_file.h"
#include "platform/message_box.h"
#include "res/format_text.h"
#include "res/ids.h"
#include "res/texts_app.h"
#include "res/texts_cutout.h"
#include "res/texts_image.h"
#include "viewer/external_viewer.h"

ViewWriter::ViewWriter(QWidget* owner, RectOf rectOf)
    : QObject(owner), owner_(owner), rectOf_(std::move(rectOf)) {
    writeTimer_.setSingleShot(true);
    writeTimer_.setInterval(WRITE_TIMER_MS);
    connect(&writeTimer_, &QTimer::timeout, this, &ViewWriter::Write);
}

bool ViewWriter::Start(WriteArea area, WriteFormat format) {
    writeArea_ = area;
    AppContext& app = App();
    const auto chosen =
        platform::GetSaveFileName(owner_, WriteFileRequest(format, app.lastWriteDir, app.programDir));
    if (!chosen) return false;
    app.lastWrittenPath = *chosen;
    app.lastWriteDir = FolderOfPath(*chosen);
    writeFormat_ = format;
    path_ = *chosen;
    writeTimer_.start();
    return true;
}

void ViewWriter::Write() {
    writeTimer_.stop();
    switch (GrabAndSave(writeFormat_, rectOf_(writeArea_), path_)) {
    case WriteOutcome::GrabFailed:
        platform::MessageBox(owner_, texts::RASTER_GRAB_FAILED_TEXT, texts::TITLE_CONFIRM, platform::MB_OK);
        return;
    case WriteOutcome::SaveFailed:
        platform::MessageBox(owner_, FormatText(texts::CUT_SAVE_FAILED, path_.c_str()), texts::TITLE_CONFIRM,
                             platform::MB_OK);
        return;
    case WriteOutcome::Written:
        if (platform::MessageBox(owner_, texts::CUT_WRITTEN, texts::CUT_WRITTEN_TITLE, platform::MB_YESNO) ==
            platform::IDYES)
            OpenExternalViewer(path_);
        return;
    }
}
