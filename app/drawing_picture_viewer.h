// The blank picture an imported drawing is shown on, opened in a new
// viewer beside the edit window by the main dialog (command
// ID_OPEN_DRAWING_PICTURE from the edit window).
#pragma once

#include <string>

class QWidget;
class ViewerRegistry;
class ViewerWindows;

struct DrawingPictureRequest {
    int width = 0;  // dots
    int height = 0;
    double mmPerDot = 0;  // the picture's real-unit scale
    std::string name;     // the drawing's file name, the picture's caption
    bool opened = false;  // set when the viewer opened
};

// A white picture of the request's size with its scale, in a free slot,
// its viewer beside the edit window and paired with it. Failures show
// their messages over owner. 0 when the viewer opened, -1 otherwise.
int OpenDrawingPicture(QWidget* owner, ViewerRegistry& registry, ViewerWindows& windows,
                       DrawingPictureRequest& request);
