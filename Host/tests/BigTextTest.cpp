#include "BigText.h"

#include <gtest/gtest.h>

namespace {

TEST(BigTextTest, DrawsEachGlyphWithOneDotOfSpaceBetween)
{
    std::vector<std::string> rows = BigTextRender("-1", 1, "#");
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(BigTextRows));
    EXPECT_EQ(rows[0], "        #  ");
    EXPECT_EQ(rows[3], "#####   #  ");
    EXPECT_EQ(rows[6], "       ### ");
}

TEST(BigTextTest, WideDotsAndMultiByteInkKeepEveryRowTheSameWidth)
{
    const std::string text = "-20.35";
    std::vector<std::string> rows = BigTextRender(text, 2, "\u2588");
    int columns = BigTextColumns(text, 2);
    for (const std::string &row : rows) {
        // Count columns, not bytes: the block is three bytes of UTF-8.
        int width = 0;
        for (unsigned char c : row)
            width += (c & 0xC0) != 0x80 ? 1 : 0;
        EXPECT_EQ(width, columns);
    }
}

TEST(BigTextTest, UnknownCharactersAreBlank)
{
    for (const std::string &row : BigTextRender("?", 1, "#"))
        EXPECT_EQ(row, "   ");
}

} // namespace
