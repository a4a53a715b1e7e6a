#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "app/screen_zone.h"
#include "image/image_data.h"
#include "image/screen_zone_capture.h"
#include "platform/display_session.h"
#include "platform/message_box_recorder.h"
#include "res/texts_capture.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

bool Same(const ZoneRect& a, const ZoneRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

TEST(ScreenZone, CtrlPlacesTheOtherCornerTwentyPixelsAway) {
    const ZoneRelease start = ReleaseZoneCorner({0, 0, 0, 0}, ZoneCorner::Start, 100, 200, true);
    EXPECT_TRUE(Same(start.zone, {100, 200, 120, 220}));
    EXPECT_EQ(start.message, nullptr);
    EXPECT_EQ(ZoneText(start.zone), "( 100, 200)-( 120, 220)  Δ(21,21)");
    EXPECT_TRUE(Same(ReleaseZoneCorner({0, 0, 0, 0}, ZoneCorner::End, 50, 60, true).zone, {30, 40, 50, 60}));
    EXPECT_EQ(ZoneText({0, 0, 0, 0}), "(   0,   0)-(   0,   0)  Δ(1,1)");
}

TEST(ScreenZone, CornersOnTheWrongSideLeaveTheZoneAndSayWhich) {
    const ZoneRect zone{100, 100, 200, 200};
    struct Case {
        ZoneCorner corner;
        int x, y;
        const char* message;
    } cases[] = {
        {ZoneCorner::Start, 201, 201, texts::ZONE_CORNERS_XY}, {ZoneCorner::Start, 201, 150, texts::ZONE_CORNERS_X},
        {ZoneCorner::Start, 150, 201, texts::ZONE_CORNERS_Y},  {ZoneCorner::End, 99, 99, texts::ZONE_CORNERS_XY},
        {ZoneCorner::End, 99, 150, texts::ZONE_CORNERS_X},     {ZoneCorner::End, 150, 99, texts::ZONE_CORNERS_Y},
    };
    for (const Case& c : cases) {
        const ZoneRelease release = ReleaseZoneCorner(zone, c.corner, c.x, c.y, false);
        EXPECT_STREQ(release.message, c.message) << c.x << "," << c.y;
        EXPECT_TRUE(Same(release.zone, zone));
    }
    // Equal coordinates are accepted: a 1 x 1 zone.
    const ZoneRelease edge = ReleaseZoneCorner(zone, ZoneCorner::Start, 200, 200, false);
    EXPECT_EQ(edge.message, nullptr);
    EXPECT_EQ(ZoneText(edge.zone), "( 200, 200)-( 200, 200)  Δ(1,1)");
    // A stored zone turned inside out is put in order, also after a message.
    const ZoneRelease turned = ReleaseZoneCorner({50, 60, 10, 20}, ZoneCorner::Start, 30, 5, false);
    EXPECT_STREQ(turned.message, texts::ZONE_CORNERS_X);
    EXPECT_TRUE(Same(turned.zone, {10, 20, 50, 60}));
}

TEST(ScreenZone, WrapAndSearchTitles) {
    EXPECT_EQ(WrapScreenCoordinate(65535), 65535);
    EXPECT_EQ(WrapScreenCoordinate(65536), 0);
    EXPECT_EQ(WrapScreenCoordinate(65546), 10);
    EXPECT_EQ(WrapScreenCoordinate(-3), -3);
    const ZoneRect zone{10, 20, 30, 40};
    EXPECT_EQ(ZoneSearchTitle(zone, ZoneCorner::Start, 5, 6), "始点ｻｰﾁ中(   5,   6)-(  30,  40)");
    EXPECT_EQ(ZoneSearchTitle(zone, ZoneCorner::Start, 31, 6), "始点ｻｰﾁ中(  31,   6)-(  30,  40)大小逆");
    EXPECT_EQ(ZoneSearchTitle(zone, ZoneCorner::End, 50, 19), "終点ｻｰﾁ中(  10,  20)-(  50,  19)大小逆");
    // 63 bytes at most (CP932), whole characters only: "逆" no longer fits.
    const std::string longest = ZoneSearchTitle({-2000000000, -2000000000, -2000000000, -2000000000},
                                                ZoneCorner::Start, 2000000000, 2000000000);
    EXPECT_EQ(longest, "始点ｻｰﾁ中(2000000000,2000000000)-(-2000000000,-2000000000)大小");
}

TEST(ScreenRows, EachDepthDecodesToRedGreenBlue) {
    Bytes rgb(9);
    // 16 bits: 5-6-5 words, 0xFFFF white as 248, 252, 248; 0x001F blue.
    ASSERT_TRUE(DecodeScreenRows(Bytes{0xFF, 0xFF, 0x1F, 0x00}.data(), 4, 16, 2, 1, rgb.data()));
    EXPECT_EQ(Bytes(rgb.begin(), rgb.begin() + 6), (Bytes{248, 252, 248, 0, 0, 248}));
    // 24 bits, 3 pixels wide: rows of 10 bytes, the tenth a pad.
    const Bytes rows24{1, 2, 3, 4, 5, 6, 7, 8, 9, 0xEE, 11, 12, 13, 14, 15, 16, 17, 18, 19, 0xEE};
    Bytes two(18);
    ASSERT_TRUE(DecodeScreenRows(rows24.data(), rows24.size(), 24, 3, 2, two.data()));
    EXPECT_EQ(two, (Bytes{3, 2, 1, 6, 5, 4, 9, 8, 7, 13, 12, 11, 16, 15, 14, 19, 18, 17}));
    EXPECT_FALSE(DecodeScreenRows(rows24.data(), rows24.size() - 1, 24, 3, 2, two.data()));
    // 32 bits: the fourth byte is dropped.
    ASSERT_TRUE(DecodeScreenRows(Bytes{10, 20, 30, 99}.data(), 4, 32, 1, 1, rgb.data()));
    EXPECT_EQ(Bytes(rgb.begin(), rgb.begin() + 3), (Bytes{30, 20, 10}));
    EXPECT_FALSE(DecodeScreenRows(Bytes{1, 2}.data(), 2, 8, 2, 1, rgb.data()));
}

TEST(ScreenZoneCapture, DepthsAndMessages) {
    platform::MessageBoxRecorder boxes;
    int depth = 16;
    bool readable = true;
    const ScreenSource screen{[&] { return depth; }, [&](int, int, int width, int height, std::uint8_t* rgb) {
                                  for (int i = 0; i < width * height * 3; ++i) rgb[i] = std::uint8_t(i % 3 ? 255 : 9);
                                  return readable;
                              }};
    CImageData image;
    // The zone (0, 0, 0, 0) is one pixel; a 16-bit screen keeps 5-6-5 of it.
    ASSERT_TRUE(CaptureScreenZone(image, 0, 0, 0, 0, nullptr, screen));
    EXPECT_EQ(image.fileName(), "カット画像");
    EXPECT_EQ(Bytes(image.pixels(), image.pixels() + image.pixelBytes()), (Bytes{8, 252, 248}));
    depth = 24;
    ASSERT_TRUE(CaptureScreenZone(image, 5, 5, 7, 6, nullptr, screen));
    EXPECT_EQ(image.width(), 3);
    EXPECT_EQ(image.height(), 2);
    EXPECT_EQ(image.pixels()[17], 255);
    EXPECT_TRUE(boxes.calls.empty());

    const auto refused = [&](std::int32_t right, const char* text, const char* title) {
        boxes.calls.clear();
        EXPECT_FALSE(CaptureScreenZone(image, 10, 10, right, 10, nullptr, screen));
        ASSERT_EQ(boxes.calls.size(), 1u);
        EXPECT_EQ(boxes.Last().text, text);
        EXPECT_EQ(boxes.Last().title, title);
    };
    refused(8, texts::ZONE_BAD, "確認");
    refused(2000000000, texts::ZONE_BITMAP_CREATE_FAILED, texts::ZONE_BITMAP_CREATE_TITLE);
    depth = 8;
    refused(12, texts::ZONE_SCREEN_DEPTH_UNSUPPORTED, "確認");
    readable = false;
    refused(12, texts::ZONE_BITMAP_COPY_FAILED, "確認");
}

TEST(DisplaySession, WaylandWithAnXServerTakesXcbUnlessChosen) {
    using platform::SessionEnvironment;
    EXPECT_EQ(platform::ChosenQtPlatform(SessionEnvironment{nullptr, ":0", "wayland-0", nullptr}), "xcb");
    EXPECT_EQ(platform::ChosenQtPlatform(SessionEnvironment{nullptr, ":0", nullptr, "wayland"}), "xcb");
    EXPECT_EQ(platform::ChosenQtPlatform(SessionEnvironment{"wayland", ":0", "wayland-0", "wayland"}), "");
    EXPECT_EQ(platform::ChosenQtPlatform(SessionEnvironment{nullptr, nullptr, "wayland-0", "wayland"}), "");
    EXPECT_EQ(platform::ChosenQtPlatform(SessionEnvironment{nullptr, ":0", nullptr, "x11"}), "");
}
