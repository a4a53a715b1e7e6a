// The area of the viewer that shows the picture: draws the tiles of the
// display image it shows from a cache of a fixed size, owns the two scroll
// bars, moves the picture with the bars, the keys, the wheel and a
// middle-button drag, and maps a pointer position to a dot of the display
// image. It knows nothing of menus or of the sample table: what is drawn
// over the picture and what a left press does are asked of its hooks.
#pragma once

#include <QAbstractScrollArea>
#include <QPoint>
#include <cstddef>
#include <functional>

#include "render/display_region.h"
#include "render/tile_cache.h"
#include "viewer/pan_drag.h"
#include "viewer/viewer_scroll.h"

class CImageData;
class QPainter;
class QScrollBar;
class QWheelEvent;

// What the canvas asks of the window that shows it.
class CanvasHooks {
public:
    // Draws over the picture; (originX, originY) is the client position of
    // the image's top-left corner in this paint.
    virtual void PaintOver(QPainter& painter, int originX, int originY) = 0;
    // A left press (each one, also the second of a double click) at a client
    // position in device pixels, with the display dot under it.
    virtual void LeftPress(QPoint client, QPoint dot) = 0;

protected:
    ~CanvasHooks() = default;
};

class ImageCanvas : public QAbstractScrollArea {
    Q_OBJECT
public:
    // Memory the rendered tiles of one canvas may take.
    static constexpr std::size_t TILE_BUDGET = std::size_t(48) << 20;

    // lastScreenDepth: the program's record of the screen depth last seen;
    // a change lays the tiles out again.
    ImageCanvas(QWidget* parent, CanvasHooks& hooks, std::function<int&()> lastScreenDepth);
    ~ImageCanvas() override;

    // The picture shown; null once the window lets go of it.
    void SetImage(const CImageData* image);

    // Takes scale for the display image; nothing is resampled here, each
    // paint renders the tiles it shows. False, changing nothing, when the
    // display image's dots at that scale cannot be addressed.
    bool Rerender(double scale);
    // Shows no display image until the next Rerender.
    void ClearDisplay();
    // The scale of the display image; 0 while there is none.
    double renderedScale() const { return renderedScale_; }

    // Ranges of three display sizes at scale, positions centred: the image's
    // top-left corner at the client's.
    void ResetScrolling(double scale);

    // A key that scrolls moves the picture; false for any other key.
    bool ScrollByKey(int qtKey);
    // One dot per wheel message, wherever in the window the wheel turned.
    void Wheel(const QWheelEvent& event);

    // The display dot under a client position, from the current scroll
    // positions (the same origin the next paint uses). A position beside
    // the image gives a dot outside it.
    QPoint ImageDot(QPoint client) const;

    // Client position of the image's top-left corner in the last paint.
    int originX() const { return originX_; }
    int originY() const { return originY_; }
    const ViewerScroll& scroll() const { return scroll_; }
    // Size of the display image at the current scale.
    const DisplaySize& display() const { return display_; }
    // The rendered tiles the paint draws from.
    const TileCache& tiles() const { return tiles_; }
    // The area the picture and what is over it are painted in.
    QWidget* client() const { return viewport(); }

protected:
    bool viewportEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    // The bars' own moves are taken in OnBarAction and OnBarValue.
    void scrollContentsBy(int, int) override {}

private:
    void SyncScrollBars();
    void ApplyScroll();
    void OnBarAction(QScrollBar* bar, int action);
    void OnBarValue(QScrollBar* bar, int value);
    // Middle-button drags over the client area; true when the event was one.
    bool OnPanEvent(QEvent* event);
    void EndPan();

    void CheckScreenDepth();
    void PaintClient();
    // The tiles of the display image under the client area, grown by margin
    // tiles on every side.
    TileSpan ClientTiles(int margin) const;
    bool ShowTiles();
    // Draws the shown tiles, rendering those not held, and asks for the ring
    // of tiles around them once the window is idle.
    void PaintImage(QPainter& painter);
    void DrawTiles(QPainter& painter, const TileSpan& span);
    void RenderMargin();

    CanvasHooks& hooks_;
    std::function<int&()> lastScreenDepth_;
    const CImageData* image_ = nullptr;

    ViewerScroll scroll_;
    PanDrag pan_;
    int originX_ = 0;
    int originY_ = 0;

    DisplaySize display_;
    double renderedScale_ = 0.0;
    TileCache tiles_{TILE_BUDGET};
    int deviceDepth_ = 0;
    bool rebuildDevice_ = true;  // the tiles are laid out again at the next paint
    bool marginQueued_ = false;
};
