#include <gtest/gtest.h>

#include <vector>

#include "render/pixel_swizzle.h"

// Every row length around the 5- and 4-pixel steps, with guard bytes after
// the row that must stay untouched.
TEST(PixelSwizzle, EveryRowLengthMatchesThePlainRule) {
    for (int pixels = 0; pixels <= 41; ++pixels) {
        std::vector<std::uint8_t> bgr(std::size_t(pixels) * 3), bgrx(std::size_t(pixels) * 4);
        for (std::size_t i = 0; i < bgr.size(); ++i) bgr[i] = std::uint8_t(i * 7 + 1);
        for (std::size_t i = 0; i < bgrx.size(); ++i) bgrx[i] = std::uint8_t(i * 5 + 3);

        std::vector<std::uint8_t> out(std::size_t(pixels) * 3 + 16, 0xA5);
        SwapRedBlue(bgr.data(), out.data(), pixels);
        for (int p = 0; p < pixels; ++p) {
            ASSERT_EQ(out[3 * p], bgr[3 * p + 2]) << pixels;
            ASSERT_EQ(out[3 * p + 1], bgr[3 * p + 1]) << pixels;
            ASSERT_EQ(out[3 * p + 2], bgr[3 * p]) << pixels;
        }
        for (std::size_t i = std::size_t(pixels) * 3; i < out.size(); ++i) ASSERT_EQ(out[i], 0xA5) << pixels;

        std::fill(out.begin(), out.end(), 0xA5);
        BgrxToRgb(bgrx.data(), out.data(), pixels);
        for (int p = 0; p < pixels; ++p) {
            ASSERT_EQ(out[3 * p], bgrx[4 * p + 2]) << pixels;
            ASSERT_EQ(out[3 * p + 1], bgrx[4 * p + 1]) << pixels;
            ASSERT_EQ(out[3 * p + 2], bgrx[4 * p]) << pixels;
        }
        for (std::size_t i = std::size_t(pixels) * 3; i < out.size(); ++i) ASSERT_EQ(out[i], 0xA5) << pixels;
    }
}
