#include <gtest/gtest.h>

#include <vector>

#include "image/image_data.h"
#include "image/view_image.h"

TEST(ImageData, NewImageIsEmpty) {
    CImageData image;
    EXPECT_EQ(image.width(), 0);
    EXPECT_EQ(image.height(), 0);
    EXPECT_FALSE(image.HasPicture());
    EXPECT_EQ(image.pixels(), nullptr);
    EXPECT_TRUE(image.fileName().empty());

    CViewImage view;
    EXPECT_EQ(view.displayScale, 1.0);
    EXPECT_EQ(view.displayMode, 0);
    EXPECT_FALSE(view.image.HasPicture());
}

TEST(ImageData, FileNameKeepsOnlyTheLastComponent) {
    CImageData image;
    image.SetFileNameFromPath("/home/user/pics/a.b.jpg");
    EXPECT_EQ(image.fileName(), "a.b.jpg");
    image.SetFileNameFromPath("plain.bmp");
    EXPECT_EQ(image.fileName(), "plain.bmp");
    image.SetFileNameFromPath("/dir/写真 1.gif");
    EXPECT_EQ(image.fileName(), "写真 1.gif");
}

TEST(ImageData, StorePixelsCopiesOrExchangesTriplets) {
    CImageData image;
    ASSERT_TRUE(image.SetImageSize(2, 1));
    const std::vector<std::uint8_t> bgr = {10, 20, 30, 1, 2, 3};
    ASSERT_TRUE(image.StorePixels(bgr.data(), bgr.size(), true));
    EXPECT_EQ(std::vector<std::uint8_t>(image.pixels(), image.pixels() + 6),
              (std::vector<std::uint8_t>{30, 20, 10, 3, 2, 1}));
    ASSERT_TRUE(image.StorePixels(bgr.data(), bgr.size(), false));
    EXPECT_EQ(std::vector<std::uint8_t>(image.pixels(), image.pixels() + 6), bgr);
}

TEST(ImageData, StorePixelsRefusesShortSourceAndMissingSize) {
    CImageData image;
    const std::vector<std::uint8_t> six(6, 7);
    EXPECT_FALSE(image.StorePixels(six.data(), six.size(), false));  // no size yet
    ASSERT_TRUE(image.SetImageSize(2, 2));
    EXPECT_FALSE(image.StorePixels(six.data(), six.size(), false));  // needs 12 bytes
    EXPECT_FALSE(image.HasPicture());
}

TEST(ImageData, ResizingDropsThePreviousPicture) {
    CImageData image;
    ASSERT_TRUE(image.SetImageSize(1, 1));
    const std::uint8_t px[3] = {1, 2, 3};
    ASSERT_TRUE(image.StorePixels(px, 3, false));
    ASSERT_TRUE(image.SetImageSize(4, 4));
    // A 4 x 4 size with a 1 x 1 buffer would invite reads past the end.
    EXPECT_FALSE(image.HasPicture());
    EXPECT_EQ(image.width(), 4);
}

TEST(ImageData, SizesBeyondTheLimitsAreRefused) {
    CImageData image;
    EXPECT_FALSE(image.SetImageSize(0, 5));
    EXPECT_FALSE(image.SetImageSize(5, -1));
    EXPECT_FALSE(image.SetImageSize(65536, 1));
    EXPECT_FALSE(image.SetImageSize(20000, 20000));  // more than 2^28 pixels
    EXPECT_EQ(image.width(), 0);
    EXPECT_TRUE(image.SetImageSize(65535, 1));
    EXPECT_TRUE(image.SetImageSize(16384, 16384));  // exactly 2^28
}

TEST(ImageData, KindLabels) {
    EXPECT_STREQ(ImageKindLabel(IMG_JPEG), "画像ﾀｲﾌﾟ  JPEG\n");
    EXPECT_STREQ(ImageKindLabel(IMG_GIF), "画像ﾀｲﾌﾟ\tGIF\n");
    EXPECT_STREQ(ImageKindLabel(IMG_BMP), "画像ﾀｲﾌﾟ  BMP\n");
    EXPECT_STREQ(ImageKindLabel(IMG_CUT), "画像ﾀｲﾌﾟ  カットor変換画像\n");
    EXPECT_STREQ(ImageKindLabel(IMG_CLIP), "画像ﾀｲﾌﾟ  クリップ画像\n");
    EXPECT_STREQ(ImageKindLabel(3), "画像ﾀｲﾌﾟ  不明\n");
    EXPECT_STREQ(ImageKindLabel(IMG_UNKNOWN), "画像ﾀｲﾌﾟ  不明\n");
}

TEST(ImageData, AdoptPixelsTakesOnlyABufferOfTheRecordedSize) {
    CImageData image;
    ASSERT_TRUE(image.SetImageSize(2, 1));
    PixelBuffer wrong(5);
    EXPECT_FALSE(image.AdoptPixels(std::move(wrong)));
    EXPECT_FALSE(image.HasPicture());
    PixelBuffer right(6);
    for (int i = 0; i < 6; ++i) right.data()[i] = std::uint8_t(i);
    const std::uint8_t* where = right.data();
    ASSERT_TRUE(image.AdoptPixels(std::move(right)));
    EXPECT_EQ(image.pixels(), where);  // no copy
    EXPECT_TRUE(right.empty());
    EXPECT_EQ(image.pixels()[5], 5);
}
