// The image viewer: a window that shows the image of one viewer slot at a
// display magnification, scrolls it with its bars, the wheel and the keys,
// and draws the sample points and results over it.
//
// The picture at the display scale is never held whole: a paint draws the
// tiles it shows from a cache of a fixed size, rendering only those it does
// not hold, and draws the overlay over them.
#pragma once

#include <QWidget>
#include <cstdint>

#include "app/window_links.h"
#include "render/display_region.h"
#include "viewer/figure_tracing.h"
#include "viewer/image_write.h"
#include "viewer/pan_drag.h"
#include "viewer/point_correction.h"
#include "render/tile_cache.h"
#include "viewer/scale_measure.h"
#include "viewer/tracker_zone.h"
#include "viewer/viewer_scroll.h"

class CEditData;
class CViewImage;
class QMenu;
class QMenuBar;
class QPainter;
class QScrollBar;
class QWheelEvent;
class ViewWriter;
class ZoneTracker;

class CGazoView : public QWidget, public ViewerLink {
    Q_OBJECT
public:
    // owner: the main dialog, which receives the viewer's close notice.
    explicit CGazoView(QWidget* owner);
    ~CGazoView() override;

    // Takes the slot's image, moves the window's top-left corner to the
    // screen position (x, y), shows the image at 100 % from its top-left
    // corner.
    void OpenInSlot(int slot, int x, int y);

    // Takes the current scale for the display image and repaints the client
    // area. False (with a message) when the display image's dots at that
    // scale cannot be addressed.
    bool RenderDisplay();

    // The caption for the current state.
    void UpdateViewerTitle();

    // The box "画像プロパティ" with the file name, kind and size.
    void ShowImageProperties();

    // What the edit window asks of its viewer.
    const CViewImage* Picture() const override { return viewImage_; }
    void TableChanged() override { RenderDisplay(); }
    void SamplingChanged(bool on) override;
    void TakeFocus() override;
    void CloseViewer() override { close(); }

    // Menu items and commands sent by other windows.
    bool OnCommand(int id, std::intptr_t value);

    // Set by the main dialog right after opening: the overlay is drawn and
    // clicks are taken.
    void SetDataView(bool on) { dataView_ = on; }
    bool dataView() const { return dataView_; }

    // Coordinate correction: on between the menu's start and end; the row
    // picked to move, -1 for none.
    bool correcting() const { return correction_.correcting(); }
    int selectedRow() const { return correction_.selectedRow(); }

    int slotIndex() const { return slotIndex_; }
    CViewImage* viewImage() const { return viewImage_; }
    // Client position of the image's top-left corner.
    int originX() const { return originX_; }
    int originY() const { return originY_; }
    const ViewerScroll& scroll() const { return scroll_; }
    // Size of the display image at the current scale.
    const DisplaySize& display() const { return display_; }
    // The rendered tiles the paint draws from.
    const TileCache& tiles() const { return tiles_; }
    // Memory the rendered tiles of one viewer may take.
    static constexpr std::size_t TILE_BUDGET = std::size_t(48) << 20;
    // The area the image, the overlay and the tracker are painted in.
    QWidget* client() const { return client_; }

    // The cut-out zone, which follows a change of magnification while the
    // tracker is shown.
    bool trackerShown() const { return trackerShown_; }
    const TrackerZone& cutZone() const { return cutZone_; }
    void ShowTrackerZone(const TrackerZone& zone);
    // 1 while the mouse is within reach of a handle of the zone, 2 otherwise.
    int overHandle() const;
    // The viewer's image write; pending until its pause is over.
    ViewWriter* writer() const { return writer_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenu();
    QMenu* AddPopup(const char* title);
    void AddItem(QMenu* popup, int id, const char* text);
    void UpdateMenuStates();
    bool IsCommandEnabled(int id) const;

    void PaintClient();
    // Hooks of the paint: the overlay (sample points and results) and the
    // tracker are drawn here, over the image.
    void PaintOverlay(QPainter& painter);
    void PaintTracker(QPainter& painter);
    // Hook of a left click while the tracker is shown: the click is the
    // tracker's.
    void TrackerButtonDown(QPoint client);
    // The zone in client coordinates, from the current scroll positions.
    TrackerZone ZoneOnClient() const;
    // The screen rectangle a write of area takes now.
    std::optional<CaptureRect> WriteRectangle(WriteArea area) const;
    void CheckScreenDepth();
    // The tiles of the display image under the client area, grown by margin
    // tiles on every side.
    TileSpan ClientTiles(int margin) const;
    // Draws the shown tiles, rendering those not held, and asks for the ring
    // of tiles around them once the window is idle.
    void PaintImage(QPainter& painter);
    bool ShowTiles();
    void RenderMargin();

    void ResetScrolling();
    void SyncScrollBars();
    void ApplyScroll();
    void OnBarAction(QScrollBar* bar, int action);
    void OnBarValue(QScrollBar* bar, int value);
    void OnWheel(const QWheelEvent& event);
    // Middle-button drags over the client area; true when the event was one.
    bool OnPanEvent(QEvent* event);
    void EndPan();

    // Sampling and coordinate correction.
    void OnLeftButtonDown(QPoint client);
    // The image dot under a client position, from the current scroll
    // positions (the same origin the next paint uses).
    QPoint ImageDot(QPoint client) const;
    void AddPointAt(QPoint dot);
    void PickPointAt(QPoint dot);
    bool MoveCorrectedPoint(const QKeyEvent& event);
    void StartCorrection();
    void EndCorrection();
    // Tracing a figure: the menu item arms it, the next click is the seed.
    void StartTracing();
    void TraceFigureAt(QPoint dot);

    void ChangeMagnification();
    bool Rerender(double scale);

    // The real-unit scale: the dialog, and the two clicks that measure a length.
    void OpenRealScale(double measuredDots);
    void OnScaleClick(QPoint client);

    int slotIndex_ = -1;
    CViewImage* viewImage_ = nullptr;
    bool dataView_ = false;
    PointCorrection correction_;
    FigureTracing tracing_;
    ScaleMeasure scaleMeasure_;
    bool closing_ = false;

    ViewerScroll scroll_;
    PanDrag pan_;
    int originX_ = 0;
    int originY_ = 0;

    DisplaySize display_;
    double renderedScale_ = 0.0;  // scale of display_; 0 while there is none
    TileCache tiles_{TILE_BUDGET};
    int deviceDepth_ = 0;
    bool rebuildDevice_ = false;  // the tiles are laid out again at the next paint
    bool marginQueued_ = false;

    bool trackerShown_ = false;
    TrackerZone cutZone_;  // in display dots of the image, whatever the scroll
    ZoneTracker* zoneTracker_ = nullptr;
    ViewWriter* writer_ = nullptr;

    QMenuBar* menuBar_ = nullptr;
    QWidget* client_ = nullptr;
    QScrollBar* hBar_ = nullptr;
    QScrollBar* vBar_ = nullptr;
};
