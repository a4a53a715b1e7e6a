// Loading JPEG, GIF and PNG files into an image through the image-conversion
// library. Each records the file name first, then returns true when the image
// holds the picture and false (without a message) otherwise.
#pragma once

#include <string>

class CImageData;

bool LoadJpegFile(CImageData& image, const std::string& path);
bool LoadGifFile(CImageData& image, const std::string& path);
// PNG pictures serve the main window's preview only.
bool LoadPngFile(CImageData& image, const std::string& path);
