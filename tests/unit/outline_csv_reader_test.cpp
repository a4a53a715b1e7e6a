#include <gtest/gtest.h>

#include <string>

#include "data/outline_csv_reader.h"
#include "platform/text_codec.h"

TEST(OutlineCsvReader, RowsAfterTheHeadingOfAnExportedFile) {
    // the heading block of an export is Shift-JIS; the rows are plain ASCII
    const std::string file = platform::ToCp932("計算結果\r\n面積,    300.00\r\n\r\nデータ\r\n") +
                             "type,x,y\r\n1,      10,      20\r\n2,   1.5e1,      -3\r\n0, , \r\n";
    SampleTable table;
    std::string error;
    ASSERT_EQ(ReadOutlineCsv(file, table, error), OutlineReadResult::Ok);
    ASSERT_EQ(table.count, 3);
    EXPECT_STREQ(table.rows[0].xText, "      10");
    EXPECT_EQ(table.rows[0].y, 20);
    EXPECT_EQ(table.rows[1].type, 2);
    EXPECT_STREQ(table.rows[1].xText, "   1.5e1");
    EXPECT_EQ(table.rows[1].x, 1);  // the integer form reads the leading integer
    EXPECT_EQ(table.rows[1].y, -3);
    EXPECT_EQ(table.rows[2].type, 0);
    EXPECT_STREQ(table.rows[2].xText, " ");
}

TEST(OutlineCsvReader, BareRowsAreRightJustified) {
    SampleTable table;
    std::string error;
    ASSERT_EQ(ReadOutlineCsv("1,0,0\n1, 30 ,0\n\n1,30,40", table, error), OutlineReadResult::Ok);
    ASSERT_EQ(table.count, 3);
    EXPECT_STREQ(table.rows[1].xText, "      30");
    EXPECT_EQ(table.rows[2].y, 40);
}

TEST(OutlineCsvReader, RefusesMalformedRowsAndOverfullTables) {
    const char* bad[] = {"1,2\n", "1,2,3,4\n", "x,1,2\n", "1.5,1,2\n", "1,123456789,2\n", ",1,2\n"};
    for (const char* text : bad) {
        SampleTable table;
        std::string error;
        EXPECT_EQ(ReadOutlineCsv(std::string("1,0,0\n") + text, table, error), OutlineReadResult::Malformed) << text;
        EXPECT_EQ(error.rfind("line 2:", 0), 0u) << error;
        EXPECT_EQ(table.count, 0);
    }
    std::string many;
    for (int i = 0; i < 201; ++i) many += "1," + std::to_string(i) + ",0\n";
    SampleTable table;
    std::string error;
    EXPECT_EQ(ReadOutlineCsv(many, table, error), OutlineReadResult::TooManyRows);
    EXPECT_EQ(ReadOutlineCsv(many.substr(0, many.rfind("1,200")), table, error), OutlineReadResult::Ok);
    EXPECT_EQ(table.count, 200);
}
