// The image viewer: a window that shows the image of one viewer slot at a
// display magnification on its canvas, with a menu, and draws the sample
// points and results over it.
//
// The window holds the frame, the menu and the wiring: the canvas paints,
// scrolls and reports presses; the click modes and the cut-out zone decide
// in their commands files.
#pragma once

#include <QWidget>
#include <cstddef>
#include <cstdint>

#include "app/window_links.h"
#include "viewer/image_canvas.h"
#include "viewer/tracker_zone.h"

class CViewImage;
class ClickCommands;
class CutoutCommands;
class PlaneCommands;
class QMenuBar;
class QPainter;
class QWheelEvent;
class ViewWriter;

class CGazoView : public QWidget, public ViewerLink, private CanvasHooks {
    Q_OBJECT
public:
    // owner: the main dialog, which receives the viewer's close notice.
    explicit CGazoView(QWidget* owner);
    ~CGazoView() override;

    // Takes the slot's image, moves the client area's top-left corner to the
    // screen position (x, y) (moved in on a screen too small for the
    // window), shows the image at 100 % from its top-left corner.
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
    bool correcting() const;
    int selectedRow() const;

    int slotIndex() const { return slotIndex_; }
    CViewImage* viewImage() const { return viewImage_; }

    // The canvas, and what the tests look at of it.
    ImageCanvas* canvas() const { return canvas_; }
    int originX() const { return canvas_->originX(); }
    int originY() const { return canvas_->originY(); }
    const ViewerScroll& scroll() const { return canvas_->scroll(); }
    const DisplaySize& display() const { return canvas_->display(); }
    const TileCache& tiles() const { return canvas_->tiles(); }
    static constexpr std::size_t TILE_BUDGET = ImageCanvas::TILE_BUDGET;
    QWidget* client() const { return canvas_->client(); }

    // The cut-out zone, which follows a change of magnification while the
    // tracker is shown.
    bool trackerShown() const;
    const TrackerZone& cutZone() const;
    void ShowTrackerZone(const TrackerZone& zone);
    // 1 while the mouse is within reach of a handle of the zone, 2 otherwise.
    int overHandle() const;
    // The viewer's image write; pending until its pause is over.
    ViewWriter* writer() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The canvas's hooks: the overlay and the tracker over the picture, and
    // the left presses.
    void PaintOver(QPainter& painter, int originX, int originY) override;
    void LeftPress(QPoint client, QPoint dot) override;

    bool IsCommandEnabled(int id) const;
    void ChangeMagnification();

    int slotIndex_ = -1;
    CViewImage* viewImage_ = nullptr;
    bool dataView_ = false;
    bool closing_ = false;

    QMenuBar* menuBar_ = nullptr;
    ImageCanvas* canvas_ = nullptr;
    CutoutCommands* cutout_ = nullptr;
    ClickCommands* clicks_ = nullptr;
    PlaneCommands* plane_ = nullptr;
};
