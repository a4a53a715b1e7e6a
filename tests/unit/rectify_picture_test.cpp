// The rectifying kernel against its formula written out dot by dot: the
// vectorised rows, split over the worker threads, give the very same bytes
// at every instruction-set level.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "reference_rectify.h"
#include "render/rectify_picture.h"

namespace {

std::vector<std::uint8_t> Reference(const std::vector<std::uint8_t>& src, int width, int height,
                                    const double m[9], int outWidth, int outHeight) {
    std::vector<std::uint8_t> out(std::size_t(outWidth) * outHeight * 3);
    for (int y = 0; y < outHeight; ++y)
        for (int x = 0; x < outWidth; ++x)
            reference::RectifyDot(src.data(), width, height, m, x, y,
                                  &out[(std::size_t(y) * outWidth + x) * 3]);
    return out;
}

std::vector<std::uint8_t> Noise(int width, int height) {
    std::mt19937 random(7);
    std::vector<std::uint8_t> bytes(std::size_t(width) * height * 3);
    for (auto& b : bytes)
        b = std::uint8_t(random());
    return bytes;
}

}  // namespace

TEST(RectifyPicture, EveryLevelGivesTheFormulasBytes) {
    const int width = 301, height = 203;
    const std::vector<std::uint8_t> src = Noise(width, height);
    const RgbView view{src.data(), width, height, std::ptrdiff_t(width) * 3};
    struct Case {
        const char* what;
        double m[9];
        int outWidth, outHeight;
    };
    const Case cases[] = {
        {"shifted by a fraction", {1, 0, 0.37, 0, 1, -0.61, 0, 0, 1}, 301, 203},
        {"enlarged and turned", {0.4, -0.3, 60, 0.3, 0.4, 10, 0, 0, 1}, 257, 333},
        // A tilted plane, reaching beyond the picture and the horizon: white there.
        {"projective", {0.9, 0.05, -20, 0.02, 0.7, -15, 0.0004, 0.0019, 0.8}, 421, 517},
    };
    for (const bool plain : {false, true}) {
        UsePlainRectify(plain);
        for (const Case& c : cases) {
            std::vector<std::uint8_t> out(std::size_t(c.outWidth) * c.outHeight * 3 + 5, 0xA5);
            ASSERT_TRUE(RectifyPicture(view, c.m, c.outWidth, c.outHeight, out.data(),
                                       std::ptrdiff_t(c.outWidth) * 3));
            for (int i = 0; i < 5; ++i)
                EXPECT_EQ(out[out.size() - 1 - i], 0xA5) << "written past the end";
            out.resize(out.size() - 5);
            const auto want = Reference(src, width, height, c.m, c.outWidth, c.outHeight);
            std::size_t differ = 0, white = 0;
            for (std::size_t i = 0; i < out.size(); ++i)
                differ += out[i] != want[i];
            for (std::size_t i = 0; i < out.size(); i += 3)
                white += want[i] == 255 && want[i + 1] == 255 && want[i + 2] == 255;
            EXPECT_EQ(differ, 0u) << c.what << " at level " << RectifyLevel();
            if (std::string(c.what) == "projective") {
                EXPECT_GT(white, 5000u) << "no white around";
            }
        }
    }
    UsePlainRectify(false);
}

TEST(RectifyPicture, RefusesWhatItCannotRead) {
    std::vector<std::uint8_t> src(3 * 3 * 3), out(100);
    const double identity[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    EXPECT_FALSE(
        RectifyPicture({src.data(), 3, 3, 9}, identity, 3, 3, out.data(), 9));  // under 4 dots a side
    EXPECT_FALSE(RectifyPicture({nullptr, 4, 4, 12}, identity, 3, 3, out.data(), 9));
    std::vector<std::uint8_t> four(4 * 4 * 3);
    EXPECT_FALSE(
        RectifyPicture({four.data(), 4, 4, 12}, identity, 3, 3, out.data(), 8));  // short output rows
    EXPECT_TRUE(RectifyPicture({four.data(), 4, 4, 12}, identity, 3, 3, out.data(), 9));
}
