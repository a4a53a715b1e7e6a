#include <gtest/gtest.h>

#include <random>

#include "bitmap_builder.h"
#include "image/image_data.h"
#include "image/library_loaders.h"
#include "picture_encoders.h"

using testpic::Bytes;
using testbmp::Pixels;

namespace {

class LibraryLoaders : public testing::Test {
protected:
    testbmp::TempDir dir;
};

}  // namespace

TEST_F(LibraryLoaders, JpegGivesTurboJpegsPixelsAndRecordsTheName) {
    const Bytes source = testpic::Pattern(33, 17);
    const Bytes jpeg = testpic::EncodeJpeg(source, 33, 17);
    const std::string path = dir.Path("a.b.jpg");
    testpic::WriteFile(path, jpeg);
    CImageData image;
    image.SetKind(IMG_JPEG);
    ASSERT_TRUE(LoadJpegFile(image, path));
    EXPECT_EQ(image.fileName(), "a.b.jpg");
    EXPECT_EQ(image.kind(), IMG_JPEG);
    ASSERT_EQ(image.width(), 33);
    ASSERT_EQ(image.height(), 17);
    int w = 0, h = 0;
    EXPECT_EQ(Pixels(image), testpic::DecodeJpeg(jpeg, w, h));
    // Red first: the decoded picture stays close to the pattern it came from.
    const Bytes got = Pixels(image);
    for (std::size_t i = 0; i < got.size(); ++i) ASSERT_NEAR(got[i], source[i], 6) << i;
}

TEST_F(LibraryLoaders, LargePhotoLoadsWholeWithTurboJpegsPixels) {
    // Large enough that a mix-up of rows, strides or a reduced decode shows.
    constexpr int kWidth = 3000, kHeight = 2001;
    const Bytes jpeg =
        testpic::EncodeJpeg(testpic::Pattern(kWidth, kHeight), kWidth, kHeight, TJPF_RGB, TJSAMP_420);
    const std::string path = dir.Path("large.jpeg");
    testpic::WriteFile(path, jpeg);
    CImageData image;
    ASSERT_TRUE(LoadJpegFile(image, path));
    ASSERT_EQ(image.width(), kWidth);
    ASSERT_EQ(image.height(), kHeight);
    ASSERT_EQ(image.pixelBytes(), std::size_t(kWidth) * kHeight * 3);
    int w = 0, h = 0;
    EXPECT_TRUE(Pixels(image) == testpic::DecodeJpeg(jpeg, w, h));
    // Handing the pixels over leaves the size and no picture.
    const PixelBuffer taken = image.TakePixels();
    EXPECT_EQ(taken.size(), std::size_t(kWidth) * kHeight * 3);
    EXPECT_FALSE(image.HasPicture());
    EXPECT_EQ(image.width(), kWidth);
}

TEST_F(LibraryLoaders, GreyJpegBecomesEqualRedGreenBlue) {
    Bytes grey(8 * 8);
    for (std::size_t i = 0; i < grey.size(); ++i) grey[i] = std::uint8_t(i * 4);
    const std::string path = dir.Path("g.jpg");
    testpic::WriteFile(path, testpic::EncodeJpeg(grey, 8, 8, TJPF_GRAY));
    CImageData image;
    ASSERT_TRUE(LoadJpegFile(image, path));
    const Bytes rgb = Pixels(image);
    for (std::size_t i = 0; i < rgb.size(); i += 3) {
        EXPECT_EQ(rgb[i], rgb[i + 1]);
        EXPECT_EQ(rgb[i], rgb[i + 2]);
    }
}

TEST_F(LibraryLoaders, GifFirstFrameWithTransparencyInterlaceAndOffset) {
    // Screen 6 x 10; the first frame covers columns 1..4, rows 1..9,
    // interlaced, colour 2 transparent.
    testpic::GifFrame first;
    first.left = 1;
    first.top = 1;
    first.width = 4;
    first.height = 9;
    first.interlaced = true;
    first.transparent = 2;
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 4; ++x) first.indexes.push_back(std::uint8_t((x + y) % 3));
    testpic::GifFrame second{0, 0, 6, 10, false, -1, Bytes(60, 1)};
    const std::string path = dir.Path("anim.gif");
    ASSERT_TRUE(testpic::WriteGif(path, 6, 10, {{10, 20, 30}, {40, 50, 60}, {70, 80, 90}, {1, 1, 1}},
                                  {first, second}));
    CImageData image;
    ASSERT_TRUE(LoadGifFile(image, path));
    ASSERT_EQ(image.width(), 6);
    ASSERT_EQ(image.height(), 10);
    const Bytes rgb = Pixels(image);
    const std::uint8_t colours[3][3] = {{10, 20, 30}, {40, 50, 60}, {255, 255, 255}};
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 6; ++x) {
            const std::uint8_t* dot = &rgb[(std::size_t(y) * 6 + x) * 3];
            const bool inFrame = x >= 1 && x <= 4 && y >= 1;
            Bytes expected = {255, 255, 255};  // outside the frame or transparent
            if (inFrame) {
                const int c = (x - 1 + y - 1) % 3;
                expected.assign(colours[c], colours[c] + 3);
            }
            ASSERT_EQ(Bytes(dot, dot + 3), expected) << x << "," << y;
        }
}

TEST_F(LibraryLoaders, GifFrameReachingPastTheScreenIsCutAtItsEdges) {
    // Screen 6 x 10; the frame covers columns 4..7 and rows 8..11: only its
    // top-left 2 x 2 dots lie on the screen.
    testpic::GifFrame frame{4, 8, 4, 4, false, -1, Bytes(16, 0)};
    for (std::size_t i = 0; i < frame.indexes.size(); ++i)
        frame.indexes[i] = std::uint8_t(i % 4 == 0 ? 1 : 0);
    const std::string path = dir.Path("edge.gif");
    ASSERT_TRUE(testpic::WriteGif(path, 6, 10, {{10, 20, 30}, {40, 50, 60}}, {frame}));
    CImageData image;
    ASSERT_TRUE(LoadGifFile(image, path));
    ASSERT_EQ(image.width(), 6);
    ASSERT_EQ(image.height(), 10);
    const Bytes rgb = Pixels(image);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 6; ++x) {
            const std::uint8_t* dot = &rgb[(std::size_t(y) * 6 + x) * 3];
            Bytes expected = {255, 255, 255};
            if (x >= 4 && y >= 8) {
                const bool first = (x - 4) == 0;  // index 1 where i % 4 == 0: the frame's first column
                expected = first ? Bytes{40, 50, 60} : Bytes{10, 20, 30};
            }
            ASSERT_EQ(Bytes(dot, dot + 3), expected) << x << "," << y;
        }
}

TEST_F(LibraryLoaders, PngExactWithAlphaOverWhite) {
    Bytes rgba = {10, 20, 30, 255, 200, 100, 50, 0, 0, 0, 0, 255, 255, 0, 0, 0};
    const std::string path = dir.Path("alpha.png");
    ASSERT_TRUE(testpic::WritePng(path, rgba, 2, 2, PNG_FORMAT_RGBA));
    CImageData image;
    ASSERT_TRUE(LoadPngFile(image, path));
    EXPECT_EQ(Pixels(image), (Bytes{10, 20, 30, 255, 255, 255, 0, 0, 0, 255, 255, 255}));

    const Bytes pattern = testpic::Pattern(5, 3);
    ASSERT_TRUE(testpic::WritePng(path, pattern, 5, 3, PNG_FORMAT_RGB));
    ASSERT_TRUE(LoadPngFile(image, path));
    EXPECT_EQ(Pixels(image), pattern);
}

TEST_F(LibraryLoaders, TruncatedAndDamagedFilesFailCleanly) {
    const Bytes pattern = testpic::Pattern(40, 30);
    Bytes jpeg = testpic::EncodeJpeg(pattern, 40, 30);
    const std::string pngPath = dir.Path("src.png");
    ASSERT_TRUE(testpic::WritePng(pngPath, pattern, 40, 30, PNG_FORMAT_RGB));
    Bytes png = testpic::ReadFile(pngPath);
    testpic::GifFrame frame{0, 0, 40, 30, false, -1, Bytes(1200, 1)};
    for (std::size_t i = 0; i < frame.indexes.size(); ++i) frame.indexes[i] = std::uint8_t(i % 4);
    const std::string gifPath = dir.Path("src.gif");
    ASSERT_TRUE(testpic::WriteGif(gifPath, 40, 30, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {0, 0, 0}}, {frame}));
    Bytes gif = testpic::ReadFile(gifPath);

    const std::string path = dir.Path("bad");
    CImageData image;
    auto loads = [&](const Bytes& bytes, bool (*load)(CImageData&, const std::string&)) {
        testpic::WriteFile(path, bytes);
        return load(image, path);
    };
    EXPECT_FALSE(loads(Bytes(jpeg.begin(), jpeg.begin() + std::ptrdiff_t(jpeg.size() / 2)), LoadJpegFile));
    EXPECT_FALSE(loads(Bytes(png.begin(), png.begin() + std::ptrdiff_t(png.size() / 2)), LoadPngFile));
    EXPECT_FALSE(loads(Bytes(gif.begin(), gif.begin() + std::ptrdiff_t(gif.size() / 2)), LoadGifFile));
    EXPECT_FALSE(loads(Bytes(), LoadJpegFile));
    EXPECT_FALSE(loads(Bytes(), LoadGifFile));
    EXPECT_FALSE(loads(Bytes(), LoadPngFile));
    EXPECT_FALSE(loads(png, LoadJpegFile));  // the wrong format
    EXPECT_FALSE(loads(jpeg, LoadGifFile));
    EXPECT_FALSE(loads(gif, LoadPngFile));
    EXPECT_FALSE(image.HasPicture());
    EXPECT_FALSE(LoadJpegFile(image, dir.Path("missing.jpg")));
    EXPECT_EQ(image.fileName(), "missing.jpg");

    // Random damage anywhere: a clean true or false, never a crash (run
    // under AddressSanitizer to see stray reads).
    std::mt19937 gen(7);
    for (int round = 0; round < 60; ++round) {
        Bytes j = jpeg, p = png, g = gif;
        for (int k = 0; k < 6; ++k) {
            j[gen() % j.size()] = std::uint8_t(gen());
            p[gen() % p.size()] = std::uint8_t(gen());
            g[gen() % g.size()] = std::uint8_t(gen());
        }
        using Loader = bool (*)(CImageData&, const std::string&);
        for (auto [bytes, load] : {std::pair<Bytes*, Loader>{&j, LoadJpegFile}, {&p, LoadPngFile}, {&g, LoadGifFile}}) {
            if (loads(*bytes, load)) {
                EXPECT_EQ(image.pixelBytes(), std::size_t(image.width()) * image.height() * 3);
            }
        }
    }
}
