#include <gtest/gtest.h>

#include "app/image_file_type.h"

TEST(ImageFileType, ExtensionIsTextAfterLastDotOfTheName) {
    EXPECT_EQ(ExtensionOf("/home/a/photo.JPEG"), "JPEG");
    EXPECT_EQ(ExtensionOf("/home/a/a.b.jpg"), "jpg");
    EXPECT_EQ(ExtensionOf("/home/a.dir/noext"), "");  // the dot is in a folder name
    EXPECT_EQ(ExtensionOf("/home/a/trailing."), "");
    EXPECT_EQ(ExtensionOf("a.txt"), "txt");
}

TEST(ImageFileType, DialogAcceptsFirstThreeLettersInAnyCase) {
    for (const char* ext : {"jpg", "JPG", "jpeg", "JPEG", "jpe", "bmp", "Bmp", "gif", "png", "pngx"})
        EXPECT_TRUE(IsAcceptedExtension(ext)) << ext;
    for (const char* ext : {"txt", "jp", "", "tif", "j.g", "ipg"})
        EXPECT_FALSE(IsAcceptedExtension(ext)) << ext;
}

TEST(ImageFileType, FormatByTheLastCharactersOfThePath) {
    EXPECT_EQ(ImageFileTypeOf("/x/a.bmp"), ImageFileType::Bmp);
    EXPECT_EQ(ImageFileTypeOf("/x/a.BMP"), ImageFileType::Bmp);
    EXPECT_EQ(ImageFileTypeOf("/x/photo.JPEG"), ImageFileType::Jpeg);
    EXPECT_EQ(ImageFileTypeOf("/x/a.jpg"), ImageFileType::Jpeg);
    EXPECT_EQ(ImageFileTypeOf("/x/a.jpe"), ImageFileType::Jpeg);
    EXPECT_EQ(ImageFileTypeOf("/x/a.Gif"), ImageFileType::Gif);
    EXPECT_EQ(ImageFileTypeOf("/x/a.png"), ImageFileType::Png);
    EXPECT_EQ(ImageFileTypeOf("/x/a.txt"), ImageFileType::Unsupported);
    EXPECT_EQ(ImageFileTypeOf("/x/a.pngx"), ImageFileType::Unsupported);
    // Only the ending counts, not a dot: a name ending in the letters is taken.
    EXPECT_EQ(ImageFileTypeOf("/x/abmp"), ImageFileType::Bmp);
    EXPECT_EQ(ImageFileTypeOf("mp"), ImageFileType::Unsupported);
    EXPECT_EQ(ImageFileTypeOf(""), ImageFileType::Unsupported);
}
