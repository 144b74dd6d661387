#include "app/text_line.h"

#include <gtest/gtest.h>

namespace
{
struct LineCase
{
    int top;
    int bottom;
    int lineHeight;
    int expectedTop;
};

TEST(CentredTextLine, CentresTheLineAndTruncatesTheOffset)
{
    const LineCase cases[] = {
        {0, 28, 14, 7},  // even leftover
        {0, 28, 13, 7},  // odd leftover: the extra pixel goes below
        {2, 30, 16, 8},  // client area not at zero
        {0, 13, 13, 0},  // line fills the box
        {0, 10, 13, -1}, // line taller than the box: -3 / 2 truncates toward zero
    };
    for (const LineCase& c : cases)
    {
        const LineBand band = CentredTextLine(c.top, c.bottom, c.lineHeight);
        EXPECT_EQ(band.top, c.expectedTop) << c.top << ".." << c.bottom << " line " << c.lineHeight;
        EXPECT_EQ(band.bottom - band.top, c.lineHeight);
    }
}
} // namespace
