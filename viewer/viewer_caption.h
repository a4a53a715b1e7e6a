// The texts a viewer shows of itself: its caption for each state and the
// image-properties box.
#pragma once

#include <string>

struct ViewerCaptionState {
    bool correcting = false;
    int selectedRow = -1;
    bool dataView = false;
    int workState = 0;  // the sample table's work state
    int slotIndex = 0;
    std::string fileName;
    int width = 0;
    int height = 0;
    double scale = 1.0;
};

// The first rule that applies: correction, then the image caption while the
// viewer shows no data or nothing is going on, then the work state's text.
// At most 255 bytes in CP932.
std::string ViewerCaption(const ViewerCaptionState& state);

// The image-properties box's text: name line, kind line, size line.
std::string ImagePropertiesText(const std::string& fileName, int kind, int width, int height);
