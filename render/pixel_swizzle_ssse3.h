// The SSSE3 steps of the byte reorderings (pixel_swizzle.h), in a file of
// their own compiled for that unit: each does the leading pixels of a row a
// register at a time and returns how many it did; the caller does the rest.
// Call them only when the processor has SSSE3.
#pragma once

#include <cstdint>

#if defined(__x86_64__) || defined(__i386__)
int SwapRedBlueSsse3(const std::uint8_t* src, std::uint8_t* dst, int pixels);
int BgrxToRgbSsse3(const std::uint8_t* src, std::uint8_t* dst, int pixels);
#endif
