// Unit conversions of the platform layer: font sizes, dialog units, file
// dialog filters, network paths.
#include <gtest/gtest.h>

#include <QRect>

#include "platform/dialog_units.h"
#include "platform/file_dialog.h"
#include "platform/fonts.h"
#include "platform/network_path.h"

using namespace platform;

TEST(Fonts, PointSizeBecomesPixelHeightRoundedToNearest) {
    EXPECT_EQ(PointsToPixelHeight(9, 96), 12);
    EXPECT_EQ(PointsToPixelHeight(9, 120), 15);
    EXPECT_EQ(PointsToPixelHeight(9, 100), 13);  // 12.5 rounds up
    EXPECT_EQ(PointsToPixelHeight(10, 96), 13);  // 13.33
    EXPECT_EQ(PointsToPixelHeight(11, 96), 15);  // 14.67
    EXPECT_EQ(PointsToPixelHeight(-9, 100), -13);
}

TEST(DialogUnits, QuarterAverageWidthAcrossEighthHeightDown) {
    const DialogBaseUnits units{6, 12};
    EXPECT_EQ(DluToPixelsX(306, units), 459);
    EXPECT_EQ(DluToPixelsY(203, units), 305);   // 304.5 rounds up
    EXPECT_EQ(DluToPixelsX(3, DialogBaseUnits{7, 13}), 5);  // 5.25
    EXPECT_EQ(DluToPixelsY(5, DialogBaseUnits{7, 13}), 8);  // 8.125
    EXPECT_EQ(DluToPixelsX(0, units), 0);

    // Each number of a control's rectangle is converted on its own.
    const QRect rect = DialogRectToPixels(8, 12, 64, 19, units);
    EXPECT_EQ(rect, QRect(12, 18, 96, 29));  // 19 x 12 / 8 = 28.5 -> 29
}

TEST(FileDialogFilter, PairsAndQtForm) {
    const std::string filter = "jpg (*.jpg)|*.jpg|bmp (*.bmp)|*.bmp|gif (*.gif)|*.gif|png (*.png)|*.png||";
    const auto pairs = ParseFileFilter(filter);
    ASSERT_EQ(pairs.size(), 4u);
    EXPECT_EQ(pairs[0].first, "jpg (*.jpg)");
    EXPECT_EQ(pairs[3].second, "*.png");
    EXPECT_EQ(QtFileFilter(filter), "jpg (*.jpg);;bmp (*.bmp);;gif (*.gif);;png (*.png)");

    // A name without its patterns gets them, several patterns blank-separated.
    EXPECT_EQ(QtFileFilter("画像|*.jpg;*.jpe|CSV|*.csv||"), "画像 (*.jpg *.jpe);;CSV (*.csv)");
    // A dangling name without patterns is dropped; an empty filter is empty.
    EXPECT_EQ(QtFileFilter("CSV|*.csv|odd"), "CSV (*.csv)");
    EXPECT_EQ(QtFileFilter(""), "");
}

TEST(NetworkPath, DoubleSlashAndNetworkFileSystems) {
    EXPECT_TRUE(IsNetworkPath("//server/share/veldrio"));
    EXPECT_FALSE(IsNetworkPath("/server/share/veldrio"));
    EXPECT_FALSE(IsNetworkPath(""));
    EXPECT_FALSE(IsNetworkPath("/proc/self/exe"));  // a local, special file system

    EXPECT_TRUE(IsNetworkFileSystemType(0x6969));      // NFS
    EXPECT_TRUE(IsNetworkFileSystemType(0x517B));      // SMB
    EXPECT_TRUE(IsNetworkFileSystemType(0xFF534D42));  // CIFS
    EXPECT_TRUE(IsNetworkFileSystemType(0xFE534D42));  // SMB2
    EXPECT_TRUE(IsNetworkFileSystemType(static_cast<long long>(static_cast<int>(0xFF534D42))));
    EXPECT_FALSE(IsNetworkFileSystemType(0xEF53));     // ext4
    EXPECT_FALSE(IsNetworkFileSystemType(0x01021994)); // tmpfs
}
