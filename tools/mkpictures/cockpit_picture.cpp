// SPDX-License-Identifier: GPL-3.0-or-later
// The cockpit seen from the driver's seat: nose and front wing ahead, tyres, mirrors
// on both sides, the cockpit rim and the wheel, on a straight under a blue sky.
#include "canvas.h"
#include "editors/cockpit/cockpit_recolour.h"
#include "editors/cockpit/swatch_grid.h"
#include "game_colours.h"
#include "pictures.h"

#include <cmath>

namespace mkpic {
namespace {

using namespace kvr::swatch;

constexpr int kCentre = kPictureWidth / 2;
constexpr int kHorizon = 85;
constexpr int kBottom = kDrawingRows - 1;

const Ramp kBody{kvr::kCockpitRuns[0].first, kvr::kCockpitRuns[0].length};
const Ramp kMirror{kvr::kCockpitRuns[1].first, kvr::kCockpitRuns[1].length};
const Ramp kWing{kvr::kCockpitRuns[2].first, kvr::kCockpitRuns[2].length};

int mirrorX(int x)
{
    return kPictureWidth - 1 - x;
}

// Both sides of the car are drawn from the left one.
std::vector<Pt> mirrored(const std::vector<Pt>& pts)
{
    std::vector<Pt> out;
    for (const Pt& p : pts)
        out.push_back({kPictureWidth - p.x, p.y});
    return out;
}

void scenery(Canvas& c)
{
    c.rect(0, 0, kPictureWidth - 1, kHorizon - 1, [](int, int y) { return ix::kCyan.at(9 + y * 4 / kHorizon); });
    for (int x = 0; x < kPictureWidth; ++x) {
        const int top = int(70 + 6 * std::sin(x / 37.0) + 4 * std::sin(x / 13.0 + 1));
        c.rect(x, top, x, kHorizon - 1, solid(ix::kTrees));
    }
    c.rect(0, kHorizon, kPictureWidth - 1, kBottom,
           [](int, int y) { return int(600.0 / (y - kHorizon + 6)) % 2 ? ix::kGrass : ix::kGrassDark; });
    for (int y = kHorizon; y <= kBottom; ++y) {
        const double half = 8 + (y - kHorizon) * 3.2;
        const double kerb = 1 + (y - kHorizon) * 0.35;
        const std::uint8_t stripe = int(900.0 / (y - kHorizon + 6)) % 2 ? ix::kRed.at(15) : ix::kWhite;
        c.rect(int(kCentre - half - kerb), y, int(kCentre + half + kerb), y, solid(stripe));
        c.rect(int(kCentre - half), y, int(kCentre + half), y, solid(ix::kGrey.at(y < 110 ? 7 : 6)));
    }
}

void tyresAndSuspension(Canvas& c)
{
    auto tyre = [&](int left) {
        c.rect(left, 100, left + 62, 160, solid(ix::kGrey.at(0)));
        c.ellipse(left + 31, 101, 31, 6, solid(ix::kGrey.at(0)));
        c.rect(left + 8, 104, left + 12, 160, solid(ix::kGrey.at(3)));
        for (int y = 110; y < 160; y += 12)
            c.rect(left + 2, y, left + 60, y + 1, solid(ix::kGrey.at(2)));
    };
    tyre(122);
    tyre(mirrorX(184));
    for (const auto& arm : std::vector<std::pair<Pt, Pt>>{{{180, 128}, {214, 134}}, {{180, 146}, {206, 150}}}) {
        c.line(arm.first, arm.second, 4, solid(ix::kGrey.at(2)));
        c.line({kPictureWidth - arm.first.x, arm.first.y}, {kPictureWidth - arm.second.x, arm.second.y}, 4,
               solid(ix::kGrey.at(2)));
    }
}

void frontWing(Canvas& c)
{
    c.rect(92, 124, mirrorX(92), 137, [](int, int y) { return kWing.lerp(0.95 - 0.75 * (y - 124) / 13.0); });
    c.rect(92, 138, mirrorX(92), 139, solid(kWing.at(1)));
    for (int left : {86, mirrorX(98)}) {
        c.rect(left, 108, left + 12, 142, [left](int x, int) { return kWing.at(3 + (x - left) / 3); });
        c.rect(left, 108, left + 12, 109, solid(kWing.at(11)));
    }
}

void nose(Canvas& c)
{
    auto shade = [](int x, int y) {
        const double half = 12 + (y - 104) * 0.6;
        const double t = 1.0 - std::min(1.0, std::abs(x + 0.5 - kCentre) / half);
        return kBody.lerp(0.2 + 0.78 * t);
    };
    c.polygon({{238, 104}, {262, 104}, {318, 198}, {182, 198}}, shade);
    c.ellipse(kCentre, 105, 12, 5, shade);
}

void cockpitRim(Canvas& c)
{
    const std::vector<Pt> side = {{0, 126}, {60, 131}, {150, 157}, {198, 198}, {0, 198}};
    auto shade = [](int, int y) { return kBody.lerp(0.62 - 0.45 * (y - 126) / 72.0); };
    c.polygon(side, shade);
    c.polygon(mirrored(side), shade);
    const std::vector<std::pair<Pt, Pt>> rim = {
        {{0, 126}, {60, 131}}, {{60, 131}, {150, 157}}, {{150, 157}, {198, 198}}};
    for (const auto& [a, b] : rim) {
        c.line(a, b, 4, solid(kBody.at(13)));
        c.line({kPictureWidth - a.x, a.y}, {kPictureWidth - b.x, b.y}, 4, solid(kBody.at(13)));
    }
}

void mirrors(Canvas& c)
{
    for (int cx : {72, mirrorX(72)}) {
        const int stalk = cx < kCentre ? 96 : mirrorX(96);
        c.line({double(stalk), 136}, {double(cx + (cx < kCentre ? 10 : -10)), 112}, 7, solid(kMirror.at(5)));
        c.ellipse(cx, 104, 46, 17, [](int, int y) { return kMirror.lerp(0.9 - 0.65 * (y - 87) / 34.0); });
        c.ellipse(cx, 104, 38, 11, [](int, int y) { return y < 102 ? ix::kSkyLight : ix::kGrey.at(8); });
        c.rect(cx - 30, 108, cx + 30, 109, solid(ix::kGrey.at(5)));
    }
}

void wheel(Canvas& c)
{
    c.ring(kCentre, 238, 104, 54, 13, [](int, int y) { return ix::kGrey.at(y < 188 ? 4 : 2); });
    c.rect(222, 182, 278, 192, solid(ix::kGrey.at(0)));
    const std::uint8_t lights[] = {ix::kGreen.at(12), ix::kGreen.at(12), ix::kYellow.at(11), ix::kRed.at(15)};
    for (int k = 0; k < 4; ++k)
        c.ellipse(230 + 13 * k, 187, 4, 3, solid(lights[k]));
}

} // namespace

kvr::IndexedPicture cockpitPicture()
{
    kvr::IndexedPicture p(kPictureWidth, kPictureHeight, kBackground);
    p.colours = gamePalette();
    Canvas c(p);
    scenery(c);
    frontWing(c);
    tyresAndSuspension(c);
    nose(c);
    mirrors(c);
    cockpitRim(c);
    wheel(c);
    drawGrid(kvr::areaOf(p));
    return p;
}

} // namespace mkpic
