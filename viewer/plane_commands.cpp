#include "viewer/plane_commands.h"

#include <QWidget>
#include <array>
#include <cmath>
#include <memory>

#include "app/app_context.h"
#include "app/image_file_opener.h"
#include "app/viewer_windows.h"
#include "data/picture_scales.h"
#include "data/plane_measure.h"
#include "data/rectified_picture.h"
#include "data/setting_change.h"
#include "dialogs/plane_def.h"
#include "dialogs/rectify_def.h"
#include "image/view_image.h"
#include "platform/message_box.h"
#include "res/ids.h"
#include "res/texts_app.h"
#include "res/texts_plane.h"
#include "res/texts_undo.h"
#include "viewer/overlay_painter.h"

namespace {

namespace t = texts_plane;

// A new viewer opens this far right of and below the one it came from.
constexpr int kNewViewerOffset = 40;

EditLink* Edit() { return App().registry.EditWindowLink(); }

// The magnification the picture is shown at.
double ShownScale(const CViewImage& picture) { return picture.displayScale > 0 ? picture.displayScale : 1.0; }

}  // namespace

PlaneCommands::PlaneCommands(QWidget* viewer, std::function<CViewImage*()> picture,
                             std::function<void()> repaint)
    : QObject(viewer), viewer_(viewer), picture_(std::move(picture)), repaint_(std::move(repaint)) {}

bool PlaneCommands::OnCommand(int id) {
    switch (id) {
    case ID_PLANE_SET: Start(); return true;
    case ID_PLANE_FINISH: Finish(); return true;
    case ID_PLANE_CLEAR: Clear(); return true;
    case ID_PLANE_RECTIFY: OpenRectified(); return true;
    default: return false;
    }
}

bool PlaneCommands::IsEnabled(int id) const {
    const CViewImage* picture = picture_();
    switch (id) {
    case ID_PLANE_FINISH: return collecting_;
    case ID_PLANE_CLEAR:
    case ID_PLANE_RECTIFY: return picture != nullptr && picture->plane.IsSet();
    default: return true;
    }
}

bool PlaneCommands::OnLeftPress(QPoint dot) {
    const CViewImage* picture = picture_();
    if (!collecting_ || picture == nullptr) return false;
    const double R = ShownScale(*picture);
    points_.push_back({dot.x() / R, dot.y() / R});
    repaint_();
    return true;
}

void PlaneCommands::Paint(QPainter& painter, int originX, int originY) const {
    const CViewImage* picture = picture_();
    if (!collecting_ || picture == nullptr || points_.empty()) return;
    const double R = ShownScale(*picture);
    std::vector<std::array<int, 2>> dots;
    for (const plane::Point& point : points_)
        dots.push_back({int(std::lround(point.x * R)), int(std::lround(point.y * R))});
    DrawKnownPoints(painter, dots, originX, originY, App().settings.colourNumbers);
}

void PlaneCommands::Start() {
    if (picture_() == nullptr) return;
    // Sampling, if on, ends first: the clicks are the plane's now.
    if (EditLink* edit = Edit()) edit->StopSampling();
    points_.clear();
    collecting_ = true;
    viewer_->setCursor(Qt::CrossCursor);
    platform::MessageBox(viewer_, t::MSG_PLANE_CLICK, texts::TITLE_CONFIRM);
}

void PlaneCommands::Abandon() {
    if (!collecting_) return;
    collecting_ = false;
    points_.clear();
    viewer_->unsetCursor();
    repaint_();
}

void PlaneCommands::Finish() {
    collecting_ = false;
    viewer_->unsetCursor();
    repaint_();
    CViewImage* picture = picture_();
    if (picture == nullptr) return;
    if (points_.size() < 4) {
        platform::MessageBox(viewer_, t::MSG_PLANE_TOO_FEW, t::PLANE_TITLE);
        return;
    }
    plane::PlaneSetting draft = picture->plane;
    draft.photo = points_;
    CPlaneDef dialog(viewer_, draft);
    if (dialog.exec() == QDialog::Accepted) Apply(*picture, dialog.setting());
}

void PlaneCommands::Clear() {
    if (CViewImage* picture = picture_()) Apply(*picture, {});
}

void PlaneCommands::Apply(CViewImage& picture, const plane::PlaneSetting& setting) {
    const plane::PlaneSetting before = picture.plane;
    Set(picture, setting);
    if (before == setting) return;
    // The history is forgotten when the edit window and its viewer close,
    // so the picture and these commands outlive the step.
    App().history.Push(new SettingChange(
        texts_undo::CHANGE_PLANE, [this, &picture, before] { Set(picture, before); },
        [this, &picture, setting] { Set(picture, setting); }));
}

void PlaneCommands::Set(CViewImage& picture, const plane::PlaneSetting& setting) {
    picture.plane = setting;
    StorePicturePlane(App().settingsPath, picture.sourcePath, setting);
    if (EditLink* edit = Edit()) edit->RealScaleChanged();
    repaint_();
}

void PlaneCommands::OpenRectified() {
    const CViewImage* picture = picture_();
    if (picture == nullptr || !picture->plane.IsSet()) return;
    double proposal = 0;
    if (const Notice refused = ProposedDotsPerMm(picture->image, picture->plane, proposal);
        !refused.empty()) {
        platform::ShowNotice(viewer_, refused);
        return;
    }
    CRectifyDef ask(viewer_, proposal);
    if (ask.exec() != QDialog::Accepted) return;

    auto rectified = std::make_unique<RectifiedPicture>();
    if (const Notice refused = RectifyPhoto(picture->image, picture->plane, ask.dotsPerMm(), *rectified);
        !refused.empty()) {
        platform::ShowNotice(viewer_, refused);
        return;
    }
    rectified->image.SetFileName(picture->image.fileName());
    const double fromR = picture->displayScale;
    const QPoint at = viewer_->geometry().topLeft() + QPoint(kNewViewerOffset, kNewViewerOffset);
    QWidget* mainDialog = viewer_->parentWidget();
    int opened = -1;
    const auto load = [&](CImageData& image) {
        image = std::move(rectified->image);
        return image.HasPicture();
    };
    const auto attach = [&](int slot) {
        ViewerWindows windows(mainDialog);
        if (windows.AttachViewer(slot, at.x(), at.y()) != 0) return -1;
        opened = slot;
        return 0;
    };
    if (OpenSlotViewer(viewer_, App().registry, picture->image.kind(), load, t::MSG_RECTIFY_TOO_LARGE,
                       attach) != 0)
        return;
    // The new viewer measures in millimetres of the plane straight away.
    ViewerRegistry& registry = App().registry;
    CViewImage& shown = *registry.viewImages[opened];
    shown.mmPerDot = 1.0 / rectified->geometry.dotsPerMm;
    if (EditLink* edit = Edit()) edit->RealScaleChanged();

    SampleTable& table = App().sampleTable;
    if (table.count == 0 || platform::MessageBox(viewer_, t::MSG_RECTIFY_MAP_ROWS, t::RECTIFY_TITLE,
                                                 platform::MB_YESNO) != platform::IDYES)
        return;
    auto mapped = std::make_unique<SampleTable>();
    if (!MapTableOntoRectified(table, fromR, rectified->geometry, shown.displayScale, *mapped)) {
        platform::MessageBox(viewer_, t::MSG_PLANE_OUTLINE_HORIZON, t::PLANE_TITLE);
        return;
    }
    table = *mapped;
    table.workState = WS_MODIFIED;
    if (EditLink* edit = Edit()) edit->RowsReplaced();
    if (ViewerLink* viewer = registry.viewerLinks[opened]) viewer->TableChanged();
}
