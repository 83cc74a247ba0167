// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/colour_table.h"

#include <gtest/gtest.h>

TEST(StaticColours, SitAt0To9And246To255)
{
    // Window face grey at 7 (the swatch grid's background), white at 255.
    EXPECT_EQ(kvr::staticColour(0), kvr::rgb(0, 0, 0));
    EXPECT_EQ(kvr::staticColour(7), kvr::rgb(192, 192, 192));
    EXPECT_EQ(kvr::staticColour(9), kvr::rgb(166, 202, 240));
    EXPECT_EQ(kvr::staticColour(246), kvr::rgb(255, 251, 240));
    EXPECT_EQ(kvr::staticColour(249), kvr::rgb(255, 0, 0));
    EXPECT_EQ(kvr::staticColour(255), kvr::rgb(255, 255, 255));
    EXPECT_THROW(kvr::staticColour(10), std::out_of_range);
    EXPECT_THROW(kvr::staticColour(245), std::out_of_range);
}

TEST(StaticColours, ApplyingThemLeaves10To245Alone)
{
    kvr::ColourTable t;
    for (auto& e : t)
        e = kvr::rgb(1, 2, 3);
    kvr::applyStaticColours(t);
    for (int i = 0; i < kvr::kColourCount; ++i) {
        if (i >= 10 && i <= 245)
            EXPECT_EQ(t[std::size_t(i)], kvr::rgb(1, 2, 3)) << i;
        else
            EXPECT_EQ(t[std::size_t(i)], kvr::staticColour(i)) << i;
    }
}
