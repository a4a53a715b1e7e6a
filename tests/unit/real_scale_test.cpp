// The real-unit scale: measured by two clicks at any magnification, and
// remembered per picture in its own small file.
#include <gtest/gtest.h>

#include "data/picture_scales.h"
#include "temp_dir.h"
#include "viewer/scale_measure.h"

TEST(RealScale, TwoClicksAt200PercentGiveTheScaleTypedForTheSource) {
    // 30 x 40 source dots apart (50), shown at 200 %: clicks 60 x 80 display dots apart.
    ScaleMeasure measure;
    measure.Start();
    EXPECT_FALSE(measure.Click(100, 100));
    EXPECT_TRUE(measure.Click(160, 180));
    EXPECT_FALSE(measure.active());
    EXPECT_DOUBLE_EQ(measure.SourceDistance(2.0), 50.0);
    // 25 mm over those 50 source dots is the 0.5 mm per dot a user would type.
    EXPECT_DOUBLE_EQ(MmPerDotFromLength(25.0, measure.SourceDistance(2.0)), 0.5);
    EXPECT_EQ(MmPerDotFromLength(0, 50), 0);
}

TEST(RealScale, MeasuredLengthGoesBeforeTheTypedScale) {
    EXPECT_DOUBLE_EQ(ChosenMmPerDot(25.0, 50.0, 0.25), 0.5);
    EXPECT_DOUBLE_EQ(ChosenMmPerDot(0, 50.0, 0.25), 0.25);  // no length typed
    EXPECT_DOUBLE_EQ(ChosenMmPerDot(25.0, 0, 0.25), 0.25);  // nothing measured
    EXPECT_EQ(ChosenMmPerDot(0, 0, 0), 0);
}

TEST(RealScale, RememberedPerPictureBesideTheSettings) {
    TempDir dir;
    const std::string settings = dir.File("SetteiKol.bin");
    EXPECT_EQ(StoredPictureScale(settings, "/pics/a.jpg"), 0);  // no file yet
    ASSERT_TRUE(StorePictureScale(settings, "/pics/a.jpg", 0.5));
    ASSERT_TRUE(StorePictureScale(settings, "/pics/b b.jpg", 0.125));
    EXPECT_EQ(ReadFileBytes(dir.File("ScaleKol.txt")), "0.125\t/pics/b b.jpg\n0.5\t/pics/a.jpg\n");
    EXPECT_EQ(StoredPictureScale(settings, "/pics/a.jpg"), 0.5);
    ASSERT_TRUE(StorePictureScale(settings, "/pics/a.jpg", 0));  // cleared
    EXPECT_EQ(StoredPictureScale(settings, "/pics/a.jpg"), 0);
    EXPECT_EQ(StoredPictureScale(settings, ""), 0);  // a capture has no path

    // Lines that do not read are passed over; the rest still count.
    dir.Write("ScaleKol.txt", std::string("junk\n-1\t/x\n0.25\t/pics/c.gif\r\nabc\t/y\n\0\0", 38));
    EXPECT_EQ(StoredPictureScale(settings, "/pics/c.gif"), 0.25);
    EXPECT_EQ(StoredPictureScale(settings, "/x"), 0);
}
