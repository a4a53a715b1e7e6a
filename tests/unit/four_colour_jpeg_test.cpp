// Four-colour JPEGs as print workflows and scanners write them: YCCK from
// TurboJPEG, plain CMYK from libjpeg, inverted (with Adobe's marker) or not.
#include <gtest/gtest.h>

#include <cstdio>
#include <jpeglib.h>

#include <array>
#include <cstdlib>

#include "bitmap_builder.h"
#include "kivra/kivra.h"
#include "picture_encoders.h"

namespace {

using testpic::Bytes;

constexpr int SIDE = 16;
// Four 8 x 8 blocks, one colour each: what the picture must show.
constexpr std::array<std::array<int, 3>, 4> BLOCKS{{{200, 30, 40}, {20, 180, 60}, {50, 70, 220}, {128, 128, 128}}};

const std::array<int, 3>& BlockAt(int x, int y) { return BLOCKS[(y / 8) * 2 + x / 8]; }

// The blocks as CMYK in the inverted form (255 for no ink).
Bytes InvertedCmyk() {
    Bytes cmyk;
    for (int y = 0; y < SIDE; ++y)
        for (int x = 0; x < SIDE; ++x) {
            const auto& rgb = BlockAt(x, y);
            const int k = std::max({rgb[0], rgb[1], rgb[2]});
            for (int c : rgb) cmyk.push_back(std::uint8_t((c * 255 + k / 2) / k));
            cmyk.push_back(std::uint8_t(k));
        }
    return cmyk;
}

// A plain CMYK JPEG through libjpeg; the Adobe marker only when asked for.
Bytes EncodeCmyk(const Bytes& cmyk, bool adobeMarker) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = SIDE;
    info.image_height = SIDE;
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_colorspace(&info, JCS_CMYK);
    jpeg_set_quality(&info, 100, TRUE);
    info.write_Adobe_marker = adobeMarker ? TRUE : FALSE;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPLE*>(&cmyk[std::size_t(info.next_scanline) * SIDE * 4]);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    Bytes jpeg(out, out + size);
    std::free(out);
    return jpeg;
}

// The picture as the program's decoder gives it, or an empty one.
Bytes Decode(const Bytes& jpeg) {
    testbmp::TempDir dir;
    const std::string path = dir.Path("four.jpg");
    testpic::WriteFile(path, jpeg);
    std::array<std::uint8_t, KV_PHOTO_INFO_BYTES> info{};
    if (kvPhotoOpen(path.c_str(), 1, info.data()) < 0) return {};
    Bytes rgb(SIDE * SIDE * 3);
    if (kvPhotoFetch(rgb.data(), SIDE, SIDE) < 0) return {};
    return rgb;
}

// Every dot within the codec's rounding of its block's colour.
void ExpectBlocks(const Bytes& rgb, const char* what) {
    SCOPED_TRACE(what);
    ASSERT_EQ(rgb.size(), std::size_t(SIDE * SIDE * 3));
    for (int y = 0; y < SIDE; ++y)
        for (int x = 0; x < SIDE; ++x)
            for (int c = 0; c < 3; ++c)
                ASSERT_NEAR(rgb[(y * SIDE + x) * 3 + c], BlockAt(x, y)[c], 4) << x << "," << y << " channel " << c;
}

}  // namespace

TEST(FourColourJpeg, CmykAndYcckDecodeToTheirColoursInvertedOrNot) {
    const Bytes inverted = InvertedCmyk();
    ExpectBlocks(Decode(testpic::EncodeJpeg(inverted, SIDE, SIDE, TJPF_CMYK, TJSAMP_444)), "YCCK");
    ExpectBlocks(Decode(EncodeCmyk(inverted, true)), "CMYK with Adobe's marker");
    Bytes plain = inverted;
    for (std::uint8_t& v : plain) v = std::uint8_t(255 - v);
    ExpectBlocks(Decode(EncodeCmyk(plain, false)), "CMYK without the marker");
}
