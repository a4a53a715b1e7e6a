#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "app/picked_zone.h"
#include "app/screen_zone.h"
#include "image/image_data.h"
#include "image/screen_zone_capture.h"
#include "platform/message_box_recorder.h"
#include "res/texts_capture.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::string Released(const ZoneRect& zone, ZoneCorner corner, int x, int y, bool ctrl = false) {
    const ZoneRelease release = ReleaseZoneCorner(zone, corner, x, y, ctrl);
    return ZoneText(release.zone) + (release.message ? std::string(" ") + release.message : "");
}

}  // namespace

TEST(ScreenZone, CornerRules) {
    EXPECT_EQ(ZoneText({0, 0, 0, 0}), "(   0,   0)-(   0,   0)  Δ(1,1)");
    EXPECT_EQ(Released({0, 0, 0, 0}, ZoneCorner::Start, 100, 200, true), "( 100, 200)-( 120, 220)  Δ(21,21)");
    EXPECT_EQ(Released({0, 0, 0, 0}, ZoneCorner::End, 50, 60, true), "(  30,  40)-(  50,  60)  Δ(21,21)");
    const ZoneRect zone{100, 100, 200, 200};
    const std::string unchanged = ZoneText(zone) + " ";
    EXPECT_EQ(Released(zone, ZoneCorner::Start, 201, 201), unchanged + texts::ZONE_CORNERS_XY);
    EXPECT_EQ(Released(zone, ZoneCorner::Start, 201, 150), unchanged + texts::ZONE_CORNERS_X);
    EXPECT_EQ(Released(zone, ZoneCorner::End, 150, 99), unchanged + texts::ZONE_CORNERS_Y);
    EXPECT_EQ(Released(zone, ZoneCorner::End, 99, 99), unchanged + texts::ZONE_CORNERS_XY);
    // Equal coordinates are accepted.
    EXPECT_EQ(Released(zone, ZoneCorner::Start, 200, 200), "( 200, 200)-( 200, 200)  Δ(1,1)");
    // A stored zone turned inside out is put in order, also after a message.
    EXPECT_EQ(Released({50, 60, 10, 20}, ZoneCorner::Start, 30, 5),
              std::string("(  10,  20)-(  50,  60)  Δ(41,41) ") + texts::ZONE_CORNERS_X);
    EXPECT_EQ(WrapScreenCoordinate(65535), 65535);
    EXPECT_EQ(WrapScreenCoordinate(65546), 10);
}

TEST(ScreenZone, SearchTitles) {
    const ZoneRect zone{10, 20, 30, 40};
    EXPECT_EQ(ZoneSearchTitle(zone, ZoneCorner::Start, 5, 6), "始点ｻｰﾁ中(   5,   6)-(  30,  40)");
    EXPECT_EQ(ZoneSearchTitle(zone, ZoneCorner::End, 50, 19), "終点ｻｰﾁ中(  10,  20)-(  50,  19)大小逆");
    // 63 bytes at most (CP932), whole characters only: "逆" no longer fits.
    const ZoneRect far{-2000000000, -2000000000, -2000000000, -2000000000};
    EXPECT_EQ(ZoneSearchTitle(far, ZoneCorner::Start, 2000000000, 2000000000),
              "始点ｻｰﾁ中(2000000000,2000000000)-(-2000000000,-2000000000)大小");
}

TEST(ScreenRows, SixteenAndOddWidthTwentyFourBits) {
    Bytes rgb(18);
    // 5-6-5 words: 0xFFFF is 248, 252, 248.
    ASSERT_TRUE(DecodeScreenRows(Bytes{0xFF, 0xFF}.data(), 2, 16, 1, 1, rgb.data()));
    EXPECT_EQ(Bytes(rgb.begin(), rgb.begin() + 3), (Bytes{248, 252, 248}));
    // 3 pixels wide: rows of 10 bytes, the tenth a pad.
    const Bytes rows{1, 2, 3, 4, 5, 6, 7, 8, 9, 0xEE, 11, 12, 13, 14, 15, 16, 17, 18, 19, 0xEE};
    ASSERT_TRUE(DecodeScreenRows(rows.data(), rows.size(), 24, 3, 2, rgb.data()));
    EXPECT_EQ(rgb, (Bytes{3, 2, 1, 6, 5, 4, 9, 8, 7, 13, 12, 11, 16, 15, 14, 19, 18, 17}));
    EXPECT_FALSE(DecodeScreenRows(rows.data(), rows.size() - 1, 24, 3, 2, rgb.data()));
}

TEST(ScreenZoneCapture, DepthsAndMessages) {
    platform::MessageBoxRecorder boxes;
    int depth = 32;
    const ScreenSource screen{[&] { return depth; },
                              [](int, int, int width, int height, ScreenPicture& picture) {
                                  picture = {width, height, RasterBytes(std::size_t(width) * height * 3, 7)};
                                  return width < 100;
                              }};
    CImageData image;
    Notice notice;
    ASSERT_TRUE(CaptureScreenZone(image, 0, 0, 0, 0, screen, &notice));
    EXPECT_TRUE(notice.empty());
    EXPECT_EQ(image.fileName(), "カット画像");
    EXPECT_EQ(Bytes(image.pixels(), image.pixels() + image.pixelBytes()), (Bytes{7, 7, 7}));
    const auto refused = [&](std::int32_t right) {
        Notice told;
        EXPECT_FALSE(CaptureScreenZone(image, 10, 10, right, 10, screen, &told));
        EXPECT_EQ(told.style, unsigned(platform::MB_OK));
        return told.text + "/" + told.title;
    };
    EXPECT_EQ(refused(8), std::string(texts::ZONE_BAD) + "/確認");
    EXPECT_EQ(refused(2000000000),
              std::string(texts::ZONE_BITMAP_CREATE_FAILED) + "/" + texts::ZONE_BITMAP_CREATE_TITLE);
    EXPECT_EQ(refused(200), std::string(texts::ZONE_BITMAP_COPY_FAILED) + "/確認");
    depth = 8;
    EXPECT_EQ(refused(12), std::string(texts::ZONE_SCREEN_DEPTH_UNSUPPORTED) + "/確認");
    // The capture only returns what it has to say; it never shows a box.
    EXPECT_TRUE(boxes.calls.empty());
}

TEST(ScreenZoneCapture, BlackAndShortPictures) {
    ScreenSource screen{[] { return 24; }, {}};
    CImageData image;
    // All black is a black zone on plain X (an unseen screen in a Wayland
    // session: zone_capture_test).
    screen.grab = [](int, int, int width, int height, ScreenPicture& picture) {
        picture = {width, height, RasterBytes(std::size_t(3) * width * height, 0)};
        return true;
    };
    EXPECT_TRUE(CaptureScreenZone(image, 0, 0, 3, 3, screen));
    Notice notice;

    // Fewer bytes than the picture's size claims are never read.
    screen.grab = [](int, int, int width, int height, ScreenPicture& picture) {
        picture = {width, height, RasterBytes(std::size_t(3) * width * height - 1, 5)};
        return true;
    };
    EXPECT_FALSE(CaptureScreenZone(image, 0, 0, 3, 3, screen, &notice));
    EXPECT_EQ(notice.text, texts::ZONE_BITMAP_COPY_FAILED);
}

TEST(PickedZone, SizeFromThePicture) {
    const ZoneRect previous{300, 400, 310, 410};
    // Device pixels at a scale of 2 cover half as many desktop pixels.
    EXPECT_EQ(ZoneText(ZoneOfPicture(previous, 80, 61, 2.0)), "( 300, 400)-( 339, 430)  Δ(40,31)");
    EXPECT_EQ(ZoneText(ZoneOfPicture(previous, 1, 1, 2.0)), "( 300, 400)-( 300, 400)  Δ(1,1)");
}
