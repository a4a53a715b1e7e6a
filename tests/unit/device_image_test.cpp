#include "viewer/device_image.h"

#include <gtest/gtest.h>

#include "render/display_raster.h"

namespace {

// Three dots: red, green, blue over white, two rows.
DisplayRaster SmallRaster() {
    DisplayRaster raster;
    raster.width = 3;
    raster.height = 2;
    raster.pixels = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255};
    return raster;
}

TEST(DeviceImage, EveryLayoutShowsTheDisplayColours) {
    for (int depth : {16, 24, 32}) {
        DeviceRaster device;
        ASSERT_TRUE(BuildDeviceRaster(SmallRaster(), depth, device));
        const QImage image = DeviceImage(device);
        ASSERT_FALSE(image.isNull()) << depth;
        EXPECT_EQ(image.width(), 3);
        EXPECT_EQ(image.height(), 2);
        EXPECT_EQ(image.bytesPerLine(), device.rowBytes);
        // The image reads the device bytes in place.
        EXPECT_EQ(image.constBits(), device.pixels.data());
        EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0)) << depth;
        EXPECT_EQ(image.pixel(1, 0), qRgb(0, 255, 0)) << depth;
        EXPECT_EQ(image.pixel(2, 0), qRgb(0, 0, 255)) << depth;
        // 16 bits keep the top 5, 6 and 5 bits; white stays white.
        EXPECT_EQ(image.pixel(2, 1), qRgb(255, 255, 255)) << depth;
        // The 32-bit bytes read as alpha (as a compositor reads a window's
        // buffer) are opaque: Format_RGB32 wants 0xFF there.
        if (depth == 32) {
            const QImage asAlpha(image.constBits(), 3, 2, image.bytesPerLine(), QImage::Format_ARGB32);
            for (int y = 0; y < 2; ++y)
                for (int x = 0; x < 3; ++x)
                    EXPECT_EQ(qAlpha(asAlpha.pixel(x, y)), 255) << x << ", " << y;
        }
    }
}

TEST(DeviceImage, TwentyFourBitRowsOfOddLengthArePadded) {
    DeviceRaster device;
    ASSERT_TRUE(BuildDeviceRaster(SmallRaster(), 24, device));
    EXPECT_EQ(device.rowBytes, 10);
    const QImage image = DeviceImage(device);
    EXPECT_EQ(image.pixel(0, 1), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(2, 1), qRgb(255, 255, 255));
}

TEST(DeviceImage, EmptyOrUnknownLayoutGivesNoImage) {
    DeviceRaster device;
    EXPECT_TRUE(DeviceImage(device).isNull());
    ASSERT_TRUE(BuildDeviceRaster(SmallRaster(), 32, device));
    device.depth = 8;
    EXPECT_TRUE(DeviceImage(device).isNull());
    device.depth = 32;
    device.pixels.resize(10);  // shorter than its rows
    EXPECT_TRUE(DeviceImage(device).isNull());
}

TEST(DeviceImage, LayoutDepthForAScreen) {
    EXPECT_EQ(DeviceLayoutDepth(16), 16);
    EXPECT_EQ(DeviceLayoutDepth(8), 16);
    EXPECT_EQ(DeviceLayoutDepth(24), 24);
    EXPECT_EQ(DeviceLayoutDepth(32), 32);
    EXPECT_EQ(DeviceLayoutDepth(30), 32);
}

}  // namespace
