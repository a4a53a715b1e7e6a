// Opening an image file in a new viewer: the opener its ending names takes a
// free slot, loads the file into the slot's fresh image and has the viewer
// attached. The openers differ only in kind, loader and failure text.
#pragma once

#include <functional>
#include <string>

class QWidget;
class ViewerRegistry;

// Attaches the viewer of a slot whose image is loaded; 0 or -1.
using AttachSlotViewer = std::function<int(int slot)>;

// By the path's ending: BMP, JPEG (jpg, jpe, jpeg) and GIF files open;
// anything else, PNG included, shows "拡張子が jpg,bmp,gif 以外が指定されました"
// with the path as title. 0 when the viewer opened, -1 otherwise. Message
// boxes are owned by owner.
int OpenImageFile(QWidget* owner, ViewerRegistry& registry, const std::string& path,
                  const AttachSlotViewer& attach);

// The three openers: FindFreeSlot, PrepareSlotImage with the kind, the
// loader (a failure shows its text with the title "中断します": the slot stays
// free), then attach.
int OpenBmpViewer(QWidget* owner, ViewerRegistry& registry, const std::string& path,
                  const AttachSlotViewer& attach);
int OpenJpegViewer(QWidget* owner, ViewerRegistry& registry, const std::string& path,
                   const AttachSlotViewer& attach);
int OpenGifViewer(QWidget* owner, ViewerRegistry& registry, const std::string& path,
                  const AttachSlotViewer& attach);
