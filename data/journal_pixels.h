// A captured picture's pixels kept beside the journal as a PNG file, and
// read back into an image when the work is restored.
#pragma once

#include <string>

class CImageData;

// Writes image's pixels (RGB) atomically; false when it holds none or the
// file could not be written.
bool WriteJournalPixels(const std::string& path, const CImageData& image);

// Reads a PNG file written by WriteJournalPixels into image (its kind is
// left as it is); false, image untouched, for a file that is missing,
// damaged or of a size the program does not take.
bool ReadJournalPixels(const std::string& path, CImageData& image);
