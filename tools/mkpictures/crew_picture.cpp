// SPDX-License-Identifier: GPL-3.0-or-later
// A pit crew member in front of the garage: helmet, overalls with chest halves, a
// thin stripe, belt, epaulettes and team logo, gloves and shoes; a lollipop sign in
// one hand, the timing monitor on the left and the jack on the right.
#include "canvas.h"
#include "editors/cockpit/swatch_grid.h"
#include "editors/pitcrew/pitcrew_recolour.h"
#include "game_colours.h"
#include "pictures.h"

#include <cmath>

namespace mkpic {
namespace {

using namespace kvr::swatch;

Ramp group(int d)
{
    return Ramp{kvr::crewRunFirst(d), kvr::kCrewRunLength};
}
const Ramp kFeet = group(2);
const Ramp kLegs = group(3);
const Ramp kWaist = group(4);
const Ramp kStripe = group(5);
const Ramp kLeftChest = group(6);
const Ramp kRightChest = group(7);
const Ramp kEpaulettes = group(8);
const Ramp kLeftUpperArm = group(9);
const Ramp kLeftForearm = group(10);
const Ramp kRightUpperArm = group(11);
const Ramp kRightForearm = group(12);
const Ramp kHands = group(13);
const Ramp kHead{kvr::crewRunFirst(14), 12}; // 246.. would show static colours
constexpr int kLogoFirst = 250;
constexpr int kLogoColours = 6;

constexpr int kFloor = 150;
constexpr int kBottom = kDrawingRows - 1;

// Light from the upper left: lighter towards the left edge of a shape.
Shader lit(Ramp r, double left, double right, double low = 0.25, double high = 0.9)
{
    return [=](int x, int) {
        const double t = std::clamp((right - (x + 0.5)) / (right - left), 0.0, 1.0);
        return r.lerp(low + (high - low) * t);
    };
}

// A rounded limb from a to b, lit across its width.
void limb(Canvas& c, Pt a, Pt b, double width, Ramp r)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double len = std::hypot(dx, dy);
    const double nx = -dy / len;
    const double ny = dx / len;
    auto shade = [=](int x, int y) {
        double d = ((x + 0.5 - a.x) * nx + (y + 0.5 - a.y) * ny) / (width / 2);
        if (nx < 0)
            d = -d;
        return r.lerp(0.55 - 0.35 * std::clamp(d, -1.0, 1.0));
    };
    c.line(a, b, width, shade);
    c.ellipse(a.x, a.y, width / 2, width / 2, shade);
    c.ellipse(b.x, b.y, width / 2, width / 2, shade);
}

void garage(Canvas& c)
{
    c.rect(0, 0, kPictureWidth - 1, kFloor - 1,
           [](int x, int) { return x % 60 == 0 ? ix::kGrey.at(8) : ix::kGrey.at(10); });
    c.rect(0, 0, kPictureWidth - 1, 18, solid(ix::kDarkBackground));
    c.rect(0, kFloor, kPictureWidth - 1, kBottom, solid(ix::kGrey.at(5)));
    c.rect(0, kFloor, kPictureWidth - 1, kFloor + 1, solid(ix::kGrey.at(3)));
    c.polygon({{0, 182}, {500, 176}, {500, 180}, {0, 186}}, solid(ix::kWhite));
}

void monitor(Canvas& c)
{
    c.rect(76, 100, 83, 185, lit(ix::kGrey, 76, 84, 0.2, 0.6));
    c.rect(56, 182, 104, 189, solid(ix::kGrey.at(2)));
    c.rect(24, 34, 136, 104, lit(kLegs, 24, 137));
    c.rect(32, 42, 128, 96, solid(ix::kGrey.at(0)));
    for (int row = 0; row < 5; ++row) {
        c.rect(38, 48 + row * 9, 38 + 8, 48 + row * 9 + 4, solid(ix::kSand));
        c.rect(52, 48 + row * 9, 100 - row * 5, 48 + row * 9 + 4, solid(ix::kWhite));
    }
}

void jack(Canvas& c)
{
    c.line({392, 170}, {478, 96}, 7, solid(kEpaulettes.at(6)));
    c.rect(470, 88, 486, 96, solid(ix::kGrey.at(1)));
    c.polygon({{372, 164}, {458, 164}, {466, 186}, {364, 186}}, lit(kEpaulettes, 364, 466));
    for (int x : {376, 452})
        c.ellipse(x, 188, 8, 8, solid(ix::kGrey.at(0)));
}

void sign(Canvas& c)
{
    c.line({354, 58}, {398, 50}, 5, solid(ix::kGrey.at(11)));
    c.ellipse(410, 44, 34, 34, solid(kLeftChest.at(3)));
    c.ellipse(410, 44, 30, 30, lit(kLeftChest, 380, 440, 0.4, 0.95));
    c.ring(410, 44, 22, 22, 4, solid(ix::kWhite));
}

void body(Canvas& c)
{
    // Legs and shoes.
    c.polygon({{217, 126}, {250, 126}, {248, 186}, {222, 186}}, lit(kLegs, 217, 250));
    c.polygon({{251, 126}, {284, 126}, {279, 186}, {253, 186}}, lit(kLegs, 251, 284));
    c.ellipse(230, 190, 22, 8, lit(kFeet, 208, 252));
    c.ellipse(272, 190, 22, 8, lit(kFeet, 250, 294));
    // Chest halves, the thin stripe, the belt.
    c.polygon({{205, 62}, {250, 60}, {250, 120}, {215, 120}}, lit(kLeftChest, 205, 250, 0.45, 0.95));
    c.polygon({{250, 60}, {295, 62}, {285, 120}, {250, 120}}, lit(kRightChest, 250, 295, 0.2, 0.7));
    c.polygon({{207, 90}, {293, 90}, {292, 95}, {208, 95}}, solid(kStripe.at(11)));
    c.rect(214, 118, 286, 128, lit(kWaist, 214, 286));
    c.rect(244, 119, 256, 127, solid(ix::kGrey.at(12)));
    // Team logo on the right chest: the six logo colours as bands.
    for (int k = 0; k < kLogoColours; ++k)
        c.rect(262, 70 + 2 * k, 284, 71 + 2 * k, solid(std::uint8_t(kLogoFirst + k)));
    // Arms: one hanging, one raising the sign.
    limb(c, {204, 70}, {188, 110}, 18, kLeftUpperArm);
    limb(c, {188, 110}, {194, 148}, 16, kLeftForearm);
    limb(c, {298, 70}, {334, 98}, 18, kRightUpperArm);
    limb(c, {334, 98}, {350, 64}, 16, kRightForearm);
    c.ellipse(195, 156, 10, 11, lit(kHands, 185, 206));
    c.ellipse(352, 56, 10, 10, lit(kHands, 342, 362));
    // Epaulettes over the shoulders.
    c.ellipse(209, 64, 16, 7, lit(kEpaulettes, 193, 225, 0.4, 0.95));
    c.ellipse(291, 64, 16, 7, lit(kEpaulettes, 275, 307, 0.3, 0.8));
}

void head(Canvas& c)
{
    c.rect(242, 50, 258, 60, solid(ix::kSkin.at(3)));
    c.ellipse(250, 30, 24, 26, lit(kHead, 226, 274, 0.2, 1.0));
    c.polygon({{230, 24}, {270, 24}, {268, 38}, {232, 38}}, solid(ix::kGrey.at(1)));
    c.rect(236, 26, 246, 27, solid(ix::kGrey.at(9)));
}

} // namespace

kvr::IndexedPicture crewPicture()
{
    kvr::IndexedPicture p(kPictureWidth, kPictureHeight, kBackground);
    p.colours = gamePalette();
    Canvas c(p);
    garage(c);
    monitor(c);
    jack(c);
    sign(c);
    body(c);
    head(c);
    // A dark edge where the crew, sign, monitor and jack meet the garage.
    c.outline([](std::uint8_t i) { return i >= kvr::crewRunFirst(kvr::kFirstCrewGroup); }, ix::kGrey.at(0));
    drawGrid(kvr::areaOf(p));
    return p;
}

} // namespace mkpic
