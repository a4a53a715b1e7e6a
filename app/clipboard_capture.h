// The main dialog's button "クリップ画像View" (command 153): the picture on
// the clipboard opened in a new viewer beside the data edit window.
#pragma once

class QWidget;
class ViewerRegistry;
class ViewerWindows;

// Copies the clipboard's bitmap (the clipboard is only read), then opens it
// as the image "クリップ画像" of kind IMG_CLIP in a free slot: the edit window
// is made ready, the viewer placed beside it, the main dialog hidden and the
// edit window focused. Every failure shows its message over owner and leaves
// the main dialog as it was. 0 when the viewer opened, -1 otherwise.
int CaptureClipboard(QWidget* owner, ViewerRegistry& registry, ViewerWindows& windows);
