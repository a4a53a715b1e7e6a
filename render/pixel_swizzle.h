// Reordering the bytes of whole rows of pixels, as fast as the processor
// allows (the results are the same on every processor).
#pragma once

#include <cstdint>

// Three bytes per pixel with the first and third exchanged: blue, green, red
// becomes red, green, blue and back. src and dst must not overlap.
void SwapRedBlue(const std::uint8_t* src, std::uint8_t* dst, int pixels);

// Four bytes per pixel (blue, green, red, ignored) to red, green, blue.
void BgrxToRgb(const std::uint8_t* src, std::uint8_t* dst, int pixels);
