// Loading an image file with the loader its ending names.
#pragma once

#include <string>

#include "app/image_file_type.h"

class CImageData;

// Runs the loader of type on path into image; false for Unsupported or when
// the loader fails.
bool LoadImageFileOfType(ImageFileType type, CImageData& image, const std::string& path);
