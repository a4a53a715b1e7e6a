#include "app/journal_keeper.h"

#include "app/app_context.h"
#include "data/journal_pixels.h"
#include "data/journal_writer.h"
#include "image/view_image.h"
#include "platform/file_locations.h"

JournalKeeper::JournalKeeper(const std::string& folder)
    : paths_(JournalPathsIn(folder)), lock_(QString::fromStdString(paths_.lock)) {
    timer_.setSingleShot(true);
    timer_.setInterval(kJournalDelayMs);
    connect(&timer_, &QTimer::timeout, this, [this] { WriteNow(); });
}

JournalKeeper::~JournalKeeper() {
    if (listener_ != 0) App().history.RemoveListener(listener_);
    // An end without Finish leaves the journal: the next start offers it.
    writer_.reset();
}

bool JournalKeeper::Lock() {
    if (locked_) return true;
    platform::EnsureFolder(paths_.folder);
    // A lock left by a program that no longer runs is taken over.
    lock_.setStaleLockTime(0);
    locked_ = lock_.tryLock(0);
    return locked_;
}

JournalRead JournalKeeper::Leftover() const {
    return locked_ ? ReadJournalFile(paths_.journal) : JournalRead{};
}

std::string JournalKeeper::SetAside() const {
    return locked_ ? SetJournalAside(paths_.journal) : std::string();
}

void JournalKeeper::Discard() const {
    if (locked_) RemoveJournalFiles(paths_);
}

void JournalKeeper::Keep() {
    if (!locked_ || writer_) return;
    writer_ = std::make_unique<JournalWriter>([paths = paths_](const std::string& text) {
        // An empty text: nothing is left to keep.
        if (text.empty())
            RemoveJournalFiles(paths);
        else
            WriteJournalFile(paths.journal, text);
    });
    listener_ = App().history.AddListener([this](bool) { Schedule(); });
}

void JournalKeeper::Finish() {
    timer_.stop();
    if (listener_ != 0) App().history.RemoveListener(listener_);
    listener_ = 0;
    writer_.reset();
    if (!locked_) return;
    RemoveJournalFiles(paths_);
    lock_.unlock();
    locked_ = false;
}

void JournalKeeper::Schedule() {
    if (writer_ && !timer_.isActive()) timer_.start();
}

void JournalKeeper::RemoveJournal() {
    // The pixels go with it: the next journal writes them again.
    pixelsWritten_ = nullptr;
    writer_->Submit({});
}

void JournalKeeper::WriteNow() {
    if (!writer_) return;
    AppContext& app = App();
    // Without the edit window there is no work: its end ended the session.
    if (app.registry.EditWindowLink() == nullptr) {
        RemoveJournal();
        return;
    }
    const ViewerLink* viewer = app.registry.PairedViewerLink();
    const CViewImage* picture = viewer != nullptr ? viewer->Picture() : nullptr;
    // A picture just opened, with no row, no scale and no plane yet, is not
    // worth the question at the next start.
    if (app.sampleTable.count == 0 &&
        (picture == nullptr || (!(picture->mmPerDot > 0) && !picture->plane.IsSet()))) {
        RemoveJournal();
        return;
    }
    JournalRecord record;
    // In the middle of a correction the texts follow the dots only at its
    // end; the journal keeps the rows as the end would leave them.
    const double magnification = picture != nullptr ? picture->displayScale : 1.0;
    const int32_t state = app.sampleTable.workState;
    record.table = state == WS_VIEWER_SEARCH || state == WS_VIEWER_EDIT
                       ? CorrectedSnapshotOf(app.sampleTable, magnification)
                       : SnapshotOf(app.sampleTable, magnification);
    if (picture != nullptr) {
        record.mmPerDot = picture->mmPerDot;
        if (picture->plane.IsSet()) record.plane = picture->plane.ToText();
        if (!picture->sourcePath.empty()) {
            record.picturePath = picture->sourcePath;
        } else if (picture->image.HasPicture()) {
            // A capture: its pixels once per picture, here, before the
            // journal that names them.
            record.pixelsFile = kJournalPixelsFile;
            if (pixelsWritten_ != picture->image.pixels() &&
                WriteJournalPixels(paths_.pixels, picture->image))
                pixelsWritten_ = picture->image.pixels();
            if (pixelsWritten_ != picture->image.pixels()) record.pixelsFile.clear();
        }
    }
    writer_->Submit(FormatJournal(record));
}
