// The rectifying kernel against its formula written out dot by dot: the
// vectorised rows, split over the worker threads, give the very same bytes
// at every instruction-set level.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "reference_rectify.h"
#include "render/rectify_picture.h"

TEST(RectifyPicture, EveryLevelGivesTheFormulasBytes) {
    const int width = 301, height = 203;
    std::mt19937 random(7);
    std::vector<std::uint8_t> src(std::size_t(width) * height * 3);
    for (auto& b : src)
        b = std::uint8_t(random());
    const RgbView view{src.data(), width, height, std::ptrdiff_t(width) * 3};
    struct Case {
        const char* what;
        double m[9];
        int outWidth, outHeight;
        std::size_t leastWhite;
    };
    const Case cases[] = {
        {"shifted by a fraction", {1, 0, 0.37, 0, 1, -0.61, 0, 0, 1}, 301, 203, 0},
        {"enlarged and turned", {0.4, -0.3, 60, 0.3, 0.4, 10, 0, 0, 1}, 257, 333, 0},
        // A tilted plane, reaching beyond the picture and the horizon: white there.
        {"projective", {0.9, 0.05, -20, 0.02, 0.7, -15, 0.0004, 0.0019, 0.8}, 421, 517, 5000},
    };
    for (const bool plain : {false, true}) {
        UsePlainRectify(plain);
        for (const Case& c : cases) {
            const std::size_t bytes = std::size_t(c.outWidth) * c.outHeight * 3;
            std::vector<std::uint8_t> out(bytes + 5, 0xA5);
            ASSERT_TRUE(RectifyPicture(view, c.m, c.outWidth, c.outHeight, out.data(), c.outWidth * 3));
            EXPECT_EQ(out[bytes], 0xA5) << "written past the end";
            EXPECT_EQ(out[bytes + 4], 0xA5) << "written past the end";
            std::size_t differ = 0, white = 0;
            for (int y = 0; y < c.outHeight; ++y)
                for (int x = 0; x < c.outWidth; ++x) {
                    std::uint8_t want[3];
                    reference::RectifyDot(src.data(), width, height, c.m, x, y, want);
                    const std::uint8_t* got = &out[(std::size_t(y) * c.outWidth + x) * 3];
                    differ += got[0] != want[0] || got[1] != want[1] || got[2] != want[2];
                    white += want[0] == 255 && want[1] == 255 && want[2] == 255;
                }
            EXPECT_EQ(differ, 0u) << c.what << " at level " << RectifyLevel();
            EXPECT_GE(white, c.leastWhite) << c.what << ": no white around";
        }
    }
    UsePlainRectify(false);
}

TEST(RectifyPicture, RefusesWhatItCannotRead) {
    std::vector<std::uint8_t> src(4 * 4 * 3), out(100);
    const double identity[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    EXPECT_FALSE(
        RectifyPicture({src.data(), 3, 3, 9}, identity, 3, 3, out.data(), 9));  // under 4 dots a side
    EXPECT_FALSE(RectifyPicture({nullptr, 4, 4, 12}, identity, 3, 3, out.data(), 9));
    EXPECT_FALSE(RectifyPicture({src.data(), 4, 4, 12}, identity, 3, 3, out.data(), 8));  // short output rows
    EXPECT_TRUE(RectifyPicture({src.data(), 4, 4, 12}, identity, 3, 3, out.data(), 9));
}
