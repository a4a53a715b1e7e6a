// Loading an image file with the loader its ending names.
#pragma once

#include <string>

#include "app/image_file_type.h"
#include "image/library_loaders.h"

class CImageData;
struct ReducedPicture;
class QWidget;

// Runs the loader of type on path into image; false for Unsupported or when
// the loader fails. A loader's own message boxes are owned by owner.
bool LoadImageFileOfType(ImageFileType type, CImageData& image, const std::string& path,
                         QWidget* owner);

// The picture of path for a small view of it: a JPEG decoded at the largest
// reduction that keeps the size `wanted` asks for (LoadReducedJpegFile), any
// other format loaded whole by its loader (reduction 1). False for
// Unsupported or when the loader fails.
bool LoadReducedImageFile(ImageFileType type, const std::string& path, QWidget* owner,
                          const ReducedSizeWanted& wanted, ReducedPicture& picture);
