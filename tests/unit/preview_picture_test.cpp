// The main dialog's preview taken from a reduced decode of a large JPEG: it
// must have the size and placement of the preview a full decode gives, and
// nearly its pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "app/preview_picture.h"
#include "app/preview_scaling.h"
#include "bitmap_builder.h"
#include "image/image_data.h"
#include "image/library_loaders.h"
#include "image/reduced_picture.h"
#include "picture_encoders.h"

using testpic::Bytes;

namespace {

struct Photo {
    int width;
    int height;
    int boxWidth;
    int boxHeight;
    int reduction;  // what the box needs of the picture
};

struct Difference {
    int largest = 0;
    double mean = 0;
};

Difference Compare(const RasterBytes& a, const RasterBytes& b) {
    Difference d;
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int one = std::abs(int(a[i]) - int(b[i]));
        d.largest = std::max(d.largest, one);
        d.mean += one;
    }
    if (n > 0) d.mean /= double(n);
    return d;
}

}  // namespace

TEST(PreviewPicture, LargeJpegLooksAsItsFullDecodeWouldShowIt) {
    testbmp::TempDir dir;
    // Sides that are no multiple of the block leave partial blocks at the
    // right and bottom; a tall picture fits the box by its height.
    for (const Photo photo :
         {Photo{1603, 1201, 300, 225, 4}, Photo{700, 2100, 114, 137, 8}, Photo{640, 480, 400, 300, 1}}) {
        SCOPED_TRACE(photo.width);
        const Bytes jpeg = testpic::EncodeJpeg(testpic::Pattern(photo.width, photo.height), photo.width,
                                               photo.height, TJPF_RGB, TJSAMP_420);
        const std::string path = dir.Path("photo.jpg");
        testpic::WriteFile(path, jpeg);

        // The preview as a full decode gives it.
        int w = 0, h = 0;
        const Bytes full = testpic::DecodeJpeg(jpeg, w, h);
        const double s = PreviewFitScale(photo.boxWidth, photo.boxHeight, w, h);
        const DisplayRaster expected = BuildPreviewPixels(full.data(), w, h, s);

        PreviewPicture preview;
        ASSERT_TRUE(preview.Load(path, photo.boxWidth, photo.boxHeight));
        EXPECT_TRUE(preview.loaded());
        EXPECT_EQ(preview.image().image.width(), photo.width);
        EXPECT_EQ(preview.image().image.height(), photo.height);
        EXPECT_EQ(preview.image().image.fileName(), "photo.jpg");
        EXPECT_FALSE(preview.image().image.HasPicture());  // no full copy kept
        EXPECT_EQ(preview.image().displayScale, s);
        ASSERT_EQ(preview.pixels().width, expected.width);
        ASSERT_EQ(preview.pixels().height, expected.height);
        // A reduced dot is its block's mean where the full decode's is one
        // dot of the block: on a smooth picture they stay close.
        const Difference difference = Compare(preview.pixels().pixels, expected.pixels);
        EXPECT_LE(difference.largest, 4);
        EXPECT_LE(difference.mean, 1.0);

        // The decode behind it is as small as the box allows.
        ReducedPicture reduced;
        ASSERT_TRUE(LoadReducedJpegFile(
            path,
            [&](int fullWidth, int fullHeight, int& minWidth, int& minHeight) {
                EXPECT_EQ(fullWidth, photo.width);
                EXPECT_EQ(fullHeight, photo.height);
                minWidth = expected.width;
                minHeight = expected.height;
            },
            reduced));
        EXPECT_EQ(reduced.reduction, photo.reduction);
        EXPECT_EQ(reduced.width, (photo.width + photo.reduction - 1) / photo.reduction);
        EXPECT_EQ(reduced.height, (photo.height + photo.reduction - 1) / photo.reduction);
        EXPECT_EQ(reduced.rgb.size(), std::size_t(reduced.width) * reduced.height * 3);
    }
}

TEST(PreviewPicture, OtherFormatsKeepTheirWholeLoadAndExactPixels) {
    testbmp::TempDir dir;
    const Bytes rgb = testpic::Pattern(90, 70);
    const std::string path = dir.Path("plan.png");
    ASSERT_TRUE(testpic::WritePng(path, rgb, 90, 70, PNG_FORMAT_RGB));
    PreviewPicture preview;
    ASSERT_TRUE(preview.Load(path, 114, 137));
    const double s = PreviewFitScale(114, 137, 90, 70);
    const DisplayRaster expected = BuildPreviewPixels(rgb.data(), 90, 70, s);
    EXPECT_EQ(preview.pixels().width, expected.width);
    EXPECT_EQ(preview.pixels().pixels, expected.pixels);
    EXPECT_EQ(preview.image().image.width(), 90);
    EXPECT_FALSE(preview.image().image.HasPicture());

    // A file that does not decode leaves no preview and no size.
    testpic::WriteFile(dir.Path("broken.jpg"), Bytes(100, 7));
    EXPECT_FALSE(preview.Load(dir.Path("broken.jpg"), 114, 137));
    EXPECT_FALSE(preview.loaded());
    EXPECT_EQ(preview.image().image.width(), 0);
}
