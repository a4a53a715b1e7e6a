#include "viewer/image_canvas.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QWheelEvent>

#include "image/image_data.h"
#include "image/rgb_view_of.h"
#include "platform/pointer_pixel.h"
#include "viewer/device_image.h"

namespace {

constexpr int kBarPageStep = 10;
// The depth taken when the window is on no screen.
constexpr int kDefaultDepth = 32;

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

bool IsPress(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
}

}  // namespace

ImageCanvas::ImageCanvas(QWidget* parent, CanvasHooks& hooks, std::function<int&()> lastScreenDepth)
    : QAbstractScrollArea(parent), hooks_(hooks), lastScreenDepth_(std::move(lastScreenDepth)) {
    // The window draws the edge around the client area and its two bars;
    // the keys go to the window, which hands the scroll keys back.
    setFrameStyle(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The square between the two bars stays blank.
    setCornerWidget(new QWidget(this));
    viewport()->setObjectName(QStringLiteral("viewerClient"));
    // The area around the image is erased in the window's colour.
    viewport()->setBackgroundRole(QPalette::Window);
    viewport()->setAutoFillBackground(true);
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        bar->setFocusPolicy(Qt::NoFocus);
        bar->setSingleStep(1);
        bar->setPageStep(kBarPageStep);
        bar->installEventFilter(this);
        connect(bar, &QScrollBar::actionTriggered, this,
                [this, bar](int action) { OnBarAction(bar, action); });
        // Whatever else sets a bar's value (its context menu) moves the
        // picture too.
        connect(bar, &QScrollBar::valueChanged, this, [this, bar](int value) { OnBarValue(bar, value); });
    }
}

ImageCanvas::~ImageCanvas() { EndPan(); }

void ImageCanvas::SetImage(const CImageData* image) { image_ = image; }

bool ImageCanvas::Rerender(double scale) {
    if (image_ == nullptr) return false;
    DisplaySize size;
    if (!DisplayImageSize(image_->width(), image_->height(), scale, size.width, size.height)) return false;
    if (image_->width() > 0 && !image_->HasPicture()) return false;
    display_ = size;
    renderedScale_ = scale;
    rebuildDevice_ = true;
    return true;
}

void ImageCanvas::ClearDisplay() {
    display_ = {};
    tiles_.Clear();
    renderedScale_ = 0.0;
}

// ---------------------------------------------------------------------------
// Scrolling
// ---------------------------------------------------------------------------

void ImageCanvas::ResetScrolling(double scale) {
    scroll_.Reset(image_ != nullptr ? image_->width() : 0, image_ != nullptr ? image_->height() : 0, scale);
    originX_ = scroll_.OriginX();
    originY_ = scroll_.OriginY();
    SyncScrollBars();
}

void ImageCanvas::SyncScrollBars() {
    QScrollBar* hBar = horizontalScrollBar();
    QScrollBar* vBar = verticalScrollBar();
    const QSignalBlocker blockH(hBar);
    const QSignalBlocker blockV(vBar);
    hBar->setRange(0, scroll_.h.max);
    hBar->setValue(scroll_.h.pos);
    vBar->setRange(0, scroll_.v.max);
    vBar->setValue(scroll_.v.pos);
}

void ImageCanvas::ApplyScroll() {
    const auto move = scroll_.Apply();
    SyncScrollBars();
    // The next paint takes the new origin and draws the picture and what is
    // over it again; the contents already on the screen move with the bars.
    if (move) viewport()->scroll(move->dx, move->dy);
}

void ImageCanvas::OnBarAction(QScrollBar* bar, int sliderAction) {
    ScrollAxis& axis = bar == horizontalScrollBar() ? scroll_.h : scroll_.v;
    const auto action = ScrollActionOf(sliderAction);
    const auto target = action ? ScrollActionTarget(*action, axis, bar->sliderPosition()) : std::nullopt;
    if (target) {
        axis.wanted = *target;
        ApplyScroll();
    }
    // The bar takes the position the viewer settled on, not its own.
    bar->setSliderPosition(axis.pos);
}

void ImageCanvas::OnBarValue(QScrollBar* bar, int value) {
    ScrollAxis& axis = bar == horizontalScrollBar() ? scroll_.h : scroll_.v;
    if (value == axis.pos) return;
    axis.wanted = value;
    ApplyScroll();
}

bool ImageCanvas::ScrollByKey(int qtKey) {
    const auto step = KeyScrollStep(qtKey);
    if (!step) return false;
    scroll_.h.wanted = scroll_.h.pos + step->dh;
    scroll_.v.wanted = scroll_.v.pos + step->dv;
    ApplyScroll();
    return true;
}

void ImageCanvas::Wheel(const QWheelEvent& event) {
    // With Alt held the X server's wheel arrives as a horizontal delta; it
    // is the same wheel step.
    const QPoint angle = event.angleDelta();
    const int delta = angle.y() == 0 && (event.modifiers() & Qt::AltModifier) ? angle.x() : angle.y();
    if (const auto target = WheelScrollTarget(delta, scroll_.v)) {
        scroll_.v.wanted = *target;
        ApplyScroll();
    }
}

bool ImageCanvas::OnPanEvent(QEvent* event) {
    const QEvent::Type type = event->type();
    if (!IsPress(type) && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease) return false;
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

void ImageCanvas::EndPan() {
    if (pan_.End()) QGuiApplication::restoreOverrideCursor();
}

QPoint ImageCanvas::ImageDot(QPoint client) const {
    return client - QPoint(scroll_.OriginX(), scroll_.OriginY());
}

// ---------------------------------------------------------------------------
// Input
// ---------------------------------------------------------------------------

bool ImageCanvas::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Wheel) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    if (OnPanEvent(event)) return true;
    if (IsPress(event->type())) {
        // Every press counts, also the second of two quick clicks.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            const QPoint client = platform::PointerPixel(*viewport(), *mouse);
            hooks_.LeftPress(client, ImageDot(client));
        }
        return true;
    }
    if (event->type() == QEvent::Paint) {
        PaintClient();
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

bool ImageCanvas::eventFilter(QObject* watched, QEvent* event) {
    // One dot per wheel message over the bars as well.
    if (event->type() == QEvent::Wheel &&
        (watched == horizontalScrollBar() || watched == verticalScrollBar())) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

void ImageCanvas::keyPressEvent(QKeyEvent* event) {
    if (ScrollByKey(event->key()))
        event->accept();
    else
        event->ignore();
}

void ImageCanvas::wheelEvent(QWheelEvent* event) {
    Wheel(*event);
    event->accept();
}

// ---------------------------------------------------------------------------
// Painting
// ---------------------------------------------------------------------------

void ImageCanvas::CheckScreenDepth() {
    const QScreen* screen = this->screen();
    deviceDepth_ = screen != nullptr ? screen->depth() : kDefaultDepth;
    int& lastDepth = lastScreenDepth_();
    if (deviceDepth_ != lastDepth) {
        lastDepth = deviceDepth_;
        rebuildDevice_ = true;
    }
}

void ImageCanvas::PaintClient() {
    CheckScreenDepth();
    QPainter painter(viewport());
    originX_ = scroll_.OriginX();
    originY_ = scroll_.OriginY();
    if (rebuildDevice_) {
        tiles_.Clear();
        rebuildDevice_ = false;
    }
    PaintImage(painter);
    hooks_.PaintOver(painter, originX_, originY_);
}

TileSpan ImageCanvas::ClientTiles(int margin) const {
    const DisplayRegion client{-scroll_.OriginX(), -scroll_.OriginY(), viewport()->width(),
                               viewport()->height()};
    return GrowSpan(TilesCovering(client, display_.width, display_.height), margin, display_.width,
                    display_.height);
}

bool ImageCanvas::ShowTiles() {
    // Tiles that cannot be laid out are not drawn; the rest of the paint is.
    return image_ != nullptr && renderedScale_ != 0.0 &&
           tiles_.Show(RgbViewOf(*image_), renderedScale_, DeviceLayoutDepth(deviceDepth_));
}

void ImageCanvas::PaintImage(QPainter& painter) {
    if (!ShowTiles()) return;
    DrawTiles(painter, ClientTiles(0));
    if (!marginQueued_) {
        marginQueued_ = true;
        QTimer::singleShot(0, this, &ImageCanvas::RenderMargin);
    }
}

void ImageCanvas::DrawTiles(QPainter& painter, const TileSpan& span) {
    tiles_.Require(span);
    for (int row = span.firstRow; row < span.endRow; ++row)
        for (int column = span.firstColumn; column < span.endColumn; ++column) {
            const DeviceRaster* tile = tiles_.Find(column, row);
            const QImage image = tile != nullptr ? DeviceImage(*tile) : QImage();
            if (!image.isNull())
                painter.drawImage(originX_ + column * TILE_SIDE, originY_ + row * TILE_SIDE, image);
        }
}

void ImageCanvas::RenderMargin() {
    // One ring of tiles around the shown ones, so that a scroll finds them.
    marginQueued_ = false;
    if (ShowTiles()) tiles_.Require(ClientTiles(1));
}
