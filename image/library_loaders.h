// Loading JPEG, GIF and PNG files into an image through the image-conversion
// library. Each records the file name first, then returns true when the image
// holds the picture and false (without a message) otherwise.
#pragma once

#include <functional>
#include <string>

class CImageData;
struct ReducedPicture;

bool LoadJpegFile(CImageData& image, const std::string& path);
bool LoadGifFile(CImageData& image, const std::string& path);
// PNG pictures serve the main window's preview only.
bool LoadPngFile(CImageData& image, const std::string& path);

// The least size a reduced picture must keep, asked with the picture's full
// size: minWidth and minHeight are set by the function.
using ReducedSizeWanted = std::function<void(int fullWidth, int fullHeight, int& minWidth, int& minHeight)>;

// A JPEG decoded with the largest reduction of the JPEG's own scaled
// decoding (1/2, 1/4 or 1/8, or none) that keeps at least the size `wanted`
// asks for: no full-size copy is made when a reduction fits. False when the
// file cannot be decoded.
bool LoadReducedJpegFile(const std::string& path, const ReducedSizeWanted& wanted, ReducedPicture& picture);
