#include "viewer/gazo_view.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <array>

#include "app/app_context.h"
#include "app/command_target.h"
#include "app/menu_builder.h"
#include "dialogs/color_def.h"
#include "dialogs/open_guide.h"
#include "image/view_image.h"
#include "platform/dialog_units.h"
#include "platform/fonts.h"
#include "platform/message_box.h"
#include "platform/window_placement.h"
#include "res/format_text.h"
#include "res/ids.h"
#include "res/texts_app.h"
#include "res/texts_plane.h"
#include "res/texts_properties.h"
#include "res/texts_trace.h"
#include "res/texts_viewer.h"
#include "viewer/click_commands.h"
#include "viewer/cutout_commands.h"
#include "viewer/display_scale.h"
#include "viewer/magnification_command.h"
#include "viewer/overlay_painter.h"
#include "viewer/plane_commands.h"
#include "viewer/real_scale_command.h"
#include "viewer/viewer_caption.h"

namespace {

// Template 129: 371 x 320 dialog units in the dialog font.
constexpr int kWindowWidthDlu = 371;
constexpr int kWindowHeightDlu = 320;
constexpr int kDialogFontPoints = 9;

// Menu 131.
constexpr std::array kViewerMenu{
    MenuPopup(texts::VIEWER_MENU_FILE),
    MenuItem(ID_IMAGE_PROPERTIES, texts::VIEWER_MENU_PROPERTIES),
    MenuPopup(texts::VIEWER_MENU_CONVERT),
    MenuItem(ID_MAGNIFICATION, texts::VIEWER_MENU_MAGNIFICATION),
    MenuPopup(texts::VIEWER_MENU_DRAWING),
    MenuItem(ID_COLOUR_SETTINGS, texts::VIEWER_MENU_COLOURS),
    MenuItem(ID_REAL_SCALE, texts_properties::MENU_REAL_SCALE),
    MenuPopup(texts::VIEWER_MENU_CORRECTION),
    MenuItem(ID_CORRECTION_START, texts::VIEWER_MENU_CORRECTION_START),
    MenuItem(ID_CORRECTION_END, texts::VIEWER_MENU_CORRECTION_END),
    MenuItem(ID_TRACE_FIGURE, texts::TRACE_MENU_ITEM),
    MenuPopup(texts::VIEWER_MENU_CUT),
    MenuItem(ID_TRACKER_ZONE, texts::VIEWER_MENU_TRACKER_ZONE),
    MenuSeparator(),
    MenuItem(ID_WRITE_ZONE_PNG, texts::VIEWER_MENU_WRITE_ZONE_PNG),
    MenuItem(ID_WRITE_ZONE_BMP, texts::VIEWER_MENU_WRITE_ZONE_BMP),
    MenuSeparator(),
    MenuItem(ID_CUT_GUIDE, texts::VIEWER_MENU_CUT_GUIDE),
    MenuSeparator(),
    MenuItem(ID_WRITE_WINDOW_PNG, texts::VIEWER_MENU_WRITE_WINDOW_PNG),
    MenuItem(ID_WRITE_WINDOW_BMP, texts::VIEWER_MENU_WRITE_WINDOW_BMP),
    MenuPopup(texts_plane::MENU_PLANE),
    MenuItem(ID_PLANE_SET, texts_plane::MENU_PLANE_SET),
    MenuItem(ID_PLANE_FINISH, texts_plane::MENU_PLANE_FINISH),
    MenuItem(ID_PLANE_CLEAR, texts_plane::MENU_PLANE_CLEAR),
    MenuSeparator(),
    MenuItem(ID_PLANE_RECTIFY, texts_plane::MENU_PLANE_RECTIFY),
    MenuBarItem(ID_WINDOW_CLOSE, texts::MENU_CLOSE),
};

}  // namespace

CGazoView::CGazoView(QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    menuBar_ =
        BuildMenuBar(this, kViewerMenu,
                     {[this](int id) { OnCommand(id, 0); }, [this](int id) { return IsCommandEnabled(id); }});

    // A sunken edge around the canvas, which sits one edge width inside it.
    auto* edge = new QFrame(this);
    edge->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* edgeLayout = new QVBoxLayout(edge);
    const int inset = edge->frameWidth();
    edgeLayout->setContentsMargins(inset, inset, inset, inset);
    canvas_ = new ImageCanvas(edge, *this, []() -> int& { return App().lastScreenDepth; });
    edgeLayout->addWidget(canvas_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menuBar_);
    layout->addWidget(edge);

    cutout_ = new CutoutCommands(this, *canvas_);
    clicks_ = new ClickCommands(
        this, *canvas_, *cutout_, [this] { return viewImage_; }, [this] { RenderDisplay(); });
    plane_ = new PlaneCommands(this, [this] { return viewImage_; }, [this] { RenderDisplay(); });

    // The template's size is the area below the menu bar.
    const auto units = platform::BaseUnitsOf(platform::MakeFont(platform::kDialogFace, kDialogFontPoints));
    const int width = platform::DluToPixelsX(kWindowWidthDlu, units);
    resize(width, platform::DluToPixelsY(kWindowHeightDlu, units) + menuBar_->heightForWidth(width));
}

CGazoView::~CGazoView() = default;

void CGazoView::SamplingChanged(bool on) {
    if (on) plane_->Abandon();
    OnCommand(on ? ID_SAMPLING_START_REQUEST : ID_SAMPLING_STOP_REQUEST, 0);
}

void CGazoView::TakeFocus() {
    raise();
    activateWindow();
    setFocus(Qt::OtherFocusReason);
}

bool CGazoView::correcting() const { return clicks_->correcting(); }
int CGazoView::selectedRow() const { return clicks_->selectedRow(); }
bool CGazoView::trackerShown() const { return cutout_->trackerShown(); }
const TrackerZone& CGazoView::cutZone() const { return cutout_->cutZone(); }
void CGazoView::ShowTrackerZone(const TrackerZone& zone) { cutout_->ShowTrackerZone(zone); }
int CGazoView::overHandle() const { return cutout_->overHandle(); }
ViewWriter* CGazoView::writer() const { return cutout_->writer(); }

// ---------------------------------------------------------------------------
// Commands
// ---------------------------------------------------------------------------

bool CGazoView::IsCommandEnabled(int id) const {
    return clicks_->IsEnabled(id) && cutout_->IsEnabled(id) && plane_->IsEnabled(id);
}

bool CGazoView::OnCommand(int id, std::intptr_t /*value*/) {
    // A command whose menu item is greyed out does nothing, whoever sends it.
    if (!IsCommandEnabled(id)) return true;
    if (clicks_->OnCommand(id) || cutout_->OnCommand(id) || plane_->OnCommand(id)) return true;
    switch (id) {
    case ID_WINDOW_CLOSE: close(); return true;
    case ID_IMAGE_PROPERTIES: ShowImageProperties(); return true;
    case ID_MAGNIFICATION: ChangeMagnification(); return true;
    case ID_COLOUR_SETTINGS: {
        // The new colours show wherever the viewer is painted next.
        CColorDef dialog(App().settings.colourNumbers, this);
        dialog.exec();
        return true;
    }
    case ID_SAMPLING_START_REQUEST: clicks_->SamplingStarted(); [[fallthrough]];
    case ID_SAMPLING_STOP_REQUEST: UpdateViewerTitle(); return true;
    case ID_CUT_GUIDE: return OpenGuide(id, this);
    default: return false;
    }
}

void CGazoView::OpenInSlot(int slot, int x, int y) {
    slotIndex_ = slot;
    viewImage_ = ViewerRegistry::IsSlot(slot) ? App().registry.viewImages[slot].get() : nullptr;
    canvas_->SetImage(viewImage_ != nullptr ? &viewImage_->image : nullptr);
    platform::PlaceClientAt(*this, {x, y});
    if (viewImage_ != nullptr) {
        viewImage_->displayScale = 1.0;
        viewImage_->displayMode = 0;
        LoadRealScale(*viewImage_);
    }
    canvas_->ResetScrolling(viewImage_ != nullptr ? viewImage_->displayScale : 1.0);
    RenderDisplay();
}

bool CGazoView::RenderDisplay() {
    bool made = true;
    // The display image depends only on the image and the scale: at an
    // unchanged scale the held tiles are what a new rendering would give.
    const double scale = viewImage_ != nullptr ? viewImage_->displayScale : 0.0;
    if (viewImage_ != nullptr && canvas_->renderedScale() != scale && !canvas_->Rerender(scale)) {
        canvas_->ClearDisplay();
        platform::MessageBox(this, FormatText(texts::MAGNIFICATION_TOO_LARGE, ScalePercent(scale)),
                             texts::TITLE_CONFIRM);
        made = false;
    }
    canvas_->client()->update();
    return made;
}

void CGazoView::ChangeMagnification() {
    if (viewImage_ == nullptr) return;
    const auto factor = ::ChangeMagnification(this, *viewImage_, *canvas_);
    if (!factor) return;
    cutout_->FollowScale(*factor);
    RenderDisplay();
}

void CGazoView::UpdateViewerTitle() {
    ViewerCaptionState state;
    state.correcting = clicks_->correcting();
    state.selectedRow = clicks_->selectedRow();
    state.dataView = dataView_;
    state.workState = App().sampleTable.workState;
    state.slotIndex = slotIndex_;
    if (viewImage_ != nullptr) {
        state.fileName = viewImage_->image.fileName();
        state.width = viewImage_->image.width();
        state.height = viewImage_->image.height();
        state.scale = viewImage_->displayScale;
    }
    const QString title = QString::fromStdString(ViewerCaption(state));
    if (windowTitle() != title) setWindowTitle(title);
}

void CGazoView::ShowImageProperties() {
    if (viewImage_ == nullptr) return;
    const CImageData& image = viewImage_->image;
    platform::MessageBox(this,
                         ImagePropertiesText(image.fileName(), image.kind(), image.width(), image.height()),
                         texts::PROPERTIES_TITLE, platform::MB_OK);
}

// ---------------------------------------------------------------------------
// Canvas hooks and input
// ---------------------------------------------------------------------------

void CGazoView::PaintOver(QPainter& painter, int originX, int originY) {
    AppContext& app = App();
    if (dataView_)
        DrawSampleOverlay(painter, app.sampleTable, app.calc, originX, originY, app.settings.colourNumbers);
    cutout_->Paint(painter, originX, originY);
    plane_->Paint(painter, originX, originY);
    UpdateViewerTitle();
}

void CGazoView::LeftPress(QPoint client, QPoint dot) {
    if (!plane_->OnLeftPress(dot)) clicks_->OnLeftPress(client, dot, dataView_);
}

void CGazoView::keyPressEvent(QKeyEvent* event) {
    if (clicks_->OnKey(*event) || canvas_->ScrollByKey(event->key())) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CGazoView::wheelEvent(QWheelEvent* event) {
    // One dot per wheel message wherever the pointer is in the window.
    canvas_->Wheel(*event);
    event->accept();
}

// ---------------------------------------------------------------------------
// Closing
// ---------------------------------------------------------------------------

void CGazoView::closeEvent(QCloseEvent* event) {
    event->accept();
    if (closing_) return;
    closing_ = true;
    // The main dialog releases the slot and with it the image: from here on
    // the viewer does not touch it.
    viewImage_ = nullptr;
    canvas_->SetImage(nullptr);
    SendCommand(parentWidget(), ID_VIEWER_CLOSED, slotIndex_);
    // The window goes away once this event is done; the edit window follows.
    if (EditLink* edit = App().registry.EditWindowLink()) edit->CloseEditWindow();
}
