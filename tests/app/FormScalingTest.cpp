#include <gtest/gtest.h>

#include "FormScaling.h"

TEST(FormScaling, FontHeightFollowsTheScreen)
{
    struct {
        int Height, Screen, Designed, Expected;
    } cases[] = {
        {-12, 96, 96, -12},
        {-12, 144, 96, -18},
        {-12, 120, 96, -15},
        {-12, 72, 96, -9},
        {-13, 144, 96, -20},  // rounded, not truncated
        {-12, 0, 96, -12},    // no resolution known: as designed
    };
    for (auto& c : cases)
        EXPECT_EQ(ScaledFontHeight(c.Height, c.Screen, c.Designed), c.Expected)
            << c.Height << " at " << c.Screen << " dpi";
}

// The main window's numbers: designed for a text height of 18.
TEST(FormScaling, ControlsFollowTheMeasuredTextHeight)
{
    TFormScale wine96{13, 18};  // IPAGothic at 96 dpi
    EXPECT_TRUE(wine96.Changes());
    EXPECT_EQ(wine96(294), 212);
    EXPECT_EQ(wine96(112), 81);
    EXPECT_EQ(wine96(8), 6);
    EXPECT_EQ(wine96(24), 17);
    EXPECT_EQ(wine96(112), 81);
    EXPECT_EQ(wine96(72), 52);
    EXPECT_EQ(wine96(75), 54);
    EXPECT_EQ(wine96(25), 18);

    TFormScale wine144{20, 18};
    EXPECT_EQ(wine144(294), 327);
    EXPECT_EQ(wine144(112), 124);

    TFormScale same{18, 18};
    EXPECT_FALSE(same.Changes());
    EXPECT_EQ(same(294), 294);

    TFormScale unknown{13, 0};  // no text height in the layout
    EXPECT_FALSE(unknown.Changes());
    EXPECT_EQ(unknown(294), 294);
}
