// SPDX-License-Identifier: GPL-3.0-or-later
// Nine small default views of the car-mounted cameras, each 100 x 67, at the places
// the cameras editor shows them.
#include "canvas.h"
#include "game_colours.h"
#include "pictures.h"

#include <array>
#include <cmath>

namespace mkpic {
namespace {

constexpr int kSheetWidth = 601;
constexpr int kSheetHeight = 135;
constexpr int kViewWidth = 100;
constexpr int kViewHeight = 67;

struct Place {
    int left;
    int top;
};
// Camera 1..9.
constexpr std::array<Place, 9> kPlaces = {{
    {401, 68},
    {101, 0},
    {201, 0},
    {301, 0},
    {401, 0},
    {501, 0},
    {101, 68},
    {201, 68},
    {301, 68},
}};

const Ramp kBody = ix::kRed;
const Ramp kWing = ix::kBlue;

// Sky, grass and a track running to the horizon, its centre shifted by `bend` there.
void landscape(Canvas& c, int horizon, double halfAtBottom, double bend = 0)
{
    c.rect(0, 0, kViewWidth - 1, horizon - 1,
           [=](int, int y) { return ix::kCyan.at(9 + y * 3 / std::max(horizon, 1)); });
    c.rect(0, horizon - 3, kViewWidth - 1, horizon - 1, solid(ix::kTrees));
    c.rect(0, horizon, kViewWidth - 1, kViewHeight - 1, solid(ix::kGrass));
    for (int y = horizon; y < kViewHeight; ++y) {
        const double t = double(y - horizon) / (kViewHeight - horizon);
        const double centre = 50 + bend * (1 - t) * (1 - t);
        const double half = 1.5 + t * halfAtBottom;
        c.rect(int(centre - half - 1 - t * 3), y, int(centre + half + 1 + t * 3), y,
               solid((y / 2) % 2 ? ix::kWhite : ix::kRed.at(15)));
        c.rect(int(centre - half), y, int(centre + half), y, solid(ix::kGrey.at(6)));
    }
}

Shader across(Ramp r, double left, double right, double low = 0.25, double high = 0.9)
{
    return [=](int x, int) { return r.lerp(low + (high - low) * std::clamp((right - x) / (right - left), 0.0, 1.0)); };
}

void tyre(Canvas& c, int left, int top, int right, int bottom)
{
    c.rect(left, top, right, bottom, solid(ix::kGrey.at(0)));
    c.rect(left + 2, top + 1, left + 3, bottom - 1, solid(ix::kGrey.at(3)));
}

void helmet(Canvas& c, double cx, double cy, double r, bool visor)
{
    c.ellipse(cx, cy, r, r, across(ix::kYellow, cx - r, cx + r, 0.35, 1.0));
    c.rect(int(cx - r), int(cy - 1), int(cx + r), int(cy + 1), solid(ix::kBlue.at(8)));
    if (visor)
        c.rect(int(cx - r * 0.7), int(cy - r * 0.45), int(cx + r * 0.7), int(cy - 2), solid(ix::kGrey.at(1)));
}

// 1: above the roll hoop, looking over the driver's head.
void overHead(Canvas& c)
{
    landscape(c, 24, 48);
    tyre(c, 14, 38, 27, 58);
    tyre(c, 72, 38, 85, 58);
    c.rect(24, 39, 75, 42, across(kWing, 24, 75));
    c.polygon({{47, 34}, {53, 34}, {66, 67}, {34, 67}}, across(kBody, 34, 66));
    helmet(c, 50, 70, 16, false);
}

// 2: on the nose, low over the front wing.
void noseCam(Canvas& c)
{
    landscape(c, 30, 60, 14);
    tyre(c, 0, 32, 11, 66);
    tyre(c, 88, 32, 99, 66);
    c.rect(0, 58, 99, 66, [](int, int y) { return kWing.lerp(0.9 - 0.08 * (y - 58)); });
    c.rect(14, 50, 18, 66, solid(kWing.at(4)));
    c.rect(81, 50, 85, 66, solid(kWing.at(4)));
}

// 3 and 4: on a sidepod, looking forward past a front tyre.
void sidepod(Canvas& c, bool left)
{
    landscape(c, 28, 44, left ? -10 : 10);
    auto X = [left](double x) { return left ? x : kViewWidth - 1 - x; };
    c.polygon({{X(0), 67}, {X(0), 48}, {X(60), 50}, {X(80), 67}}, across(kBody, 0, 99, 0.2, 0.7));
    const int a = int(std::min(X(2), X(30)));
    tyre(c, a, 22, a + 28, 52);
    c.ellipse(X(40), 16, 10, 5, solid(ix::kSteel.at(8)));
    c.ellipse(X(40), 16, 7, 3, solid(ix::kSkyLight));
}

// 5: facing backwards from the gearbox, a rival behind.
void rearFacing(Canvas& c)
{
    landscape(c, 22, 40, -6);
    c.rect(42, 20, 58, 24, solid(ix::kGreen.at(8)));
    c.rect(40, 18, 60, 19, solid(ix::kGreen.at(11)));
    tyre(c, 0, 40, 22, 66);
    tyre(c, 77, 40, 99, 66);
    c.polygon({{30, 66}, {36, 52}, {64, 52}, {70, 66}}, solid(ix::kGrey.at(2)));
    c.rect(46, 56, 54, 60, solid(ix::kRed.at(14)));
}

// 6: on the nose, looking back at the driver.
void atDriver(Canvas& c)
{
    c.rect(0, 0, kViewWidth - 1, 20, solid(ix::kCyan.at(10)));
    c.rect(0, 21, kViewWidth - 1, kViewHeight - 1, solid(ix::kGrass));
    c.polygon({{30, 8}, {70, 8}, {64, 30}, {36, 30}}, across(kBody, 30, 70));
    c.ellipse(50, 10, 9, 5, solid(ix::kGrey.at(0)));
    c.polygon({{0, 44}, {100, 44}, {100, 67}, {0, 67}}, across(kBody, 0, 100, 0.3, 0.8));
    c.ellipse(50, 46, 22, 6, solid(ix::kGrey.at(0)));
    helmet(c, 50, 38, 14, true);
    c.rect(0, 58, 99, 66, solid(kBody.at(4)));
}

// 7: low on the side, the front wheel and its wishbones.
void frontWheel(Canvas& c)
{
    landscape(c, 18, 70, 30);
    c.rect(0, 0, kViewWidth - 1, 8, solid(kBody.at(6)));
    c.line({0, 26}, {50, 36}, 3, solid(ix::kGrey.at(2)));
    c.line({0, 46}, {50, 44}, 3, solid(ix::kGrey.at(2)));
    c.ellipse(58, 40, 24, 24, solid(ix::kGrey.at(0)));
    c.ellipse(58, 40, 13, 13, solid(ix::kGrey.at(10)));
    c.ellipse(58, 40, 4, 4, solid(ix::kGrey.at(2)));
}

// 8: under the rear wing, looking back down the track.
void rearWing(Canvas& c)
{
    landscape(c, 30, 56, 20);
    c.rect(0, 4, 99, 18, [](int, int y) { return kWing.lerp(0.85 - 0.04 * (y - 4)); });
    c.rect(0, 0, 7, 34, solid(kWing.at(3)));
    c.rect(92, 0, 99, 34, solid(kWing.at(3)));
    c.rect(46, 18, 53, 66, solid(ix::kGrey.at(2)));
}

// 9: on the airbox, the back of the driver's helmet and the nose ahead.
void airbox(Canvas& c)
{
    landscape(c, 20, 50);
    c.polygon({{46, 28}, {54, 28}, {70, 52}, {30, 52}}, across(kBody, 30, 70));
    c.rect(18, 30, 82, 33, across(kWing, 18, 82));
    c.polygon({{0, 48}, {100, 48}, {100, 67}, {0, 67}}, across(kBody, 0, 100, 0.3, 0.8));
    c.ellipse(50, 58, 19, 17, across(ix::kYellow, 31, 69, 0.35, 1.0));
    c.rect(31, 56, 69, 58, solid(ix::kBlue.at(8)));
}

void label(Canvas& c, int number)
{
    c.digit(4, 4, number, 2, ix::kGrey.at(0));
    c.digit(3, 3, number, 2, ix::kWhite);
}

} // namespace

kvr::IndexedPicture cameraSheet()
{
    kvr::IndexedPicture sheet(kSheetWidth, kSheetHeight, ix::kGrey.at(4));
    sheet.colours = gamePalette();
    using Draw = void (*)(Canvas&);
    const std::array<Draw, 9> views = {
        overHead,
        noseCam,
        [](Canvas& c) { sidepod(c, true); },
        [](Canvas& c) { sidepod(c, false); },
        rearFacing,
        atDriver,
        frontWheel,
        rearWing,
        airbox,
    };
    for (int cam = 0; cam < 9; ++cam) {
        kvr::IndexedPicture view(kViewWidth, kViewHeight, ix::kGrey.at(4));
        Canvas c(view);
        views[std::size_t(cam)](c);
        label(c, cam + 1);
        const Place at = kPlaces[std::size_t(cam)];
        for (int y = 0; y < kViewHeight; ++y)
            for (int x = 0; x < kViewWidth; ++x)
                sheet.set(at.left + x, at.top + y, view.at(x, y));
    }
    return sheet;
}

} // namespace mkpic
