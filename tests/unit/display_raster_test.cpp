#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "image/image_data.h"
#include "image/rgb_view_of.h"
#include "reference_resample.h"
#include "render/display_raster.h"
#include "render/display_region.h"
#include "render/resample_rows.h"
#include "render/tile_cache.h"

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
    ASSERT_TRUE(RenderDisplay(RgbViewOf(image), scale, raster));
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

// Every dot of region equals the formula's dot at its place in the display
// image; the region's raster has exactly the region's size.
void ExpectRegionMatchesReference(const CImageData& image, double scale, const DisplayRegion& region) {
    SCOPED_TRACE(testing::Message() << image.width() << "x" << image.height() << " at " << scale << ", "
                                    << region.width << "x" << region.height << " from (" << region.x
                                    << ", " << region.y << ")");
    int dw = 0, dh = 0;
    ASSERT_TRUE(DisplayImageSize(image.width(), image.height(), scale, dw, dh));
    DisplayRaster raster;
    ASSERT_TRUE(RenderDisplayRegion(RgbViewOf(image), scale, region, raster));
    ASSERT_EQ(raster.width, region.width);
    ASSERT_EQ(raster.height, region.height);
    for (int i = 0; i < region.height; ++i)
        for (int j = 0; j < region.width; ++j) {
            std::uint8_t expected[3];
            if (scale == 1.0) {
                const std::uint8_t* src = image.pixels() + (std::size_t(region.y + i) * image.width() + region.x + j) * 3;
                std::copy(src, src + 3, expected);
            } else {
                reference::ResampleDot(image.pixels(), image.width(), image.height(), scale, dw, dh,
                                       region.x + j, region.y + i, expected);
            }
            const std::uint8_t* got = Dot(raster, j, i);
            ASSERT_TRUE(std::equal(expected, expected + 3, got))
                << "display dot (" << region.x + j << ", " << region.y + i << ")";
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
    ASSERT_TRUE(RenderDisplay(RgbViewOf(image), 2.0, raster));
    ASSERT_EQ(raster.width, 2);
    ASSERT_EQ(raster.height, 2);
    EXPECT_EQ(std::vector<std::uint8_t>(raster.pixels.begin(), raster.pixels.end()),
              (std::vector<std::uint8_t>{255, 255, 255, 255, 255, 255, 255, 255, 255, 10, 20, 30}));
}

TEST(DisplayRaster, ScaleOneIsAPlainCopy) {
    CImageData image = NoiseImage(13, 7, 8);
    DisplayRaster raster;
    ASSERT_TRUE(RenderDisplay(RgbViewOf(image), 1.0, raster));
    EXPECT_EQ(raster.width, 13);
    EXPECT_EQ(raster.height, 7);
    EXPECT_EQ(raster.pixels, RasterBytes(image.pixels(), image.pixels() + image.pixelBytes()));
}

TEST(DisplayRaster, DoubleScaleHasWhiteFirstRowAndColumnAndComputedLastOnes) {
    CImageData image = MakeImage(4, 4, std::vector<std::uint8_t>(48, 0));
    DisplayRaster raster;
    ASSERT_TRUE(RenderDisplay(RgbViewOf(image), 2.0, raster));
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
    ASSERT_TRUE(RenderDisplay(RgbViewOf(image), 2.0, raster));
    const std::uint8_t* dot = Dot(raster, 3, 3);
    EXPECT_EQ(dot[0], rgb[15]);
    EXPECT_EQ(dot[1], rgb[16]);
    EXPECT_EQ(dot[2], rgb[17]);
}

TEST(DisplayRaster, SizesAreTruncated) {
    DisplayRaster raster;
    ASSERT_TRUE(RenderDisplay(RgbViewOf(NoiseImage(101, 10, 9)), 0.5, raster));
    EXPECT_EQ(raster.width, 50);
    EXPECT_EQ(raster.height, 5);
    int w = 0, h = 0;
    ASSERT_TRUE(DisplayRasterSize(3, 3, 0.29, w, h));
    EXPECT_EQ(w, 0);  // an empty raster, not a failure
    ASSERT_TRUE(RenderDisplay(RgbViewOf(NoiseImage(3, 3, 10)), 0.29, raster));
    EXPECT_EQ(raster.width, 0);
    EXPECT_TRUE(raster.pixels.empty());
}

TEST(DisplayRaster, RefusedScalesLeaveTheRasterAsItWas) {
    CImageData image = NoiseImage(8, 8, 11);
    DisplayRaster raster;
    ASSERT_TRUE(RenderDisplay(RgbViewOf(image), 1.0, raster));
    const RasterBytes before = raster.pixels;
    EXPECT_FALSE(RenderDisplay(RgbViewOf(image), 0.0, raster));
    EXPECT_FALSE(RenderDisplay(RgbViewOf(image), -1.5, raster));
    EXPECT_FALSE(RenderDisplay(RgbViewOf(image), std::nan(""), raster));
    EXPECT_FALSE(RenderDisplay(RgbViewOf(image), 1e9, raster));  // far beyond 2^28 dots
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
    EXPECT_FALSE(RenderDisplay(RgbViewOf(image), 2.0, raster));
    EXPECT_FALSE(RenderDisplay(RgbViewOf(image), 1.0, raster));
}

TEST(DeviceRaster, RowLengthsPerDepth) {
    DisplayRaster display{.width = 3, .height = 2, .pixels = RasterBytes(18, 0)};
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
              (std::vector<std::uint8_t>{255, 255, 255, 0xFF, 0, 0, 255, 0xFF, 0x56, 0x34, 0x12, 0xFF}));
}

TEST(DeviceRaster, RefusesOtherDepthsAndShortRasters) {
    DisplayRaster display{.width = 2, .height = 2, .pixels = RasterBytes(12, 1)};
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

TEST(DisplayRegion, RandomRegionsMatchTheFormulaAtTheirOffsets) {
    std::mt19937 gen(21);
    const double scales[] = {0.29, 0.5, 1.0, 1.5, 2.0, 2.01, 3.33, 4.0, 7.5, 8.0, 0.125};
    const int sizes[][2] = {{1, 1}, {2, 3}, {3, 7}, {4, 4}, {37, 23}, {211, 97}};
    for (auto& size : sizes) {
        const CImageData image = NoiseImage(size[0], size[1], unsigned(size[0] * 31 + size[1]));
        for (double scale : scales) {
            int dw = 0, dh = 0;
            ASSERT_TRUE(DisplayImageSize(size[0], size[1], scale, dw, dh));
            if (dw == 0 || dh == 0) continue;
            // The whole image, its four corners (white border dots at
            // magnifications) and random rectangles anywhere.
            ExpectRegionMatchesReference(image, scale, {0, 0, dw, dh});
            const int cw = std::min(dw, 70), ch = std::min(dh, 5);
            ExpectRegionMatchesReference(image, scale, {dw - cw, dh - ch, cw, ch});
            ExpectRegionMatchesReference(image, scale, {0, dh - ch, cw, ch});
            for (int n = 0; n < 6; ++n) {
                const int x = int(gen() % unsigned(dw)), y = int(gen() % unsigned(dh));
                const int w = 1 + int(gen() % unsigned(dw - x)), h = 1 + int(gen() % unsigned(dh - y));
                ExpectRegionMatchesReference(image, scale, {x, y, w, h});
            }
        }
    }
}

TEST(DisplayRegion, AWorkspaceKeepsNoColumnsOfAnEarlierRegionScaleOrImage) {
    // One workspace of few rows (several bands) for one call after another,
    // each against a fresh workspace's dots.
    RegionWorkspace work(7, 300);
    const CImageData wide = NoiseImage(97, 41, 5), narrow = NoiseImage(61, 41, 6);
    struct Call {
        const CImageData* image;
        double scale;
        DisplayRegion region;
    };
    const Call calls[] = {{&wide, 2.0, {0, 0, 194, 30}}, {&wide, 2.0, {5, 3, 140, 20}},
                          {&wide, 2.5, {5, 3, 140, 20}}, {&narrow, 2.5, {5, 3, 140, 20}},
                          {&wide, 2.0, {0, 0, 194, 30}}};
    for (const Call& call : calls) {
        SCOPED_TRACE(testing::Message() << call.image->width() << " wide at " << call.scale << " from "
                                        << call.region.x);
        int dw = 0, dh = 0;
        ASSERT_TRUE(DisplayImageSize(call.image->width(), call.image->height(), call.scale, dw, dh));
        DisplayRaster fresh;
        ASSERT_TRUE(RenderDisplayRegion(RgbViewOf(*call.image), call.scale, call.region, fresh));
        std::vector<std::uint8_t> got(fresh.pixels.size());
        ResampleRegion(RgbViewOf(*call.image), call.scale, dw, dh, call.region, DotLayout::Rgb, got.data(),
                       std::size_t(call.region.width) * 3, work);
        EXPECT_TRUE(std::equal(got.begin(), got.end(), fresh.pixels.begin()));
    }
}

TEST(DisplayRegion, RefusesRegionsOutsideAndSidesBeyondACoordinateCell) {
    const CImageData image = NoiseImage(10, 10, 22);
    DisplayRaster raster;
    EXPECT_FALSE(RenderDisplayRegion(RgbViewOf(image), 2.0, {15, 0, 6, 1}, raster));  // 20 dots wide
    EXPECT_FALSE(RenderDisplayRegion(RgbViewOf(image), 2.0, {-1, 0, 2, 2}, raster));
    EXPECT_FALSE(RenderDisplayRegion(RgbViewOf(image), 0.0, {0, 0, 1, 1}, raster));
    EXPECT_TRUE(raster.pixels.empty());
    int w = 0, h = 0;
    // A 6000 x 4000 picture at 400 % and 25 times 4000 x 3000 are fine for
    // the viewer, though far beyond a whole raster.
    EXPECT_TRUE(DisplayImageSize(6000, 4000, 4.0, w, h));
    EXPECT_EQ(w, 24000);
    EXPECT_TRUE(DisplayImageSize(4000, 3000, 25.0, w, h));
    EXPECT_FALSE(DisplayRasterSize(6000, 4000, 4.0, w, h));
    EXPECT_TRUE(DisplayImageSize(MAX_DISPLAY_SIDE, 1, 1.0, w, h));
    EXPECT_FALSE(DisplayImageSize(400000, 1, 250.0, w, h));  // 100,000,000 dots wide
    EXPECT_TRUE(DisplayImageSize(400000, 1, 249.99, w, h));
}

TEST(ResampleKernel, EveryVariantSpreadsRowsAndSumsAsTheScalarOne) {
    // Rows spread out from offsets anywhere in a row, the last dot included.
    std::mt19937 gen(25);
    constexpr int stride = KERNEL_STRIP;
    std::vector<std::uint8_t> src(3 * 100 + 1);
    for (auto& v : src) v = std::uint8_t(gen());
    // Groups of 8 dots whose tap columns lie side by side, as within an
    // image, reading 7, 13, 21 and 41 dots of the row, and then groups of
    // dots anywhere.
    for (int round = 0; round < 2; ++round) {
        SpreadPlan plan;
        for (auto& o : plan.offsets) o = std::int32_t(gen() % 100) * 3;
        plan.offsets[5] = 99 * 3;
        if (round == 0)
            for (int j = 0; j < stride; ++j) {
                const int first = j < 8    ? j / 2 + 90
                                  : j < 16 ? 60 + (j - 8) * 3 / 2
                                  : j < 24 ? 70 + (j - 16) * 5 / 2
                                           : (j - 24) * 5;
                for (int l = 0; l < 4; ++l) plan.offsets[l * stride + j] = (first + l) * 3;
            }
        PlanGroups(plan);
        std::vector<double> expectedPlanes(12 * stride), planes(12 * stride);
        SpreadRowScalar(src.data(), plan, expectedPlanes.data(), stride);
        for (const RowKernelVariant& variant : SupportedRowKernels()) {
            std::fill(planes.begin(), planes.end(), -1.0);
            variant.spread(src.data(), plan, planes.data(), stride);
            EXPECT_EQ(planes, expectedPlanes) << variant.name << ", round " << round;
        }
    }

    // Weights and values that drive sums beyond both clamps and onto exact
    // integers, in planes of two strips.
    std::uniform_real_distribution<double> weight(-0.2, 1.1);
    std::vector<double> values(4 * 12 * stride), weights(4 * stride), taps(16 * stride);
    for (int round = 0; round < 200; ++round) {
        for (double& v : values) v = double(gen() % 4 == 0 ? (gen() & 1) * 255 : gen() % 256);
        for (double& w : weights) w = round % 3 == 0 ? double(gen() % 2) : weight(gen);
        KernelRow row;
        double rowWeights[4];
        for (int k = 0; k < 4; ++k) {
            row.rowValues[k] = values.data() + k * 12 * stride;
            rowWeights[k] = round % 3 == 0 ? double(k == 1) : weight(gen);
        }
        TapWeights(rowWeights, weights.data(), taps.data(), stride);
        EXPECT_EQ(taps[9 * stride + 5], rowWeights[2] * weights[stride + 5]);
        row.tapWeights = taps.data();
        std::uint8_t columns[stride / KERNEL_LANES];
        ColumnTaps(weights.data(), columns, stride);
        TapMasks(rowWeights, columns, row.taps, stride / KERNEL_LANES);
        row.count = stride;
        std::vector<std::uint32_t> expected(stride), got(stride);
        auto run = [&](RowKernel kernel, std::vector<std::uint32_t>& out) {
            row.dots = out.data();
            kernel(row);
        };
        run(ResampleRowScalar, expected);
        for (const RowKernelVariant& variant : SupportedRowKernels()) {
            std::fill(got.begin(), got.end(), 0x5A);
            run(variant.kernel, got);
            ASSERT_EQ(got, expected) << variant.name << ", round " << round;
        }
    }
}

TEST(ResampleKernel, ColumnSumsOfWeightsInPowersOfTwoGiveTheFormulasDotsInEveryVariant) {
    // Weights in 64ths, as magnification by 4 gives, some beyond the
    // kernel's own, on values that drive sums beyond both clamps: the
    // formula's products and sums, tap by tap, are exact.
    std::mt19937 gen(44);
    constexpr int stride = KERNEL_STRIP;
    std::vector<double> planes(4 * 12 * stride), columnWeights(4 * stride);
    double rowWeights[4];
    auto weight = [&] { return double(int(gen() % 80) - 20) / 64.0; };
    for (int round = 0; round < 50; ++round) {
        for (double& v : planes) v = double(gen() % 3 == 0 ? (gen() & 1) * 255 : gen() % 256);
        for (double& w : columnWeights) w = weight();
        for (double& w : rowWeights) w = round % 5 == 0 ? 0.0 : weight();
        rowWeights[round % 4] = 1.0;
        double columnMass = 0.0;
        for (int j = 0; j < stride; ++j) {
            double mass = 0.0;
            for (int l = 0; l < 4; ++l) mass += std::fabs(columnWeights[l * stride + j]);
            columnMass = std::max(columnMass, mass);
        }
        double rowMass = 0.0;
        for (double w : rowWeights) rowMass += std::fabs(w);
        ASSERT_TRUE(SumsExact(ExactNumerators(ExactExponent(rowWeights, 4), rowMass),
                              ExactNumerators(ExactExponent(columnWeights.data(), 4 * stride), columnMass)));
        std::vector<std::uint32_t> expected(stride);
        for (int j = 0; j < stride; ++j)
            for (int c = 0; c < 3; ++c) {
                double sum = 0.0;
                for (int k = 0; k < 4; ++k)
                    for (int l = 0; l < 4; ++l)
                        sum += rowWeights[k] * columnWeights[l * stride + j] * planes[(12 * k + 3 * l + c) * stride + j];
                expected[j] |= std::uint32_t(sum > 255.0 ? 255 : sum < 0.0 ? 0 : int(sum)) << (8 * c);
            }
        for (const RowKernelVariant& variant : SupportedRowKernels()) {
            std::vector<float> sums(4 * 3 * stride);
            const float* rows[4];
            for (int k = 0; k < 4; ++k) {
                variant.sumColumns(planes.data() + 12 * k * stride, columnWeights.data(), sums.data() + 3 * k * stride,
                                   stride);
                rows[k] = sums.data() + 3 * k * stride;
            }
            std::vector<std::uint32_t> got(stride, 0x5A);
            variant.sumRows(rows, rowWeights, got.data(), stride);
            ASSERT_EQ(got, expected) << variant.name << ", round " << round;
        }
    }
    // Straight from a row's bytes where each 16 dots read within 64 bytes
    // (19 dots, then 9), as magnifications do, the last dot of the row
    // included.
    std::vector<std::uint8_t> row(3 * 39);
    for (auto& v : row) v = std::uint8_t(gen() % 3 == 0 ? (gen() & 1) * 255 : gen());
    SpreadPlan plan;
    for (int j = 0; j < stride; ++j)
        for (int l = 0; l < 4; ++l) plan.offsets[l * stride + j] = (j < 16 ? j + l : 30 + (j - 16) * 3 / 8 + l) * 3;
    PlanGroups(plan);
    ASSERT_TRUE(plan.near);
    std::vector<float> expectedSums(3 * stride), gotSums(3 * stride);
    SpreadRowScalar(row.data(), plan, planes.data(), stride);
    SumColumnsScalar(planes.data(), columnWeights.data(), expectedSums.data(), stride);
    for (const RowKernelVariant& variant : SupportedRowKernels())
        if (variant.sumNear) {
            std::fill(gotSums.begin(), gotSums.end(), -1.0f);
            const std::vector<float> singleWeights(columnWeights.begin(), columnWeights.end());
            variant.sumNear(row.data(), plan, singleWeights.data(), gotSums.data(), stride);
            EXPECT_EQ(gotSums, expectedSums) << variant.name;
        }

    // A third's 53 bits, or sums too wide for single precision (800 %),
    // keep to the formula tap by tap.
    const double third[] = {1.0 / 3, 0.5, 0.25, 0.0}, tiny[] = {0x1p-61, 0.0, 0.0, 0.0};
    EXPECT_EQ(ExactExponent(third, 4), 54);
    EXPECT_FALSE(SumsExact(ExactNumerators(54, 13.0 / 12), 1.0));
    EXPECT_EQ(ExactExponent(tiny, 4), -1);
    EXPECT_FALSE(SumsExact(ExactNumerators(-1, 1.0), 1.0));
    EXPECT_TRUE(SumsExact(ExactNumerators(6, 1.5), ExactNumerators(6, 1.5)));
    EXPECT_FALSE(SumsExact(ExactNumerators(9, 1.5), ExactNumerators(9, 1.5)));
}

TEST(ResampleKernel, EveryVariantPacksDotsAsThePlainOneAndNoFurther) {
    std::mt19937 gen(31);
    std::uint32_t dots[KERNEL_STRIP];
    std::uint8_t lanes[KERNEL_STRIP];
    for (auto& d : dots) d = gen() & 0xFFFFFF;
    for (int j = 0; j < KERNEL_STRIP; ++j) lanes[j] = std::uint8_t(KERNEL_STRIP - 1 - j);
    for (DotLayout layout : {DotLayout::Rgb, DotLayout::Screen16, DotLayout::Screen24, DotLayout::Screen32})
        for (int count : {1, 5, 16, 17, 31, 32})
            for (const std::uint8_t* order : {static_cast<const std::uint8_t*>(nullptr), static_cast<const std::uint8_t*>(lanes)}) {
                std::vector<std::uint8_t> expected(4 * KERNEL_STRIP + 8, 0xA5);
                PackDots(layout, dots, expected.data(), count, order);
                for (const RowKernelVariant& variant : SupportedRowKernels()) {
                    std::vector<std::uint8_t> got(expected.size(), 0xA5);
                    variant.pack(layout, dots, got.data(), count, order);
                    EXPECT_EQ(got, expected) << variant.name << ", " << count << " dots";
                }
            }
}

TEST(TileCache, KeepsItsBudgetDroppingTheLeastRecentlyUsedAndShowsTheFormulasDots) {
    const CImageData image = NoiseImage(300, 200, 24);
    const std::size_t tileBytes = std::size_t(TILE_SIDE) * TILE_SIDE * 4;
    TileCache cache(5 * tileBytes);
    ASSERT_TRUE(cache.Show(RgbViewOf(image), 4.0, 32));  // 1200 x 800 dots: 5 x 4 tiles
    ASSERT_EQ(cache.displayWidth(), 1200);
    const TileSpan first = TilesCovering({0, 0, 600, 300}, 1200, 800);  // 3 x 2 tiles
    ASSERT_EQ(first.count(), 6);
    cache.Require(first);
    EXPECT_EQ(cache.tileCount(), 6u);  // the asked tiles are kept even beyond the budget
    ASSERT_NE(cache.Find(0, 0), nullptr);  // (0, 0) now the most recently used

    // Scrolling to the right: the asked tiles come in, the oldest others go.
    cache.Require(TilesCovering({700, 0, 500, 250}, 1200, 800));  // columns 2..4, row 0
    EXPECT_LE(cache.heldBytes(), 5 * tileBytes);
    EXPECT_NE(cache.Find(0, 0), nullptr);
    EXPECT_EQ(cache.Find(1, 1), nullptr);
    EXPECT_NE(cache.Find(4, 0), nullptr);
    EXPECT_EQ(cache.renderedCount(), 8u);

    // The last tile, cut at the image's edges, in the 32-bit layout.
    cache.Require(TilesCovering({1100, 700, 100, 100}, 1200, 800));
    const DeviceRaster* tile = cache.Find(4, 3);
    ASSERT_NE(tile, nullptr);
    ASSERT_EQ(tile->width, 1200 - 4 * TILE_SIDE);
    ASSERT_EQ(tile->rows, 800 - 3 * TILE_SIDE);
    for (int y = 0; y < tile->rows; y += 7)
        for (int x = 0; x < tile->width; x += 5) {
            std::uint8_t dot[3];
            reference::ResampleDot(image.pixels(), 300, 200, 4.0, 1200, 800, 4 * TILE_SIDE + x,
                                   3 * TILE_SIDE + y, dot);
            const std::uint8_t* got = &tile->pixels[std::size_t(y) * tile->rowBytes + std::size_t(x) * 4];
            ASSERT_EQ((std::array<int, 3>{got[2], got[1], got[0]}), (std::array<int, 3>{dot[0], dot[1], dot[2]}))
                << x << ", " << y;
        }
    // Every dot opaque: Format_RGB32 wants 0xFF in the fourth byte, and a
    // compositor takes it as alpha.
    for (int y = 0; y < tile->rows; ++y)
        for (int x = 0; x < tile->width; ++x)
            ASSERT_EQ(tile->pixels[std::size_t(y) * tile->rowBytes + std::size_t(x) * 4 + 3], 0xFF)
                << x << ", " << y;

    // Another scale or depth starts afresh; a display image beyond a
    // coordinate cell shows nothing.
    ASSERT_TRUE(cache.Show(RgbViewOf(image), 4.0, 16));
    EXPECT_EQ(cache.tileCount(), 0u);
    EXPECT_FALSE(cache.Show(RgbViewOf(image), 1e6, 32));
    cache.Require(first);
    EXPECT_EQ(cache.tileCount(), 0u);
}

TEST(TileCache, TilesInEveryScreenLayoutAreTheDisplayRasterConverted) {
    const CImageData image = NoiseImage(150, 90, 5);
    // Rendered over a larger raster, in bands shared by the threads, the
    // raster equals one rendered afresh.
    DisplayRaster display, fresh;
    ASSERT_TRUE(RenderDisplay(RgbViewOf(image), 3.0, display));
    ASSERT_TRUE(RenderDisplay(RgbViewOf(image), 2.5, display));  // 375 x 225
    ASSERT_TRUE(RenderDisplay(RgbViewOf(image), 2.5, fresh));
    ASSERT_EQ(display.width, 375);
    EXPECT_EQ(display.pixels, fresh.pixels);
    for (int depth : {16, 24, 32}) {
        SCOPED_TRACE(depth);
        DeviceRaster whole;
        ASSERT_TRUE(BuildDeviceRaster(display, depth, whole));
        TileCache cache(std::size_t(16) << 20);
        ASSERT_TRUE(cache.Show(RgbViewOf(image), 2.5, depth));
        const TileSpan span = TilesCovering({0, 0, 375, 225}, 375, 225);
        cache.Require(span);
        ASSERT_EQ(cache.tileCount(), std::size_t(span.count()));
        for (int row = span.firstRow; row < span.endRow; ++row)
            for (int column = span.firstColumn; column < span.endColumn; ++column) {
                const DeviceRaster* tile = cache.Find(column, row);
                const DisplayRegion region = TileRegion(column, row, 375, 225);
                ASSERT_EQ(tile->rowBytes, DeviceRowBytes(depth, region.width));
                for (int y = 0; y < region.height; ++y) {
                    const std::uint8_t* want = &whole.pixels[std::size_t(region.y + y) * whole.rowBytes +
                                                             std::size_t(region.x) * (depth / 8)];
                    ASSERT_TRUE(std::equal(want, want + region.width * (depth / 8),
                                           &tile->pixels[std::size_t(y) * tile->rowBytes]))
                        << "tile (" << column << ", " << row << ") row " << y;
                }
            }
    }
}

namespace {

// image's dots with rows stride bytes apart; the bytes between rows are
// noise, so that any of them read as a dot would change the result. The
// buffer ends with the last dot.
std::vector<std::uint8_t> PaddedRows(const CImageData& image, std::ptrdiff_t stride) {
    const std::size_t rowBytes = std::size_t(image.width()) * 3;
    std::vector<std::uint8_t> bytes(std::size_t(stride) * std::size_t(image.height() - 1) + rowBytes);
    std::mt19937 gen(99);
    for (std::uint8_t& byte : bytes)
        byte = std::uint8_t(gen());
    for (int y = 0; y < image.height(); ++y)
        std::copy_n(image.pixels() + std::size_t(y) * rowBytes, rowBytes,
                    bytes.data() + std::size_t(y) * stride);
    return bytes;
}

}  // namespace

TEST(RgbView, RowsFartherApartThanTheirDotsGiveTheSameDotsEverywhere) {
    const CImageData image = NoiseImage(70, 45, 31);
    const std::ptrdiff_t stride = 70 * 3 + 13;
    const std::vector<std::uint8_t> bytes = PaddedRows(image, stride);
    const RgbView padded{bytes.data(), 70, 45, stride};
    for (double scale : {0.29, 0.5, 1.0, 1.5, 2.0, 4.0}) {
        SCOPED_TRACE(scale);
        DisplayRaster want, got;
        ASSERT_TRUE(RenderDisplay(RgbViewOf(image), scale, want));
        ASSERT_TRUE(RenderDisplay(padded, scale, got));
        EXPECT_EQ(got.pixels, want.pixels);

        const DisplayRegion region{want.width / 3, want.height / 4, want.width / 2, want.height / 2};
        ASSERT_TRUE(RenderDisplayRegion(padded, scale, region, got));
        for (int y = 0; y < region.height; ++y)
            ASSERT_TRUE(std::equal(Dot(got, 0, y), Dot(got, 0, y) + region.width * 3,
                                   Dot(want, region.x, region.y + y)))
                << "row " << y;

        TileCache cache(std::size_t(16) << 20);
        ASSERT_TRUE(cache.Show(padded, scale, 24));
        const TileSpan span = TilesCovering({0, 0, want.width, want.height}, want.width, want.height);
        cache.Require(span);
        DeviceRaster whole;
        ASSERT_TRUE(BuildDeviceRaster(want, 24, whole));
        const DeviceRaster* corner = cache.Find(span.endColumn - 1, span.endRow - 1);
        ASSERT_NE(corner, nullptr);
        const DisplayRegion last = TileRegion(span.endColumn - 1, span.endRow - 1, want.width, want.height);
        for (int y = 0; y < last.height; ++y) {
            const std::uint8_t* row =
                &whole.pixels[std::size_t(last.y + y) * whole.rowBytes + std::size_t(last.x) * 3];
            ASSERT_TRUE(
                std::equal(row, row + last.width * 3, &corner->pixels[std::size_t(y) * corner->rowBytes]))
                << "tile row " << y;
        }
    }
}

TEST(RgbView, UnreadableViewsAreRefusedAndAnotherViewDropsTheTiles) {
    const CImageData image = NoiseImage(20, 10, 32);
    const RgbView good = RgbViewOf(image);
    const RgbView refused[] = {{good.bytes, 20, 10, 59},  // rows shorter than their dots
                               {nullptr, 20, 10, 60},
                               {good.bytes, -1, 10, 60},
                               {good.bytes, 20, -10, 60}};
    DisplayRaster raster;
    TileCache cache(std::size_t(1) << 20);
    for (const RgbView& view : refused) {
        EXPECT_FALSE(RenderDisplay(view, 2.0, raster));
        EXPECT_FALSE(RenderDisplayRegion(view, 2.0, {0, 0, 1, 1}, raster));
        EXPECT_FALSE(cache.Show(view, 2.0, 32));
    }
    EXPECT_EQ(raster.width, 0);
    // No dots: nothing to read, nothing refused.
    EXPECT_TRUE(RenderDisplay({nullptr, 0, 0, 0}, 2.0, raster));

    ASSERT_TRUE(cache.Show(good, 2.0, 32));
    cache.Require(TilesCovering({0, 0, 40, 20}, 40, 20));
    ASSERT_TRUE(cache.Show(good, 2.0, 32));
    EXPECT_EQ(cache.tileCount(), 1u);
    // The same size over other bytes is another picture.
    const std::vector<std::uint8_t> copy(image.pixels(), image.pixels() + image.pixelBytes());
    ASSERT_TRUE(cache.Show({copy.data(), 20, 10, 60}, 2.0, 32));
    EXPECT_EQ(cache.tileCount(), 0u);
}
