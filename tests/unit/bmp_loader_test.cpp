#include <gtest/gtest.h>

#include <random>

#include "bitmap_builder.h"
#include "image/bitmap_decoder.h"
#include "image/bmp_loader.h"
#include "image/image_data.h"
#include "platform/message_box_recorder.h"

using testbmp::Bitmap;
using testbmp::Bytes;
using testbmp::Pixels;

namespace {


struct Loaded {
    bool ok = false;
    CImageData image;
    std::vector<platform::MessageBoxCall> messages;
};

Loaded LoadBytes(const Bytes& file, const std::string& name = "test.bmp") {
    testbmp::TempDir dir;
    Loaded result;
    platform::MessageBoxRecorder recorder;
    result.image.SetKind(IMG_BMP);
    Notice notice;
    result.ok = LoadBmpFile(result.image, dir.Write(name, file), &notice);
    // The loader only returns what it has to say; it never shows a box.
    EXPECT_TRUE(recorder.calls.empty());
    if (!notice.empty()) result.messages.push_back({notice.text, notice.title, notice.style});
    return result;
}

Loaded Load(const Bitmap& bmp) { return LoadBytes(testbmp::File(bmp)); }

}  // namespace

TEST(BmpLoader, TwentyFourBitRowsArePaddedAndTurnedRightWayUp) {
    Bitmap bmp{.width = 1, .height = 2};
    // Stored bottom row first: rows of 4 bytes (3 + 1 padding).
    bmp.rows = {1, 2, 3, 0, 10, 20, 30, 0};
    Loaded r = Load(bmp);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.image.width(), 1);
    EXPECT_EQ(r.image.height(), 2);
    // The second row in the file is the top row; blue-green-red becomes red first.
    EXPECT_EQ(Pixels(r.image), (Bytes{30, 20, 10, 3, 2, 1}));
    EXPECT_EQ(r.image.kind(), IMG_BMP);
    EXPECT_TRUE(r.messages.empty());
}

TEST(BmpLoader, SixteenBitWordsWithoutMasksReadAsFiveFiveFive) {
    Bitmap bmp{
        .width = 3,
        .height = 1,
        .bitsPerPixel = 16,
        .rows = {0xFF, 0xFF, 0x1F, 0x00, 0x00, 0xF8, 0xAA, 0xBB}  // 3 words + 2 padding = 8 bytes
    };
    Loaded r = Load(bmp);
    ASSERT_TRUE(r.ok);
    // The top bit is unused: 0xF800 keeps only four red bits.
    EXPECT_EQ(Pixels(r.image), (Bytes{248, 248, 248, 0, 0, 248, 240, 0, 0}));
}

TEST(BmpLoader, EightBitPaletteAndRowOffsets) {
    Bitmap bmp{
        .width = 3,
        .height = 1,
        .bitsPerPixel = 8,
        .coloursUsed = 2,
        .palette = {1, 2, 3, 0, 40, 50, 60, 0},
        .rows = {1, 0, 7, 0}  // index 7 lies beyond the two entries
    };
    Bytes file = testbmp::File(bmp);
    ASSERT_EQ(file.size(), 62u + 4);  // rows at 54 + 4 x 2
    Loaded r = LoadBytes(file);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(Pixels(r.image), (Bytes{60, 50, 40, 3, 2, 1, 0, 0, 0}));

    // A count of 0 means 256 entries: rows at 1078.
    bmp.coloursUsed = 0;
    bmp.palette.assign(1024, 0);
    bmp.palette[4 * 7 + 2] = 99;  // red of entry 7
    file = testbmp::File(bmp);
    ASSERT_EQ(file.size(), 1078u + 4);
    r = LoadBytes(file);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(Pixels(r.image), (Bytes{0, 0, 0, 0, 0, 0, 99, 0, 0}));
}

TEST(BmpLoader, ThirtyTwoBitIgnoresTheFourthByte) {
    Bitmap bmp{.width = 2, .height = 1, .bitsPerPixel = 32, .rows = {10, 20, 30, 255, 1, 2, 3, 77}};
    Loaded r = Load(bmp);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(Pixels(r.image), (Bytes{30, 20, 10, 3, 2, 1}));
}

TEST(BmpLoader, UnsupportedDepthShowsTheBitCount) {
    Bitmap bmp{.bitsPerPixel = 4, .rows = {0, 0, 0, 0}};
    testbmp::TempDir dir;
    const std::string path = dir.Write("four.bmp", testbmp::File(bmp));
    platform::MessageBoxRecorder recorder;
    CImageData image;
    Notice notice;
    EXPECT_FALSE(LoadBmpFile(image, path, &notice));
    EXPECT_TRUE(recorder.calls.empty());
    EXPECT_EQ(notice.text, "[" + path + "]のピクセルあたりのビット数= 4");
    EXPECT_EQ(notice.title, "本ファイルは32,24,16,8ビットタイプではないため処理できません");
    EXPECT_EQ(notice.style, unsigned(platform::MB_OK));
    EXPECT_EQ(image.fileName(), "four.bmp");
    EXPECT_FALSE(image.HasPicture());

    bmp.bitsPerPixel = 1;
    Loaded r = Load(bmp);
    EXPECT_FALSE(r.ok);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_NE(r.messages[0].text.find("ビット数= 1"), std::string::npos);
}

TEST(BmpLoader, FilesOfFiftyFourBytesOrLessAreRefusedSilently) {
    Bitmap bmp{
        .bitsPerPixel = 4  // would show a message if it got that far
    };
    Bytes file = testbmp::File(bmp);
    file.resize(54);
    Loaded r = LoadBytes(file);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.messages.empty());
    file.resize(55);
    r = LoadBytes(file);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.messages.size(), 1u);  // 55 bytes pass the length test
}

TEST(BmpLoader, MissingFileOrFolderFailsButRecordsTheName) {
    testbmp::TempDir dir;
    platform::MessageBoxRecorder recorder;
    CImageData image;
    Notice notice;
    EXPECT_FALSE(LoadBmpFile(image, dir.Path("gone.bmp"), &notice));
    EXPECT_EQ(image.fileName(), "gone.bmp");
    EXPECT_FALSE(LoadBmpFile(image, dir.path(), &notice));
    EXPECT_TRUE(notice.empty());
    EXPECT_TRUE(recorder.calls.empty());
}

TEST(BmpLoader, VersionFiveHeaderWithColourMasks) {
    Bitmap bmp{.infoSize = 124};
    bmp.width = 2;
    bmp.height = 1;
    bmp.bitsPerPixel = 32;
    bmp.compression = 3;
    bmp.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};  // red in the first byte
    bmp.rows = {10, 20, 30, 0, 1, 2, 3, 0};
    Loaded r = Load(bmp);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(Pixels(r.image), (Bytes{10, 20, 30, 1, 2, 3}));
}

TEST(BmpLoader, SixteenBitMasksAfterAFortyByteHeader) {
    Bitmap bmp{
        .width = 1,
        .height = 1,
        .bitsPerPixel = 16,
        .compression = 3,
        .masks = {0x7C00, 0x03E0, 0x001F},  // 5-5-5
        .rows = {0xE0, 0x03, 0, 0}  // green all ones
    };
    Loaded r = Load(bmp);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(Pixels(r.image), (Bytes{0, 248, 0}));
}

TEST(BmpLoader, TopDownRowsAndDeclaredPixelOffset) {
    Bitmap bmp{
        .width = 1,
        .height = -2,
        .gapBeforeRows = 10  // the file header's offset points past a gap
    };
    bmp.rows = {1, 2, 3, 0, 10, 20, 30, 0};
    Loaded r = Load(bmp);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.image.height(), 2);
    EXPECT_EQ(Pixels(r.image), (Bytes{3, 2, 1, 30, 20, 10}));
}

TEST(BmpLoader, MalformedFilesAreRefusedWithoutAMessage) {
    Bitmap good{.width = 2, .height = 2};
    good.rows.assign(16, 9);

    Bitmap truncated = good;
    truncated.rows.resize(15);
    Bitmap rle = good;
    rle.bitsPerPixel = 8;
    rle.compression = 1;
    rle.coloursUsed = 1;
    rle.palette.assign(4, 0);
    Bitmap bigPalette = good;
    bigPalette.bitsPerPixel = 8;
    bigPalette.coloursUsed = 257;
    bigPalette.palette.assign(4 * 257, 0);
    Bitmap zeroWidth = good;
    zeroWidth.width = 0;
    Bitmap negativeWidth = good;
    negativeWidth.width = -2;
    Bitmap zeroHeight = good;
    zeroHeight.height = 0;
    Bitmap huge = good;
    huge.width = 70000;
    Bitmap coreHeader = good;
    coreHeader.infoSize = 12;
    Bitmap maskedTwentyFour = good;
    maskedTwentyFour.compression = 3;
    Bitmap shortPalette = good;
    shortPalette.bitsPerPixel = 8;
    shortPalette.coloursUsed = 200;
    shortPalette.palette.assign(20, 0);
    shortPalette.rows.clear();

    ASSERT_TRUE(Load(good).ok);
    for (const Bitmap& bad : {truncated, rle, bigPalette, zeroWidth, negativeWidth, zeroHeight, huge,
                              coreHeader, maskedTwentyFour, shortPalette}) {
        Loaded r = Load(bad);
        EXPECT_FALSE(r.ok);
        EXPECT_FALSE(r.image.HasPicture());
        EXPECT_TRUE(r.messages.empty());
    }
}

TEST(BmpLoader, RowsDeclaredBeyondTheFileAreNeverRead) {
    // Pixel offset and size fields pointing far outside the file.
    Bitmap bmp{.width = 4, .height = 4};
    bmp.rows.assign(48, 1);
    Bytes file = testbmp::File(bmp);
    testbmp::Put32(file, 10, 0xFFFFFFF0u);
    EXPECT_EQ(DecodeBmpFile(file.data(), file.size()).status, BitmapStatus::Truncated);
    file = testbmp::File(bmp);
    testbmp::Put32(file, 22, 0x7FFFFFFF);  // height
    EXPECT_NE(DecodeBmpFile(file.data(), file.size()).status, BitmapStatus::Ok);
}

TEST(BmpLoader, RandomlyDamagedHeadersNeverReadOutside) {
    // Run under AddressSanitizer this reports any stray read.
    Bitmap bmp{.width = 5, .height = 3, .bitsPerPixel = 8, .coloursUsed = 4};
    bmp.palette.assign(16, 7);
    bmp.rows.assign(24, 2);
    const Bytes original = testbmp::File(bmp);
    std::mt19937 gen(42);
    for (int round = 0; round < 3000; ++round) {
        Bytes file = original;
        const int hits = 1 + int(gen() % 4);
        for (int h = 0; h < hits; ++h) file[gen() % 70] = std::uint8_t(gen());
        if (gen() % 4 == 0) file.resize(gen() % file.size());
        DecodedBitmap decoded = DecodeBmpFile(file.data(), file.size());
        if (decoded.status == BitmapStatus::Ok) {
            EXPECT_EQ(decoded.rgb.size(), std::size_t(decoded.width) * decoded.height * 3);
        }
    }
}

TEST(BmpLoader, LargeFileReadInPiecesMatchesTheWholeFileDecode) {
    // 3.6 MB of rows: split over the cores and streamed in several chunks.
    Bitmap bmp{.width = 1201, .height = 1000};
    const std::size_t rowBytes = 3604;  // 3603 rounded up to a multiple of 4
    bmp.rows.resize(rowBytes * 1000);
    for (std::size_t i = 0; i < bmp.rows.size(); ++i) bmp.rows[i] = std::uint8_t(i * 131 + i / rowBytes);
    const Bytes file = testbmp::File(bmp);
    Loaded r = LoadBytes(file);
    ASSERT_TRUE(r.ok);
    DecodedBitmap whole = DecodeBmpFile(file.data(), file.size());
    ASSERT_EQ(whole.status, BitmapStatus::Ok);
    EXPECT_EQ(Pixels(r.image), Bytes(whole.rgb.data(), whole.rgb.data() + whole.rgb.size()));
    // Top-left dot: the last stored row, bytes blue, green, red.
    const std::size_t last = rowBytes * 999;
    EXPECT_EQ(Pixels(r.image)[0], bmp.rows[last + 2]);
    EXPECT_EQ(Pixels(r.image)[2], bmp.rows[last]);
}
