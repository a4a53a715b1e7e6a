#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "app/preview_scaling.h"

namespace {

std::vector<int> Columns(int width, double s) {
    std::vector<int> columns;
    const int out = ScaledLength(width, s);
    for (int j = 0; j < out; ++j) columns.push_back(PreviewSourceIndex(j, out, width, s));
    return columns;
}

// An image whose pixel (x, y) holds x, y and x + y.
std::vector<std::uint8_t> Coordinates(int width, int height) {
    std::vector<std::uint8_t> rgb;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            rgb.push_back(static_cast<std::uint8_t>(x));
            rgb.push_back(static_cast<std::uint8_t>(y));
            rgb.push_back(static_cast<std::uint8_t>(x + y));
        }
    return rgb;
}

}  // namespace

TEST(PreviewScaling, FitScaleAndTruncatedSize) {
    const double s = PreviewFitScale(114, 137, 400, 300);
    EXPECT_DOUBLE_EQ(s, 114.0 / 400.0);
    // 400 x 0.285 falls just below 114 in double precision.
    EXPECT_EQ(ScaledLength(400, s), 113);
    EXPECT_EQ(ScaledLength(300, s), 85);

    const double up = PreviewFitScale(114, 137, 50, 50);  // small pictures are enlarged
    EXPECT_DOUBLE_EQ(up, 2.28);
    EXPECT_EQ(ScaledLength(50, up), 113);

    EXPECT_EQ(PreviewFitScale(114, 137, 0, 50), 0.0);
    EXPECT_EQ(PreviewFitScale(0, 137, 50, 50), 0.0);
}

TEST(PreviewScaling, SourceColumnsMapCentreOntoCentre) {
    EXPECT_EQ(Columns(4, 0.5), (std::vector<int>{0, 1}));
    EXPECT_EQ(Columns(2, 2.0), (std::vector<int>{0, 0, 0, 1}));
    // At 1.0 the output's centre (pw / 2) lies half a pixel right of the
    // image's ((W - 1) / 2): every column copies its left neighbour.
    EXPECT_EQ(Columns(3, 1.0), (std::vector<int>{0, 0, 1}));
    // Enlarged far: the first and last positions are kept inside the source.
    const std::vector<int> wide = Columns(1, 114.0);
    ASSERT_EQ(wide.size(), 114u);
    for (int column : wide) EXPECT_EQ(column, 0);
    for (int column : Columns(7, 16.3)) {
        EXPECT_GE(column, 0);
        EXPECT_LT(column, 7);
    }
}

TEST(PreviewScaling, PixelsCopiedFromTheSampledPlaces) {
    const auto image = Coordinates(4, 2);
    const DisplayRaster half = BuildPreviewPixels(image.data(), 4, 2, 0.5);
    ASSERT_EQ(half.width, 2);
    ASSERT_EQ(half.height, 1);
    ASSERT_EQ(half.pixels.size(), 6u);
    // Row: (0 - 0.5 + 0.25) / 0.5 -> 0; columns 0 and 1.
    EXPECT_EQ(half.pixels, (RasterBytes{0, 0, 0, 1, 0, 1}));

    const auto small = Coordinates(2, 2);
    const DisplayRaster twice = BuildPreviewPixels(small.data(), 2, 2, 2.0);
    ASSERT_EQ(twice.width, 4);
    ASSERT_EQ(twice.height, 4);
    // Last row and column come from source row and column 1.
    const std::size_t last = (3 * 4 + 3) * 3;
    EXPECT_EQ(twice.pixels[last], 1);
    EXPECT_EQ(twice.pixels[last + 1], 1);
    EXPECT_EQ(twice.pixels[last + 2], 2);
    // Row 2 still comes from source row 0.
    EXPECT_EQ(twice.pixels[(2 * 4 + 3) * 3 + 1], 0);
}

TEST(PreviewScaling, NothingBuiltForEmptyInputOrNoScale) {
    const auto image = Coordinates(3, 3);
    EXPECT_EQ(BuildPreviewPixels(image.data(), 3, 3, 0.0).pixels.size(), 0u);
    EXPECT_EQ(BuildPreviewPixels(nullptr, 3, 3, 1.0).width, 0);
    EXPECT_EQ(BuildPreviewPixels(image.data(), 0, 3, 1.0).height, 0);
    // A picture that shrinks below one row has no pixels but no fault either.
    const DisplayRaster flat = BuildPreviewPixels(image.data(), 3, 3, 0.2);
    EXPECT_EQ(flat.width, 0);
    EXPECT_TRUE(flat.pixels.empty());
}
