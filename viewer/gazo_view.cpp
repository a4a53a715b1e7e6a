#include "viewer/gazo_view.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "app/app_context.h"
#include "app/command_target.h"
#include "res/format_text.h"
#include "dialogs/color_def.h"
#include "dialogs/open_guide.h"
#include "image/rgb_view_of.h"
#include "image/view_image.h"
#include "platform/dialog_units.h"
#include "platform/fonts.h"
#include "platform/message_box.h"
#include "platform/pointer_pixel.h"
#include "res/ids.h"
#include "res/texts_app.h"
#include "res/texts_trace.h"
#include "res/texts_properties.h"
#include "res/texts_viewer.h"
#include "viewer/device_image.h"
#include "viewer/display_scale.h"
#include "viewer/left_click_action.h"
#include "viewer/overlay_painter.h"
#include "viewer/ratio_def.h"
#include "viewer/view_writer.h"
#include "viewer/real_scale_command.h"
#include "viewer/viewer_caption.h"
#include "viewer/zone_tracker.h"

namespace {

// Template 129: 371 x 320 dialog units in the dialog font.
constexpr int kWindowWidthDlu = 371;
constexpr int kWindowHeightDlu = 320;
constexpr int kDialogFontPoints = 9;

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

std::optional<ScrollAction> ScrollActionOf(int sliderAction) {
    switch (sliderAction) {
    case QAbstractSlider::SliderSingleStepSub: return ScrollAction::LineBack;
    case QAbstractSlider::SliderSingleStepAdd: return ScrollAction::LineForward;
    case QAbstractSlider::SliderPageStepSub: return ScrollAction::PageBack;
    case QAbstractSlider::SliderPageStepAdd: return ScrollAction::PageForward;
    case QAbstractSlider::SliderToMinimum: return ScrollAction::ToStart;
    case QAbstractSlider::SliderToMaximum: return ScrollAction::ToEnd;
    case QAbstractSlider::SliderMove: return ScrollAction::Thumb;
    default: return std::nullopt;
    }
}

}  // namespace

CGazoView::CGazoView(QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    BuildMenu();

    // A sunken edge around the client area and its two bars.
    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(frame->frameWidth(), frame->frameWidth(), frame->frameWidth(),
                             frame->frameWidth());
    grid->setSpacing(0);
    client_ = new QWidget(frame);
    client_->setObjectName(QStringLiteral("viewerClient"));
    client_->setAutoFillBackground(true);  // the area around the image is erased
    client_->installEventFilter(this);
    hBar_ = new QScrollBar(Qt::Horizontal, frame);
    vBar_ = new QScrollBar(Qt::Vertical, frame);
    for (QScrollBar* bar : {hBar_, vBar_}) {
        bar->setFocusPolicy(Qt::NoFocus);
        bar->setSingleStep(1);
        bar->setPageStep(10);
        bar->installEventFilter(this);
        connect(bar, &QScrollBar::actionTriggered, this,
                [this, bar](int action) { OnBarAction(bar, action); });
        // Whatever else sets a bar's value (its context menu) moves the
        // picture too.
        connect(bar, &QScrollBar::valueChanged, this,
                [this, bar](int value) { OnBarValue(bar, value); });
    }
    grid->addWidget(client_, 0, 0);
    grid->addWidget(vBar_, 0, 1);
    grid->addWidget(hBar_, 1, 0);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menuBar_);
    layout->addWidget(frame);

    zoneTracker_ = new ZoneTracker(
        client_, [this] { return trackerShown_; },
        [this](const TrackerZone& rect) { cutZone_ = OffsetTrackerZone(rect, -scroll_.OriginX(), -scroll_.OriginY()); });
    writer_ = new ViewWriter(this, [this](WriteArea area) { return WriteRectangle(area); });

    // The template's size is the area below the menu bar.
    const auto units =
        platform::BaseUnitsOf(platform::MakeFont(platform::kDialogFace, kDialogFontPoints));
    const int width = platform::DluToPixelsX(kWindowWidthDlu, units);
    resize(width, platform::DluToPixelsY(kWindowHeightDlu, units) + menuBar_->heightForWidth(width));
    rebuildDevice_ = true;
}

CGazoView::~CGazoView() { EndPan(); }

void CGazoView::SamplingChanged(bool on) {
    OnCommand(on ? ID_SAMPLING_START_REQUEST : ID_SAMPLING_STOP_REQUEST, 0);
}

void CGazoView::TakeFocus() {
    raise();
    activateWindow();
    setFocus(Qt::OtherFocusReason);
}

// ---------------------------------------------------------------------------
// Menu 131
// ---------------------------------------------------------------------------

void CGazoView::BuildMenu() {
    menuBar_ = new QMenuBar(this);
    QMenu* file = AddPopup(texts::VIEWER_MENU_FILE);
    AddItem(file, ID_IMAGE_PROPERTIES, texts::VIEWER_MENU_PROPERTIES);
    QMenu* convert = AddPopup(texts::VIEWER_MENU_CONVERT);
    AddItem(convert, ID_MAGNIFICATION, texts::VIEWER_MENU_MAGNIFICATION);
    QMenu* drawing = AddPopup(texts::VIEWER_MENU_DRAWING);
    AddItem(drawing, ID_COLOUR_SETTINGS, texts::VIEWER_MENU_COLOURS);
    AddItem(drawing, ID_REAL_SCALE, texts_properties::MENU_REAL_SCALE);
    QMenu* correction = AddPopup(texts::VIEWER_MENU_CORRECTION);
    AddItem(correction, ID_CORRECTION_START, texts::VIEWER_MENU_CORRECTION_START);
    AddItem(correction, ID_CORRECTION_END, texts::VIEWER_MENU_CORRECTION_END);
    AddItem(correction, ID_TRACE_FIGURE, texts::TRACE_MENU_ITEM);
    QMenu* cut = AddPopup(texts::VIEWER_MENU_CUT);
    AddItem(cut, ID_TRACKER_ZONE, texts::VIEWER_MENU_TRACKER_ZONE);
    cut->addSeparator();
    AddItem(cut, ID_WRITE_ZONE_PNG, texts::VIEWER_MENU_WRITE_ZONE_PNG);
    AddItem(cut, ID_WRITE_ZONE_BMP, texts::VIEWER_MENU_WRITE_ZONE_BMP);
    cut->addSeparator();
    AddItem(cut, ID_CUT_GUIDE, texts::VIEWER_MENU_CUT_GUIDE);
    cut->addSeparator();
    AddItem(cut, ID_WRITE_WINDOW_PNG, texts::VIEWER_MENU_WRITE_WINDOW_PNG);
    AddItem(cut, ID_WRITE_WINDOW_BMP, texts::VIEWER_MENU_WRITE_WINDOW_BMP);
    QAction* close = menuBar_->addAction(Text(texts::MENU_CLOSE));
    close->setData(ID_WINDOW_CLOSE);
    connect(close, &QAction::triggered, this, [this] { OnCommand(ID_WINDOW_CLOSE, 0); });
}

QMenu* CGazoView::AddPopup(const char* title) {
    QMenu* popup = menuBar_->addMenu(Text(title));
    // The enabled states are set each time a popup opens.
    connect(popup, &QMenu::aboutToShow, this, &CGazoView::UpdateMenuStates);
    return popup;
}

void CGazoView::AddItem(QMenu* popup, int id, const char* text) {
    QAction* action = popup->addAction(Text(text));
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, id] { OnCommand(id, 0); });
}

void CGazoView::UpdateMenuStates() {
    for (QAction* action : menuBar_->findChildren<QAction*>())
        if (action->data().isValid()) action->setEnabled(IsCommandEnabled(action->data().toInt()));
}

bool CGazoView::IsCommandEnabled(int id) const {
    switch (id) {
    case ID_CORRECTION_START:
    case ID_TRACE_FIGURE: return !correction_.correcting();
    case ID_CORRECTION_END: return correction_.correcting();
    case ID_WRITE_ZONE_PNG:
    case ID_WRITE_ZONE_BMP: return trackerShown_;
    default: return true;
    }
}

// ---------------------------------------------------------------------------
// Commands
// ---------------------------------------------------------------------------

bool CGazoView::OnCommand(int id, std::intptr_t /*value*/) {
    // A command whose menu item is greyed out does nothing, whoever sends it.
    if (!IsCommandEnabled(id)) return true;
    switch (id) {
    case ID_WINDOW_CLOSE:
        close();
        return true;
    case ID_IMAGE_PROPERTIES:
        ShowImageProperties();
        return true;
    case ID_MAGNIFICATION:
        ChangeMagnification();
        return true;
    case ID_COLOUR_SETTINGS: {
        // The new colours show wherever the viewer is painted next.
        CColorDef dialog(App().settings.colourNumbers, this);
        dialog.exec();
        return true;
    }
    case ID_CORRECTION_START:
        StartCorrection();
        return true;
    case ID_CORRECTION_END:
        EndCorrection();
        return true;
    case ID_TRACE_FIGURE:
        StartTracing();
        return true;
    case ID_SAMPLING_START_REQUEST:
        tracing_.Disarm();  // the clicks are sampling clicks now
        [[fallthrough]];
    case ID_SAMPLING_STOP_REQUEST:
        UpdateViewerTitle();
        return true;
    case ID_CUT_GUIDE:
        return OpenGuide(id, this);
    case ID_TRACKER_ZONE:
        ShowTrackerZone(kDefaultTrackerZone);
        return true;
    case ID_WRITE_ZONE_PNG:
    case ID_WRITE_ZONE_BMP:
    case ID_WRITE_WINDOW_PNG:
    case ID_WRITE_WINDOW_BMP:
        writer_->Start(id == ID_WRITE_ZONE_PNG || id == ID_WRITE_ZONE_BMP ? WriteArea::Zone : WriteArea::Window,
                       id == ID_WRITE_ZONE_PNG || id == ID_WRITE_WINDOW_PNG ? WriteFormat::Png : WriteFormat::Bmp);
        return true;
    case ID_REAL_SCALE:
        OpenRealScale(0);
        return true;
    default:
        return false;
    }
}

void CGazoView::OpenInSlot(int slot, int x, int y) {
    slotIndex_ = slot;
    viewImage_ = ViewerRegistry::IsSlot(slot) ? App().registry.viewImages[slot].get() : nullptr;
    move(x, y);
    if (viewImage_ != nullptr) {
        viewImage_->displayScale = 1.0;
        viewImage_->displayMode = 0;
        LoadRealScale(*viewImage_);
    }
    ResetScrolling();
    RenderDisplay();
}

bool CGazoView::Rerender(double scale) {
    // Nothing is resampled here: each paint renders the tiles it shows. Only
    // a display image whose dots cannot be addressed is refused.
    if (viewImage_ == nullptr) return false;
    const CImageData& image = viewImage_->image;
    DisplaySize size;
    if (!DisplayImageSize(image.width(), image.height(), scale, size.width, size.height)) return false;
    if (image.width() > 0 && !image.HasPicture()) return false;
    display_ = size;
    renderedScale_ = scale;
    rebuildDevice_ = true;
    return true;
}

bool CGazoView::RenderDisplay() {
    bool made = true;
    // The display image depends only on the image and the scale: at an
    // unchanged scale the held tiles are what a new rendering would give.
    const double scale = viewImage_ != nullptr ? viewImage_->displayScale : 0.0;
    if (viewImage_ != nullptr && renderedScale_ != scale && !Rerender(scale)) {
        display_ = {};
        tiles_.Clear();
        renderedScale_ = 0.0;
        platform::MessageBox(this, FormatText(texts::MAGNIFICATION_TOO_LARGE, ScalePercent(scale)),
                             texts::TITLE_CONFIRM);
        made = false;
    }
    client_->update();
    return made;
}

void CGazoView::UpdateViewerTitle() {
    ViewerCaptionState state;
    state.correcting = correction_.correcting();
    state.selectedRow = correction_.selectedRow();
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
    platform::MessageBox(
        this, ImagePropertiesText(image.fileName(), image.kind(), image.width(), image.height()),
        texts::PROPERTIES_TITLE, platform::MB_OK);
}

void CGazoView::ShowTrackerZone(const TrackerZone& zone) {
    trackerShown_ = true;
    cutZone_ = zone;
    client_->update();
}

// ---------------------------------------------------------------------------
// Sampling and coordinate correction
// ---------------------------------------------------------------------------

void CGazoView::OpenRealScale(double measuredDots) {
    if (viewImage_ == nullptr || !RunRealScaleDialog(this, *viewImage_, measuredDots)) return;
    // Measuring: the next two clicks on the picture are the ends of a known length.
    scaleMeasure_.Start();
    client_->setCursor(Qt::CrossCursor);
    platform::MessageBox(this, texts_properties::MSG_SCALE_CLICK, texts::TITLE_CONFIRM);
}

void CGazoView::OnScaleClick(QPoint client) {
    const QPoint dot = ImageDot(client);
    if (!scaleMeasure_.Click(dot.x(), dot.y())) return;
    client_->unsetCursor();
    const double distance = scaleMeasure_.SourceDistance(viewImage_ != nullptr ? viewImage_->displayScale : 1.0);
    // The dialog opens once the click has been handled.
    QTimer::singleShot(0, this, [this, distance] { OpenRealScale(distance); });
}

void CGazoView::OnLeftButtonDown(QPoint client) {
    if (scaleMeasure_.active()) {
        OnScaleClick(client);
        return;
    }
    LeftClickState state;
    state.trackerShown = trackerShown_;
    state.dataView = dataView_;
    state.tracing = tracing_.armed();
    state.correcting = correction_.correcting();
    state.workState = App().sampleTable.workState;
    switch (LeftClickActionOf(state)) {
    case LeftClickAction::TraceSeed: TraceFigureAt(ImageDot(client)); break;
    case LeftClickAction::Tracker: TrackerButtonDown(client); break;
    case LeftClickAction::Pick: PickPointAt(ImageDot(client)); break;
    case LeftClickAction::AddPoint: AddPointAt(ImageDot(client)); break;
    case LeftClickAction::None: break;
    }
}

QPoint CGazoView::ImageDot(QPoint client) const {
    // A click beside the image gives a dot outside it; it is kept as it is.
    return client - QPoint(scroll_.OriginX(), scroll_.OriginY());
}

void CGazoView::AddPointAt(QPoint dot) {
    Notice notice;
    const int result = App().sampleTable.AddPoint(dot.x(), dot.y(), &notice);
    platform::ShowNotice(this, notice);
    if (EditLink* edit = App().registry.EditWindowLink()) {
        // An appended point is shown as the last row; a filled empty row or
        // a refused point leaves the page where it is.
        if (result == 1)
            edit->RowsAppended();
        else
            edit->RowsChanged();
    }
    RenderDisplay();
}

void CGazoView::PickPointAt(QPoint dot) {
    const int row = correction_.Pick(App().sampleTable, dot.x(), dot.y());
    if (row < 0) return;  // no point within reach: ignored without a word
    platform::MessageBox(this, FormatText(texts::CORRECTION_PICKED, row + 1),
                         texts::CORRECTION_PICKED_TITLE);
    client_->update();
    if (EditLink* edit = App().registry.EditWindowLink()) edit->WorkStateChanged();
}

bool CGazoView::MoveCorrectedPoint(const QKeyEvent& event) {
    if (!correction_.correcting() || !(event.modifiers() & Qt::ControlModifier)) return false;
    const auto step = ArrowKeyStep(event.key());
    if (!step) return false;
    // Only the integers move; the texts follow when the correction ends.
    // Before a point is picked the keys change nothing and scroll nothing.
    if (correction_.Move(App().sampleTable, step->dh, step->dv)) client_->update();
    return true;
}

void CGazoView::StartCorrection() {
    SampleTable& table = App().sampleTable;
    if (table.count == 0) {
        platform::MessageBox(this, texts::CORRECTION_NO_DATA, texts::TITLE_CONFIRM);
        return;
    }
    // Sampling, if on, ends first.
    if (EditLink* edit = App().registry.EditWindowLink()) edit->StopSampling();
    platform::MessageBox(this, texts::CORRECTION_CHOOSE, texts::TITLE_CONFIRM);
    tracing_.Disarm();  // the clicks pick points now
    correction_.Begin(table);
    client_->update();
    if (EditLink* edit = App().registry.EditWindowLink()) edit->WorkStateChanged();
}

void CGazoView::EndCorrection() {
    correction_.End(App().sampleTable);
    client_->update();
    if (EditLink* edit = App().registry.EditWindowLink()) edit->RowsChanged();
}

void CGazoView::StartTracing() {
    if (viewImage_ == nullptr) return;
    // Sampling, if on, ends first: the traced rows replace the table.
    if (EditLink* edit = App().registry.EditWindowLink()) edit->StopSampling();
    platform::MessageBox(this, texts::TRACE_CHOOSE, texts::TITLE_CONFIRM);
    tracing_.Arm();
}

void CGazoView::TraceFigureAt(QPoint dot) {
    if (viewImage_ == nullptr || !tracing_.TraceAt(*viewImage_, dot.x(), dot.y(), App().sampleTable, this)) return;
    if (EditLink* edit = App().registry.EditWindowLink()) edit->RowsChanged();
    client_->update();
}

// ---------------------------------------------------------------------------
// Magnification
// ---------------------------------------------------------------------------

void CGazoView::ChangeMagnification() {
    if (viewImage_ == nullptr) return;
    SampleTable& table = App().sampleTable;
    if (table.count != 0 &&
        platform::MessageBox(this, texts::MAGNIFICATION_QUESTION, texts::MAGNIFICATION_QUESTION_TITLE,
                             platform::MB_YESNO) == platform::IDNO)
        return;
    const double oldScale = viewImage_->displayScale;
    const CImageData& image = viewImage_->image;
    CRatioDef dialog(this, ScalePercent(oldScale), image.width(), image.height());
    if (dialog.exec() != QDialog::Accepted) return;

    // A percentage of 0 or below would collapse every point onto 0 and make
    // the next change divide by zero; a raster too large to make would leave
    // nothing to show. Both are refused before anything changes.
    const int percent = dialog.percent();
    if (percent <= 0) {
        platform::MessageBox(this, FormatText(texts::MAGNIFICATION_TOO_SMALL, percent),
                             texts::TITLE_CONFIRM);
        return;
    }
    const double newScale = ScaleOfPercent(percent);
    if (!Rerender(newScale)) {
        platform::MessageBox(this, FormatText(texts::MAGNIFICATION_TOO_LARGE, percent),
                             texts::TITLE_CONFIRM);
        return;
    }

    viewImage_->displayScale = newScale;
    ResetScrolling();
    if (trackerShown_) cutZone_ = ScaleTrackerZone(cutZone_, newScale / oldScale);
    if (table.count > 0) {
        // Every point keeps its place on the picture up to whole display dots.
        table.ScaleCoords(newScale / oldScale);
        // Zooming in to place the next corner precisely is part of
        // sampling: it goes on. Results worked out before are old.
        if (table.workState != WS_SAMPLING) table.workState = WS_MODIFIED;
        if (EditLink* edit = App().registry.EditWindowLink()) edit->RowsChanged();
    }
    RenderDisplay();
}

// ---------------------------------------------------------------------------
// Scrolling
// ---------------------------------------------------------------------------

void CGazoView::ResetScrolling() {
    const CImageData* image = viewImage_ != nullptr ? &viewImage_->image : nullptr;
    scroll_.Reset(image ? image->width() : 0, image ? image->height() : 0,
                  viewImage_ != nullptr ? viewImage_->displayScale : 1.0);
    originX_ = scroll_.OriginX();
    originY_ = scroll_.OriginY();
    SyncScrollBars();
}

void CGazoView::SyncScrollBars() {
    const QSignalBlocker blockH(hBar_);
    const QSignalBlocker blockV(vBar_);
    hBar_->setRange(0, scroll_.h.max);
    hBar_->setValue(scroll_.h.pos);
    vBar_->setRange(0, scroll_.v.max);
    vBar_->setValue(scroll_.v.pos);
}

void CGazoView::ApplyScroll() {
    const auto move = scroll_.Apply();
    SyncScrollBars();
    // The next paint takes the new origin and draws image, overlay and
    // tracker again; the contents already on the screen move with the bars.
    if (move) client_->scroll(move->dx, move->dy);
}

void CGazoView::OnBarAction(QScrollBar* bar, int sliderAction) {
    ScrollAxis& axis = bar == hBar_ ? scroll_.h : scroll_.v;
    const auto action = ScrollActionOf(sliderAction);
    const auto target =
        action ? ScrollActionTarget(*action, axis, bar->sliderPosition()) : std::nullopt;
    if (target) {
        axis.wanted = *target;
        ApplyScroll();
    }
    // The bar takes the position the viewer settled on, not its own.
    bar->setSliderPosition(axis.pos);
}

void CGazoView::OnBarValue(QScrollBar* bar, int value) {
    ScrollAxis& axis = bar == hBar_ ? scroll_.h : scroll_.v;
    if (value == axis.pos) return;
    axis.wanted = value;
    ApplyScroll();
}

void CGazoView::OnWheel(const QWheelEvent& event) {
    // With Alt held the X server's wheel arrives as a horizontal delta; it
    // is the same wheel step.
    const QPoint angle = event.angleDelta();
    const int delta = angle.y() == 0 && (event.modifiers() & Qt::AltModifier) ? angle.x() : angle.y();
    if (const auto target = WheelScrollTarget(delta, scroll_.v)) {
        scroll_.v.wanted = *target;
        ApplyScroll();
    }
}

bool CGazoView::OnPanEvent(QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint at = mouse->position().toPoint();
    if (type == QEvent::MouseMove) {
        const auto target = pan_.Move(at.x(), at.y());
        if (!target) return false;
        scroll_.h.wanted = target->h;
        scroll_.v.wanted = target->v;
        ApplyScroll();
        return true;
    }
    if (mouse->button() != Qt::MiddleButton) return false;
    if (type == QEvent::MouseButtonRelease) {
        EndPan();
    } else if (!pan_.active()) {
        pan_.Begin(at.x(), at.y(), scroll_.h.pos, scroll_.v.pos);
        QGuiApplication::setOverrideCursor(Qt::ClosedHandCursor);
    }
    return true;
}

void CGazoView::EndPan() {
    if (pan_.End()) QGuiApplication::restoreOverrideCursor();
}

void CGazoView::keyPressEvent(QKeyEvent* event) {
    if (MoveCorrectedPoint(*event)) {
        event->accept();
        return;
    }
    if (const auto step = KeyScrollStep(event->key())) {
        scroll_.h.wanted = scroll_.h.pos + step->dh;
        scroll_.v.wanted = scroll_.v.pos + step->dv;
        ApplyScroll();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CGazoView::wheelEvent(QWheelEvent* event) {
    OnWheel(*event);
    event->accept();
}

// ---------------------------------------------------------------------------
// Painting
// ---------------------------------------------------------------------------

bool CGazoView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && (watched == client_ || watched == hBar_ || watched == vBar_)) {
        // One dot per wheel message wherever the pointer is in the window.
        OnWheel(*static_cast<QWheelEvent*>(event));
        return true;
    }
    if (watched == client_ && OnPanEvent(event)) return true;
    if (watched == client_ &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
        // Every press counts, also the second of two quick clicks.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) OnLeftButtonDown(platform::PointerPixel(*client_, *mouse));
        return true;
    }
    if (watched == client_ && event->type() == QEvent::Paint) {
        PaintClient();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CGazoView::CheckScreenDepth() {
    const QScreen* screen = this->screen();
    deviceDepth_ = screen != nullptr ? screen->depth() : 32;
    int& lastDepth = App().lastScreenDepth;
    if (deviceDepth_ != lastDepth) {
        lastDepth = deviceDepth_;
        rebuildDevice_ = true;
    }
}

void CGazoView::PaintClient() {
    CheckScreenDepth();
    QPainter painter(client_);
    originX_ = scroll_.OriginX();
    originY_ = scroll_.OriginY();
    if (rebuildDevice_) {
        tiles_.Clear();
        rebuildDevice_ = false;
    }
    PaintImage(painter);
    if (dataView_) PaintOverlay(painter);
    if (trackerShown_) PaintTracker(painter);
    UpdateViewerTitle();
}

TileSpan CGazoView::ClientTiles(int margin) const {
    const DisplayRegion client{-scroll_.OriginX(), -scroll_.OriginY(), client_->width(), client_->height()};
    return GrowSpan(TilesCovering(client, display_.width, display_.height), margin, display_.width,
                    display_.height);
}

bool CGazoView::ShowTiles() {
    // Tiles that cannot be laid out are not drawn; the rest of the paint is.
    return viewImage_ != nullptr && renderedScale_ != 0.0 &&
           tiles_.Show(RgbViewOf(viewImage_->image), renderedScale_, DeviceLayoutDepth(deviceDepth_));
}

void CGazoView::PaintImage(QPainter& painter) {
    if (!ShowTiles()) return;
    const TileSpan span = ClientTiles(0);
    tiles_.Require(span);
    for (int row = span.firstRow; row < span.endRow; ++row)
        for (int column = span.firstColumn; column < span.endColumn; ++column) {
            const DeviceRaster* tile = tiles_.Find(column, row);
            const QImage image = tile != nullptr ? DeviceImage(*tile) : QImage();
            if (!image.isNull())
                painter.drawImage(originX_ + column * TILE_SIDE, originY_ + row * TILE_SIDE, image);
        }
    if (!marginQueued_) {
        marginQueued_ = true;
        QTimer::singleShot(0, this, &CGazoView::RenderMargin);
    }
}

void CGazoView::RenderMargin() {
    // One ring of tiles around the shown ones, so that a scroll finds them.
    marginQueued_ = false;
    if (!closing_ && ShowTiles()) tiles_.Require(ClientTiles(1));
}

void CGazoView::PaintOverlay(QPainter& painter) {
    AppContext& app = App();
    DrawSampleOverlay(painter, app.sampleTable, app.calc, originX_, originY_, app.settings.colourNumbers);
}

void CGazoView::PaintTracker(QPainter& painter) {
    zoneTracker_->Paint(painter, OffsetTrackerZone(cutZone_, originX_, originY_));
}

void CGazoView::TrackerButtonDown(QPoint client) {
    if (!zoneTracker_->ButtonDown(client, ZoneOnClient())) trackerShown_ = false;
    client_->update();
}

// Drawn, dragged and captured at the same place: the zone moved by the
// image's origin.
TrackerZone CGazoView::ZoneOnClient() const {
    return OffsetTrackerZone(cutZone_, scroll_.OriginX(), scroll_.OriginY());
}

int CGazoView::overHandle() const { return zoneTracker_->overHandle(); }

std::optional<CaptureRect> CGazoView::WriteRectangle(WriteArea area) const {
    if (area == WriteArea::Window) {
        const QRect frame = frameGeometry();
        return NonEmptyRect(frame.x(), frame.y(), frame.width(), frame.height());
    }
    const QPoint screen = client_->mapToGlobal(QPoint(0, 0));
    return ZoneCaptureRect(ZoneOnClient(), screen.x(), screen.y());
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
    SendCommand(parentWidget(), ID_VIEWER_CLOSED, slotIndex_);
    // The window goes away once this event is done; the edit window follows.
    if (EditLink* edit = App().registry.EditWindowLink()) edit->CloseEditWindow();
}
