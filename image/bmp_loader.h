// Loading a BMP file into an image.
#pragma once

#include <string>

class CImageData;
class QWidget;

// Records the file name, reads the file at path (UTF-8) and decodes it into
// image. A bit depth other than 8, 16, 24 or 32 is reported in a message box
// over owner (may be null); every other failure only returns false, for the
// opener to report.
bool LoadBmpFile(CImageData& image, const std::string& path, QWidget* owner = nullptr);
