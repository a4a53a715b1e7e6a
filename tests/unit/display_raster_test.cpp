#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "image/image_data.h"
#include "reference_resample.h"
#include "viewer/display_raster.h"

namespace {

CImageData MakeImage(int width, int height, const std::vector<std::uint8_t>& rgb) {
    CImageData image;
    EXPECT_TRUE(image.SetImageSize(width, height));
    EXPECT_TRUE(image.StorePixels(rgb.data(), rgb.size(), false));
    return image;
}

// Noise with hard 0/255 edges mixed in, so that overshoot clamping is hit.
CImageData NoiseImage(int width, int height, unsigned seed) {
    std::mt19937 gen(seed);
    std::vector<std::uint8_t> rgb(std::size_t(width) * height * 3);
    for (std::size_t i = 0; i < rgb.size(); ++i) {
        unsigned r = gen();
        rgb[i] = (r & 0x300) == 0 ? std::uint8_t((r & 1) * 255) : std::uint8_t(r);
    }
    return MakeImage(width, height, rgb);
}

const std::uint8_t* Dot(const DisplayRaster& raster, int x, int y) {
    return &raster.pixels[(std::size_t(y) * raster.width + x) * 3];
}

void ExpectMatchesReference(const CImageData& image, double scale) {
    SCOPED_TRACE(testing::Message() << image.width() << "x" << image.height() << " at " << scale);
    DisplayRaster raster;
    ASSERT_TRUE(RenderDisplay(image, scale, raster));
    int w = 0, h = 0;
    std::vector<std::uint8_t> expected =
        reference::Resample(image.pixels(), image.width(), image.height(), scale, w, h);
    ASSERT_EQ(raster.width, w);
    ASSERT_EQ(raster.height, h);
    ASSERT_EQ(raster.pixels.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (raster.pixels[i] != expected[i]) {
            std::size_t dot = i / 3;
            FAIL() << "dot (" << dot % std::size_t(w) << ", " << dot / std::size_t(w) << ") channel "
                   << i % 3 << ": " << int(raster.pixels[i]) << " != " << int(expected[i]);
        }
    }
}

}  // namespace

TEST(DisplayRaster, MatchesTheDotByDotFormulaAtEveryScale) {
    const double scales[] = {0.25, 0.29, 0.5, 1.5, 2.0, 2.01, 4.0, 1.0, 0.1, 3.33};
    const CImageData images[] = {NoiseImage(37, 23, 1), NoiseImage(4, 4, 2), NoiseImage(5, 9, 3),
                                 NoiseImage(101, 64, 4)};
    for (const CImageData& image : images)
        for (double scale : scales) ExpectMatchesReference(image, scale);
}

TEST(DisplayRaster, LargeRasterSplitOverThreadsStillMatches) {
    // 300 x 240 dots: enough to be split over the cores.
    ExpectMatchesReference(NoiseImage(150, 120, 5), 2.0);
    ExpectMatchesReference(NoiseImage(640, 480, 6), 0.29);
}

TEST(DisplayRaster, ImagesSmallerThanTheNeighbourhoodStayInside) {
    // Run under AddressSanitizer these would report any read past the image.
    const int sizes[][2] = {{1, 1}, {2, 3}, {3, 3}, {3, 1}, {1, 7}, {7, 2}};
    for (auto& size : sizes)
        for (double scale : {2.0, 0.5, 1.5, 4.0, 0.29})
            ExpectMatchesReference(NoiseImage(size[0], size[1], 7), scale);
}

TEST(DisplayRaster, SmallImageRepeatsItsEdge) {
    // A 1 x 1 image at 2.0: the first row and column are out of reach, the
    // rest is the one dot.
    CImageData image = MakeImage(1, 1, {10, 20, 30});
    DisplayRaster raster;
    ASSERT_TRUE(RenderDisplay(image, 2.0, raster));
    ASSERT_EQ(raster.width, 2);
    ASSERT_EQ(raster.height, 2);
    EXPECT_EQ(std::vector<std::uint8_t>(raster.pixels.begin(), raster.pixels.end()),
              (std::vector<std::uint8_t>{255, 255, 255, 255, 255, 255, 255, 255, 255, 10, 20, 30}));
}

TEST(DisplayRaster, ScaleOneIsAPlainCopy) {
    CImageData image = NoiseImage(13, 7, 8);
    DisplayRaster raster;
    ASSERT_TRUE(RenderDisplay(image, 1.0, raster));
    EXPECT_EQ(raster.width, 13);
    EXPECT_EQ(raster.height, 7);
    EXPECT_EQ(raster.pixels, std::vector<std::uint8_t>(image.pixels(), image.pixels() + image.pixelBytes()));
}

TEST(DisplayRaster, DoubleScaleHasWhiteFirstRowAndColumnAndComputedLastOnes) {
    CImageData image = MakeImage(4, 4, std::vector<std::uint8_t>(48, 0));
    DisplayRaster raster;
    ASSERT_TRUE(RenderDisplay(image, 2.0, raster));
    ASSERT_EQ(raster.width, 8);
    ASSERT_EQ(raster.height, 8);
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(Dot(raster, k, 0)[0], 255) << k;
        EXPECT_EQ(Dot(raster, 0, k)[1], 255) << k;
    }
    for (int k = 1; k < 8; ++k) {
        EXPECT_EQ(Dot(raster, k, 7)[0], 0) << k;  // fy = 2 is inside the reach
        EXPECT_EQ(Dot(raster, 7, k)[2], 0) << k;
    }
}

TEST(DisplayRaster, DotsOnTheSourceGridTakeTheSourceDot) {
    // At 2.0 a 4 x 4 image's display dot (3, 3) sits exactly on image dot
    // (1, 1): weights 0, 1, 0, 0.
    std::vector<std::uint8_t> rgb(48);
    for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = std::uint8_t(i * 5);
    CImageData image = MakeImage(4, 4, rgb);
    DisplayRaster raster;
    ASSERT_TRUE(RenderDisplay(image, 2.0, raster));
    const std::uint8_t* dot = Dot(raster, 3, 3);
    EXPECT_EQ(dot[0], rgb[15]);
    EXPECT_EQ(dot[1], rgb[16]);
    EXPECT_EQ(dot[2], rgb[17]);
}

TEST(DisplayRaster, SizesAreTruncated) {
    DisplayRaster raster;
    ASSERT_TRUE(RenderDisplay(NoiseImage(101, 10, 9), 0.5, raster));
    EXPECT_EQ(raster.width, 50);
    EXPECT_EQ(raster.height, 5);
    int w = 0, h = 0;
    ASSERT_TRUE(DisplayRasterSize(3, 3, 0.29, w, h));
    EXPECT_EQ(w, 0);  // an empty raster, not a failure
    ASSERT_TRUE(RenderDisplay(NoiseImage(3, 3, 10), 0.29, raster));
    EXPECT_EQ(raster.width, 0);
    EXPECT_TRUE(raster.pixels.empty());
}

TEST(DisplayRaster, RefusedScalesLeaveTheRasterAsItWas) {
    CImageData image = NoiseImage(8, 8, 11);
    DisplayRaster raster;
    ASSERT_TRUE(RenderDisplay(image, 1.0, raster));
    const std::vector<std::uint8_t> before = raster.pixels;
    EXPECT_FALSE(RenderDisplay(image, 0.0, raster));
    EXPECT_FALSE(RenderDisplay(image, -1.5, raster));
    EXPECT_FALSE(RenderDisplay(image, std::nan(""), raster));
    EXPECT_FALSE(RenderDisplay(image, 1e9, raster));  // far beyond 2^28 dots
    EXPECT_EQ(raster.width, 8);
    EXPECT_EQ(raster.pixels, before);

    int w = 0, h = 0;
    EXPECT_TRUE(DisplayRasterSize(16384, 16384, 1.0, w, h));
    EXPECT_FALSE(DisplayRasterSize(16384, 16384, 1.01, w, h));
    EXPECT_FALSE(DisplayRasterSize(4000, 3000, 25.0, w, h));
}

TEST(DisplayRaster, SizedImageWithoutPixelsIsRefused) {
    CImageData image;
    ASSERT_TRUE(image.SetImageSize(10, 10));  // a load that failed half-way
    DisplayRaster raster;
    EXPECT_FALSE(RenderDisplay(image, 2.0, raster));
    EXPECT_FALSE(RenderDisplay(image, 1.0, raster));
}

TEST(DeviceRaster, RowLengthsPerDepth) {
    DisplayRaster display{.width = 3, .height = 2, .pixels = std::vector<std::uint8_t>(18, 0)};
    DeviceRaster device;
    ASSERT_TRUE(BuildDeviceRaster(display, 24, device));
    EXPECT_EQ(device.rowBytes, 10);
    EXPECT_EQ(device.rows, 2);
    EXPECT_EQ(device.pixels.size(), 20u);
    ASSERT_TRUE(BuildDeviceRaster(display, 16, device));
    EXPECT_EQ(device.rowBytes, 6);
    ASSERT_TRUE(BuildDeviceRaster(display, 32, device));
    EXPECT_EQ(device.rowBytes, 12);
    display.width = 4;
    display.pixels.assign(24, 0);
    ASSERT_TRUE(BuildDeviceRaster(display, 24, device));
    EXPECT_EQ(device.rowBytes, 12);  // already even
}

TEST(DeviceRaster, PixelLayouts) {
    DisplayRaster display{.width = 3, .height = 1, .pixels = {255, 255, 255, 255, 0, 0, 0x12, 0x34, 0x56}};
    DeviceRaster device;
    ASSERT_TRUE(BuildDeviceRaster(display, 16, device));
    EXPECT_EQ(device.pixels, (std::vector<std::uint8_t>{0xFF, 0xFF, 0x00, 0xF8,
                                                        // 0x12>>3=2, 0x34>>2=13, 0x56>>3=10
                                                        std::uint8_t((13 & 7) << 5 | 10),
                                                        std::uint8_t(0x10 | (0x34 >> 5))}));
    ASSERT_TRUE(BuildDeviceRaster(display, 24, device));
    EXPECT_EQ(device.pixels, (std::vector<std::uint8_t>{255, 255, 255, 0, 0, 255, 0x56, 0x34, 0x12, 0}));
    ASSERT_TRUE(BuildDeviceRaster(display, 32, device));
    EXPECT_EQ(device.pixels,
              (std::vector<std::uint8_t>{255, 255, 255, 0, 0, 0, 255, 0, 0x56, 0x34, 0x12, 0}));
}

TEST(DeviceRaster, RefusesOtherDepthsAndShortRasters) {
    DisplayRaster display{.width = 2, .height = 2, .pixels = std::vector<std::uint8_t>(12, 1)};
    DeviceRaster device;
    ASSERT_TRUE(BuildDeviceRaster(display, 32, device));
    EXPECT_FALSE(BuildDeviceRaster(display, 8, device));
    EXPECT_FALSE(BuildDeviceRaster(display, 15, device));
    display.pixels.resize(11);
    EXPECT_FALSE(BuildDeviceRaster(display, 24, device));
    EXPECT_EQ(device.depth, 32);  // unchanged
    EXPECT_EQ(device.rowBytes, 8);
}

TEST(DeviceRaster, RowBytesRule) {
    EXPECT_EQ(DeviceRowBytes(24, 3), 10);
    EXPECT_EQ(DeviceRowBytes(24, 2), 6);
    EXPECT_EQ(DeviceRowBytes(16, 3), 6);
    EXPECT_EQ(DeviceRowBytes(32, 3), 12);
    EXPECT_EQ(DeviceRowBytes(8, 3), 0);
    EXPECT_EQ(DeviceRowBytes(32, -1), 0);
}
