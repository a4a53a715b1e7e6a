// Loading a BMP file into an image.
#pragma once

#include <string>

#include "res/notice.h"

class CImageData;

// Records the file name, reads the file at path (UTF-8) and decodes it into
// image. A bit depth other than 8, 16, 24 or 32 gives false with the notice
// naming the file and its depth in *notice (when given); every other
// failure gives false with nothing to tell, for the opener to report.
bool LoadBmpFile(CImageData& image, const std::string& path, Notice* notice = nullptr);
