// Opening an image in a new viewer: the opener takes a free slot, loads the
// image into the slot's fresh image and has the viewer attached. The openers
// of files and of the clipboard differ only in kind, loader and failure text.
#pragma once

#include <functional>
#include <string>

class CImageData;
class QWidget;
class ViewerRegistry;

// Attaches the viewer of a slot whose image is loaded; 0 or -1.
using AttachSlotViewer = std::function<int(int slot)>;
// Loads the slot's fresh image; false when it could not (after the loader's
// own message, if it has one).
using SlotImageLoader = std::function<bool(CImageData& image)>;

// The window-side steps of an open, which show what the registry and the
// loaders return over owner: FindFreeSlot (its notice when all slots are
// taken), PrepareSlotImage with
// the kind, load (a failure or an image without pixels shows failureText with
// the title "中断します": the slot stays free), then attach. 0 when the viewer
// opened, -1 otherwise.
int OpenSlotViewer(QWidget* owner, ViewerRegistry& registry, int kind, const SlotImageLoader& load,
                   const char* failureText, const AttachSlotViewer& attach);

// By the path's ending: BMP, JPEG (jpg, jpe, jpeg) and GIF files open;
// anything else, PNG included, shows "拡張子が jpg,bmp,gif 以外が指定されました"
// with the path as title. 0 when the viewer opened, -1 otherwise. Message
// boxes are owned by owner.
int OpenImageFile(QWidget* owner, ViewerRegistry& registry, const std::string& path,
                  const AttachSlotViewer& attach);

// The three file openers: OpenSlotViewer with the file's loader.
int OpenBmpViewer(QWidget* owner, ViewerRegistry& registry, const std::string& path,
                  const AttachSlotViewer& attach);
int OpenJpegViewer(QWidget* owner, ViewerRegistry& registry, const std::string& path,
                   const AttachSlotViewer& attach);
int OpenGifViewer(QWidget* owner, ViewerRegistry& registry, const std::string& path,
                  const AttachSlotViewer& attach);
