// Which image format a path names, judged by its ending, and which endings
// the file dialog accepts.
#pragma once

#include <string>

enum class ImageFileType { Unsupported, Bmp, Jpeg, Gif, Png };

// The text after the last dot of the path's last component; empty when the
// name has no dot.
std::string ExtensionOf(const std::string& path);

// The file dialog takes an extension whose first three letters, in any
// case, are jpg, jpe, bmp, gif or png (so "jpeg" and "JPG" pass).
bool IsAcceptedExtension(const std::string& extension);

// The format by the path's last three characters, in any case: bmp, jpg or
// jpe, gif, png; a path ending in "jpeg" is JPEG too.
ImageFileType ImageFileTypeOf(const std::string& path);
