// Loading an image file with the loader its ending names.
#pragma once

#include <string>

#include "app/image_file_type.h"

class CImageData;
class QWidget;

// Runs the loader of type on path into image; false for Unsupported or when
// the loader fails. A loader's own message boxes are owned by owner.
bool LoadImageFileOfType(ImageFileType type, CImageData& image, const std::string& path,
                         QWidget* owner);
