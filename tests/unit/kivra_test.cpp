#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>

#include "bitmap_builder.h"
#include "image/bmp_loader.h"
#include "image/image_data.h"
#include "image/library_loaders.h"
#include "kivra/kivra.h"
#include "picture_encoders.h"

using testpic::Bytes;

namespace {

std::int32_t Word(const void* record, std::size_t at) {
    std::int32_t v;
    std::memcpy(&v, static_cast<const std::uint8_t*>(record) + at, 4);
    return v;
}

// A fake screen: dot (x, y) of the screen is (x, y, x + y) modulo 256.
std::int32_t FakeScreen(void* context, std::int32_t left, std::int32_t top, std::int32_t width,
                        std::int32_t height, std::uint8_t* rgb) {
    ++*static_cast<int*>(context);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x, rgb += 3) {
            rgb[0] = std::uint8_t(left + x);
            rgb[1] = std::uint8_t(top + y);
            rgb[2] = std::uint8_t(left + x + top + y);
        }
    return 0;
}

std::int32_t BrokenScreen(void*, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::uint8_t*) {
    return -1;
}

Bytes FakeScreenDots(int left, int top, int width, int height) {
    Bytes rgb(std::size_t(width) * height * 3);
    int calls = 0;
    FakeScreen(&calls, left, top, width, height, rgb.data());
    return rgb;
}

std::array<std::uint8_t, KV_BLOCK_BYTES> Block(std::int32_t left, std::int32_t top, std::int32_t width,
                                               std::int32_t height) {
    std::array<std::uint8_t, KV_BLOCK_BYTES> block{};
    std::memcpy(block.data(), &left, 4);
    std::memcpy(block.data() + 4, &top, 4);
    std::memcpy(block.data() + 8, &width, 4);
    std::memcpy(block.data() + 12, &height, 4);
    return block;
}

class KivraWriters : public testing::Test {
protected:
    void SetUp() override { kvSetGrabber(FakeScreen, &grabs); }
    void TearDown() override { kvSetGrabber(nullptr, nullptr); }
    testbmp::TempDir dir;
    int grabs = 0;
};

}  // namespace

TEST(Kivra, PhotoOpenFillsTheRecordAndFetchMatchesTurboJpeg) {
    testbmp::TempDir dir;
    const Bytes jpeg = testpic::EncodeJpeg(testpic::Pattern(37, 21), 37, 21, TJPF_RGB, TJSAMP_420);
    const std::string path = dir.Path("p.jpg");
    testpic::WriteFile(path, jpeg);

    std::array<std::uint8_t, KV_PHOTO_INFO_BYTES> info;
    info.fill(0xCC);
    ASSERT_GE(kvPhotoOpen(path.c_str(), 1, info.data()), 0);
    EXPECT_EQ(Word(info.data(), 16), 37);
    EXPECT_EQ(Word(info.data(), 20), 21);
    Bytes rgb(37 * 21 * 3);
    EXPECT_EQ(kvPhotoFetch(rgb.data(), 36, 21), KV_ERR_ARGUMENT);  // not the opened size
    ASSERT_GE(kvPhotoOpen(path.c_str(), 1, info.data()), 0);
    ASSERT_GE(kvPhotoFetch(rgb.data(), 37, 21), 0);
    int w = 0, h = 0;
    EXPECT_EQ(rgb, testpic::DecodeJpeg(jpeg, w, h));
    // The fetch used the open: a second fetch has nothing to give.
    EXPECT_LT(kvPhotoFetch(rgb.data(), 37, 21), 0);
}

TEST(Kivra, PhotoReduceChoosesTheLargestReductionThatKeepsTheSize) {
    testbmp::TempDir dir;
    const Bytes jpeg = testpic::EncodeJpeg(testpic::Pattern(100, 60), 100, 60, TJPF_RGB, TJSAMP_420);
    const std::string path = dir.Path("r.jpg");
    testpic::WriteFile(path, jpeg);
    std::array<std::uint8_t, KV_PHOTO_INFO_BYTES> info{};
    EXPECT_EQ(kvPhotoReduce(10, 10, info.data()), KV_ERR_ARGUMENT);  // nothing open

    struct Case {
        int minWidth, minHeight, denominator, width, height;
    };
    // 1/8 gives 13 x 8 (sides rounded up), 1/4 25 x 15, 1/2 50 x 30.
    for (const Case c : {Case{13, 8, 8, 13, 8}, Case{14, 8, 4, 25, 15}, Case{13, 9, 4, 25, 15},
                         Case{50, 30, 2, 50, 30}, Case{51, 1, 1, 100, 60}, Case{0, 0, 8, 13, 8}}) {
        SCOPED_TRACE(c.minWidth * 1000 + c.minHeight);
        ASSERT_GE(kvPhotoOpen(path.c_str(), 1, info.data()), 0);
        EXPECT_EQ(kvPhotoReduce(c.minWidth, c.minHeight, info.data()), c.denominator);
        EXPECT_EQ(Word(info.data(), 16), 100);  // the full size stays
        EXPECT_EQ(Word(info.data(), 20), 60);
        EXPECT_EQ(Word(info.data(), 24), c.width);
        EXPECT_EQ(Word(info.data(), 28), c.height);
        EXPECT_EQ(Word(info.data(), 32), c.denominator);
        // The fetch takes the reduced size only, and gives TurboJPEG's own
        // scaled decode of the file.
        Bytes rgb(std::size_t(c.width) * c.height * 3 + 1, 0xAB);
        if (c.denominator > 1) {
            EXPECT_EQ(kvPhotoFetch(rgb.data(), 100, 60), KV_ERR_ARGUMENT);
            ASSERT_GE(kvPhotoOpen(path.c_str(), 1, info.data()), 0);
            ASSERT_EQ(kvPhotoReduce(c.minWidth, c.minHeight, info.data()), c.denominator);
        }
        ASSERT_GE(kvPhotoFetch(rgb.data(), c.width, c.height), 0);
        EXPECT_EQ(rgb.back(), 0xAB);  // nothing written past the reduced picture
        rgb.pop_back();
        tjhandle tj = tjInitDecompress();
        Bytes expected(rgb.size());
        tjDecompress2(tj, jpeg.data(), jpeg.size(), expected.data(), c.width, c.width * 3, c.height, TJPF_RGB,
                      0);
        tjDestroy(tj);
        EXPECT_EQ(rgb, expected);
    }
}

TEST(Kivra, IndexedAndLosslessRecordsHoldTheSize) {
    testbmp::TempDir dir;
    const std::string gif = dir.Path("i.gif");
    ASSERT_TRUE(testpic::WriteGif(gif, 5, 3, {{1, 2, 3}, {4, 5, 6}}, {{0, 0, 5, 3, false, -1, Bytes(15, 1)}}));
    std::array<std::uint8_t, KV_INDEXED_INFO_BYTES> gifInfo{};
    ASSERT_GE(kvIndexedOpen(gif.c_str(), gifInfo.data()), 0);
    EXPECT_EQ(Word(gifInfo.data(), 4), 5);
    EXPECT_EQ(Word(gifInfo.data(), 8), 3);
    EXPECT_EQ(gifInfo[64 + 3], 4);  // colour 1's red in the colour map
    Bytes rgb(5 * 3 * 3);
    ASSERT_GE(kvIndexedFetch(rgb.data(), 5, 3), 0);
    EXPECT_EQ(rgb[0], 4);

    const std::string png = dir.Path("l.png");
    ASSERT_TRUE(testpic::WritePng(png, testpic::Pattern(6, 4), 6, 4, PNG_FORMAT_RGB));
    std::array<std::uint8_t, KV_LOSSLESS_INFO_BYTES> pngInfo{};
    ASSERT_GE(kvLosslessOpen(png.c_str(), pngInfo.data()), 0);
    EXPECT_EQ(Word(pngInfo.data(), 4), 6);
    EXPECT_EQ(Word(pngInfo.data(), 8), 4);
    Bytes rgb2(6 * 4 * 3);
    ASSERT_GE(kvLosslessFetch(rgb2.data(), 6, 4), 0);
    EXPECT_EQ(rgb2, testpic::Pattern(6, 4));
}

TEST(Kivra, OversizedJpegHeaderIsRefusedBeforeDecoding) {
    testbmp::TempDir dir;
    Bytes jpeg = testpic::EncodeJpeg(testpic::Pattern(8, 8), 8, 8);
    // Patch the frame header's height and width to 20000 x 20000: more than
    // 2^28 dots.
    for (std::size_t i = 2; i + 9 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
            jpeg[i + 5] = jpeg[i + 7] = 20000 >> 8;
            jpeg[i + 6] = jpeg[i + 8] = 20000 & 0xFF;
            break;
        }
    }
    const std::string path = dir.Path("huge.jpg");
    testpic::WriteFile(path, jpeg);
    std::array<std::uint8_t, KV_PHOTO_INFO_BYTES> info{};
    EXPECT_EQ(kvPhotoOpen(path.c_str(), 1, info.data()), KV_ERR_TOO_LARGE);
}

TEST(Kivra, ArgumentsAreChecked) {
    std::array<std::uint8_t, KV_INDEXED_INFO_BYTES> info{};
    EXPECT_EQ(kvPhotoOpen(nullptr, 1, info.data()), KV_ERR_ARGUMENT);
    EXPECT_EQ(kvPhotoOpen("/x.jpg", 2, info.data()), KV_ERR_ARGUMENT);
    EXPECT_EQ(kvIndexedOpen("/x.gif", nullptr), KV_ERR_ARGUMENT);
    EXPECT_LT(kvPhotoOpen("/nonexistent/x.jpg", 1, info.data()), 0);
    EXPECT_LT(kvIndexedOpen("/nonexistent/x.gif", info.data()), 0);
    EXPECT_LT(kvLosslessOpen("/nonexistent/x.png", info.data()), 0);
    EXPECT_LT(kvLosslessFetch(nullptr, 1, 1), 0);
    EXPECT_LT(kvRasterGrab(nullptr), 0);
    EXPECT_LT(kvRasterSave(nullptr, info.data()), 0);
}

TEST_F(KivraWriters, BmpOfTheGrabReadsBackEqual) {
    auto block = Block(100, 50, 7, 3);  // 7 dots: rows padded to 24 bytes
    ASSERT_GE(kvRasterGrab(block.data()), 0);
    EXPECT_EQ(grabs, 1);
    const std::string path = dir.Path("grab.bmp");
    ASSERT_GE(kvRasterSave(path.c_str(), block.data()), 0);
    EXPECT_EQ(std::filesystem::file_size(path), 54u + 24 * 3);
    CImageData image;
    ASSERT_TRUE(LoadBmpFile(image, path));
    EXPECT_EQ(image.width(), 7);
    EXPECT_EQ(image.height(), 3);
    EXPECT_EQ(testbmp::Pixels(image), FakeScreenDots(100, 50, 7, 3));
}

TEST_F(KivraWriters, PngOfTheGrabReadsBackEqual) {
    auto block = Block(3, 4, 9, 5);
    ASSERT_GE(kvLosslessGrab(block.data()), 0);
    const std::string path = dir.Path("grab.png");
    ASSERT_GE(kvLosslessSave(path.c_str(), block.data()), 0);
    CImageData image;
    ASSERT_TRUE(LoadPngFile(image, path));
    EXPECT_EQ(testbmp::Pixels(image), FakeScreenDots(3, 4, 9, 5));
}

TEST_F(KivraWriters, SaveNeedsTheBlockOfASuccessfulGrab) {
    const std::string path = dir.Path("never.bmp");
    auto fresh = Block(0, 0, 4, 4);
    EXPECT_LT(kvRasterSave(path.c_str(), fresh.data()), 0);  // no grab yet

    auto block = Block(0, 0, 4, 4);
    ASSERT_GE(kvRasterGrab(block.data()), 0);
    EXPECT_LT(kvLosslessSave(path.c_str(), block.data()), 0);  // grabbed for the other writer
    ASSERT_GE(kvRasterSave(path.c_str(), block.data()), 0);
    EXPECT_LT(kvRasterSave(path.c_str(), block.data()), 0);  // released by the first save

    auto empty = Block(0, 0, 0, 5);
    EXPECT_LT(kvRasterGrab(empty.data()), 0);
    auto inverted = Block(10, 10, -3, 4);
    EXPECT_LT(kvLosslessGrab(inverted.data()), 0);
    auto huge = Block(0, 0, 70000, 2);
    EXPECT_LT(kvRasterGrab(huge.data()), 0);
}

TEST_F(KivraWriters, GrabFailsWithoutAWorkingGrabber) {
    auto block = Block(0, 0, 2, 2);
    kvSetGrabber(BrokenScreen, nullptr);
    EXPECT_LT(kvRasterGrab(block.data()), 0);
    kvSetGrabber(nullptr, nullptr);
    EXPECT_LT(kvLosslessGrab(block.data()), 0);
}

TEST_F(KivraWriters, UnwritablePathFailsAndRemovesNothing) {
    auto block = Block(0, 0, 2, 2);
    ASSERT_GE(kvRasterGrab(block.data()), 0);
    EXPECT_LT(kvRasterSave((dir.path() + "/missing/x.bmp").c_str(), block.data()), 0);
    const std::string folder = dir.Path("folder");
    std::filesystem::create_directory(folder);
    ASSERT_GE(kvLosslessGrab(block.data()), 0);
    EXPECT_LT(kvLosslessSave(folder.c_str(), block.data()), 0);
    ASSERT_GE(kvRasterGrab(block.data()), 0);
    EXPECT_LT(kvRasterSave(folder.c_str(), block.data()), 0);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}

TEST_F(KivraWriters, FullDiskOrFolderThatIsAFileFailsWithoutLeavingAFile) {
    auto block = Block(0, 0, 2, 2);
    ASSERT_GE(kvRasterGrab(block.data()), 0);
    EXPECT_LT(kvRasterSave("/dev/full", block.data()), 0);
    ASSERT_GE(kvLosslessGrab(block.data()), 0);
    EXPECT_LT(kvLosslessSave("/dev/full", block.data()), 0);
    const std::string file = dir.Path("plain");
    std::ofstream(file) << "kept";
    ASSERT_GE(kvRasterGrab(block.data()), 0);
    EXPECT_LT(kvRasterSave((file + "/x.bmp").c_str(), block.data()), 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}
