// The two small interfaces through which the data edit window and the viewer
// it works with reach each other. Neither window knows the other's class:
// the registry hands out these links, and only the file that pairs the
// windows (app/viewer_windows.cpp) sees both window headers.
#pragma once

class CViewImage;

// What the edit window needs of its viewer.
class ViewerLink {
public:
    // The picture shown, with its display magnification and real-unit
    // scale; null while the viewer holds none.
    virtual const CViewImage* Picture() const = 0;
    // The table's rows or the results changed: the image, the outline and
    // the results are painted again.
    virtual void TableChanged() = 0;
    // Sampling started (on) or stopped.
    virtual void SamplingChanged(bool on) = 0;
    // The viewer comes to the front and takes the keyboard focus.
    virtual void TakeFocus() = 0;
    virtual void CloseViewer() = 0;

protected:
    ~ViewerLink() = default;
};

// What the viewer needs of its edit window.
class EditLink {
public:
    // A point was appended: the grid shows the last row.
    virtual void RowsAppended() = 0;
    // Rows were changed in place, replaced or rescaled: the grid, the row
    // count and the magnification are shown again.
    virtual void RowsChanged() = 0;
    // The whole table was replaced (a trace, a file read back): the grid
    // shows its first row.
    virtual void RowsReplaced() = 0;
    // The work state changed (a correction began or a point was picked):
    // the status box is painted again.
    virtual void WorkStateChanged() = 0;
    // The viewer's display magnification changed, with or without rows.
    virtual void MagnificationChanged() = 0;
    // The viewer's real-unit scale was set or cleared.
    virtual void RealScaleChanged() = 0;
    // Sampling ends as with the window's stop button.
    virtual void StopSampling() = 0;
    virtual void CloseEditWindow() = 0;

protected:
    ~EditLink() = default;
};
