// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/view_rect.h"

#include <gtest/gtest.h>

#include <ostream>

using kvr::PixelRect;
using kvr::TView;

namespace {

struct ClampCase {
    const char* what;
    PixelRect before;
    int bitmapWidth;
    int bitmapHeight;
    PixelRect after;
};
void PrintTo(const ClampCase& p, std::ostream* os)
{
    *os << p.what;
}

PixelRect clamped(const ClampCase& c)
{
    TView v;
    v.setPortion(std::int16_t(c.before.left), std::int16_t(c.before.top), std::int16_t(c.before.width),
                 std::int16_t(c.before.height));
    v.clampTo(c.bitmapWidth, c.bitmapHeight);
    return {v.left(), v.top(), v.width(), v.height()};
}

} // namespace

class ViewClamp : public testing::TestWithParam<ClampCase> {};

TEST_P(ViewClamp, KeepsTheRectangleOnTheBitmap)
{
    EXPECT_EQ(clamped(GetParam()), GetParam().after) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ViewClamp,
    testing::Values(
        ClampCase{
            "left 600 on 500 wide moves to 499, width cut to the edge", {600, 0, 100, 50}, 500, 375, {499, 0, 1, 50}},
        ClampCase{"left exactly at the width moves to its last pixel", {500, 0, 0, 10}, 500, 375, {499, 0, 0, 10}},
        ClampCase{"camera 1 on the camera sheet is untouched", {401, 68, 100, 67}, 601, 135, {401, 68, 100, 67}},
        ClampCase{"camera 6 ends exactly at the right edge", {501, 0, 100, 67}, 601, 135, {501, 0, 100, 67}},
        ClampCase{"width reaching past the edge is cut", {450, 10, 100, 20}, 500, 375, {450, 10, 50, 20}},
        ClampCase{"top past the height moves to the last row, height cut", {0, 200, 10, 67}, 601, 135, {0, 134, 10, 1}},
        ClampCase{"height reaching past the bottom is cut", {0, 100, 10, 67}, 601, 135, {0, 100, 10, 35}},
        ClampCase{"negative edges and sizes become 0", {-5, -7, -1, -2}, 100, 100, {0, 0, 0, 0}}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(View, EverySetterFiresOnChange)
{
    TView v;
    int fired = 0;
    v.onChange = [&] { ++fired; };
    v.setMode(kvr::ViewMode::Portion);
    v.setLeft(1);
    v.setTop(2);
    v.setWidth(3);
    v.setHeight(4);
    EXPECT_EQ(fired, 5);
    v.clampTo(10, 10);
    EXPECT_EQ(fired, 5);
}

TEST(View, ModeAllShowsTheWholeBitmapWhateverTheRectangle)
{
    TView v;
    v.setLeft(5);
    v.setWidth(3);
    EXPECT_EQ(v.mode(), kvr::ViewMode::All);
    EXPECT_EQ(v.shown(500, 375), (PixelRect{0, 0, 500, 375}));
    v.setMode(kvr::ViewMode::Portion);
    EXPECT_EQ(v.shown(500, 375), (PixelRect{5, 0, 3, 0}));
}

TEST(View, ControlPointsMapToBitmapPixels)
{
    const PixelRect camera1{401, 68, 100, 67};
    EXPECT_EQ(kvr::controlToBitmap(0, 0, 100, 67, camera1), (kvr::PixelPoint{401, 68}));
    EXPECT_EQ(kvr::controlToBitmap(99, 66, 100, 67, camera1), (kvr::PixelPoint{500, 134}));
    // Twice the size: two control pixels per bitmap pixel.
    EXPECT_EQ(kvr::controlToBitmap(5, 3, 14, 6, {0, 0, 7, 3}), (kvr::PixelPoint{2, 1}));
    // Left of the control stays left of the picture.
    EXPECT_EQ(kvr::controlToBitmap(-1, -1, 14, 6, {0, 0, 7, 3}), (kvr::PixelPoint{-1, -1}));
}
