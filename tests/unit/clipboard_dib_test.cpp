#include <gtest/gtest.h>

#include "bitmap_builder.h"
#include "image/clipboard_dib.h"
#include "image/image_data.h"
#include "platform/message_box_recorder.h"

using testbmp::Bitmap;
using testbmp::Bytes;
using testbmp::Pixels;

namespace {

bool Convert(const Bytes& block, CImageData& image, Notice* notice = nullptr) {
    return LoadClipboardDib(image, block.data(), block.size(), notice);
}

}  // namespace

TEST(ClipboardDib, TwentyFourBitOnePixelWideHasRowsOfFourBytes) {
    Bitmap bmp{.width = 1, .height = 2, .rows = {1, 2, 3, 0, 10, 20, 30, 0}};
    platform::MessageBoxRecorder recorder;
    CImageData image;
    ASSERT_TRUE(Convert(testbmp::Block(bmp), image));
    EXPECT_EQ(image.fileName(), "クリップ画像");
    EXPECT_EQ(Pixels(image), (Bytes{30, 20, 10, 3, 2, 1}));
    EXPECT_TRUE(recorder.calls.empty());
}

TEST(ClipboardDib, RowsAreFoundFromTheEndOfTheBlock) {
    Bitmap plain{
        .width = 3,
        .height = 1,
        .bitsPerPixel = 16,
        .rows = {0xFF, 0xFF, 0x1F, 0x00, 0x00, 0xF8, 0, 0}  // 3 pixels: rows of 8 bytes
    };
    Bitmap masked = plain;
    masked.compression = 3;
    masked.masks = {0x7C00, 0x03E0, 0x001F};  // what a block without masks means
    Bitmap withJunk = plain;
    withJunk.gapBeforeRows = 24;  // say, a palette nobody asked for
    CImageData a, b, c;
    ASSERT_TRUE(Convert(testbmp::Block(plain), a));
    ASSERT_TRUE(Convert(testbmp::Block(masked), b));
    ASSERT_TRUE(Convert(testbmp::Block(withJunk), c));
    EXPECT_EQ(Pixels(a), (Bytes{248, 248, 248, 0, 0, 248, 240, 0, 0}));
    EXPECT_EQ(Pixels(b), Pixels(a));
    EXPECT_EQ(Pixels(c), Pixels(a));

    Bitmap four = plain;
    four.width = 4;  // 4 pixels: rows of 8 bytes as well
    CImageData d;
    ASSERT_TRUE(Convert(testbmp::Block(four), d));
    EXPECT_EQ(d.width(), 4);
}

TEST(ClipboardDib, EightBitIsRefusedWithItsMessage) {
    Bitmap bmp{.bitsPerPixel = 8, .coloursUsed = 1};
    bmp.palette.assign(4, 0);
    bmp.rows = {0, 0, 0, 0};
    platform::MessageBoxRecorder recorder;
    CImageData image;
    Notice notice;
    EXPECT_FALSE(Convert(testbmp::Block(bmp), image, &notice));
    EXPECT_TRUE(recorder.calls.empty());
    EXPECT_EQ(notice.text, "BitPixel=8 は想定外です");
    EXPECT_EQ(notice.title, "確認");
    EXPECT_EQ(notice.style, unsigned(platform::MB_OK));
    EXPECT_FALSE(image.HasPicture());
}

TEST(ClipboardDib, ShortOrCompressedBlocksAreRefusedSilently) {
    Bitmap bmp{.width = 2, .height = 2, .bitsPerPixel = 32};
    bmp.rows.assign(16, 5);
    Bytes shortBlock = testbmp::Block(bmp);
    shortBlock.resize(shortBlock.size() - 1);
    Bitmap rle = bmp;
    rle.compression = 2;
    platform::MessageBoxRecorder recorder;
    CImageData image;
    Notice notice;
    EXPECT_FALSE(Convert(shortBlock, image, &notice));
    EXPECT_FALSE(Convert(testbmp::Block(rle), image, &notice));
    EXPECT_FALSE(Convert(Bytes(20, 0), image, &notice));
    EXPECT_FALSE(LoadClipboardDib(image, nullptr, 0, &notice));
    EXPECT_TRUE(notice.empty());
    EXPECT_TRUE(recorder.calls.empty());
    EXPECT_FALSE(image.HasPicture());
}
