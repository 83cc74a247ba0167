// SPDX-License-Identifier: GPL-3.0-or-later
// The teams' painting textures: the demo game's liveries and the add-on car set's.
#include "canvas.h"
#include "game_colours.h"
#include "textures.h"

#include <array>

namespace mkjams {
namespace {

using mkpic::Canvas;
using mkpic::Ramp;
using mkpic::solid;
namespace ix = mkpic::ix;

constexpr int kWidth = 256;
constexpr int kHeight = 164;
constexpr int kSideBottom = 63;
constexpr int kTopBottom = 111;

struct Livery {
    Ramp body;
    Ramp stripe;
    Ramp accent;
    int pattern; // 0 sweep, 1 band, 2 arrow, 3 split
};

// Invented colour schemes, one per texture file in list order.
constexpr std::array<Livery, 14> kDemo = {{
    {ix::kPurple, ix::kOrange, ix::kPearl, 0},
    {ix::kOrange, ix::kNavy, ix::kPearl, 1},
    {ix::kPink, ix::kPearl, ix::kNavy, 2},
    {ix::kTeal, ix::kYellow, ix::kPearl, 3},
    {ix::kGreen, ix::kPearl, ix::kOrange, 0},
    {ix::kSteel, ix::kRed, ix::kNavy, 1},
    {ix::kYellow, ix::kPurple, ix::kPearl, 2},
    {ix::kCyan, ix::kBrown, ix::kYellow, 3},
    {ix::kRed, ix::kNavy, ix::kPearl, 0},
    {ix::kBrown, ix::kYellow, ix::kPearl, 1},
    {ix::kNavy, ix::kOrange, ix::kCyan, 2},
    {ix::kPearl, ix::kPink, ix::kTeal, 3},
    {ix::kBlue, ix::kPearl, ix::kYellow, 0},
    {ix::kGrey, ix::kCyan, ix::kPearl, 1},
}};

constexpr std::array<Livery, 14> kCarSet = {{
    {ix::kGreen, ix::kOrange, ix::kPearl, 2},
    {ix::kPink, ix::kNavy, ix::kYellow, 3},
    {ix::kBrown, ix::kPearl, ix::kCyan, 0},
    {ix::kPurple, ix::kYellow, ix::kPearl, 1},
    {ix::kTeal, ix::kPearl, ix::kRed, 3},
    {ix::kNavy, ix::kPink, ix::kPearl, 2},
    {ix::kSteel, ix::kOrange, ix::kNavy, 0},
    {ix::kGrey, ix::kRed, ix::kYellow, 1},
    {ix::kOrange, ix::kTeal, ix::kPearl, 2},
    {ix::kYellow, ix::kBrown, ix::kNavy, 3},
    {ix::kCyan, ix::kPink, ix::kPearl, 1},
    {ix::kRed, ix::kPearl, ix::kGreen, 0},
    {ix::kBlue, ix::kOrange, ix::kPearl, 3},
    {ix::kPearl, ix::kGreen, ix::kPurple, 2},
}};

// Light from above: rows near the top of a part are lighter.
mkpic::Shader shaded(Ramp r, int top, int bottom)
{
    return [r, top, bottom](int, int y) { return r.lerp(0.85 - 0.45 * double(y - top) / double(bottom - top + 1)); };
}

void side(Canvas& c, const Livery& l, int number)
{
    c.rect(0, 0, kWidth - 1, kSideBottom, solid(ix::kDarkBackground));
    // The body from nose (left) to gearbox (right), with the cockpit opening and sidepod.
    c.polygon({{4, 40}, {60, 30}, {110, 16}, {200, 14}, {250, 22}, {252, 52}, {12, 54}}, shaded(l.body, 14, 54));
    switch (l.pattern) {
    case 0:
        c.polygon({{30, 46}, {120, 24}, {250, 26}, {251, 34}, {130, 34}, {40, 52}}, solid(l.stripe.at(9)));
        break;
    case 1:
        c.rect(8, 40, 250, 46, solid(l.stripe.at(9)));
        break;
    case 2:
        c.polygon({{20, 44}, {90, 30}, {250, 30}, {250, 44}, {90, 44}}, solid(l.stripe.at(9)));
        break;
    default:
        c.polygon({{110, 16}, {200, 14}, {250, 22}, {252, 52}, {150, 54}}, shaded(l.stripe, 14, 54));
        break;
    }
    c.polygon({{108, 18}, {140, 12}, {160, 16}, {150, 24}}, solid(ix::kGrey.at(1)));
    // Made-up sponsor blocks: plain shapes, no lettering.
    c.rect(170, 34, 200, 42, solid(l.accent.at(9)));
    c.ellipse(225, 38, 10, 6, solid(l.accent.at(12)));
    c.rect(60, 44, 80, 49, solid(l.accent.at(8)));
    // The number on a white disc.
    c.ellipse(140, 38, 11, 11, solid(ix::kWhite));
    c.digit(131, 31, number / 10, 3, ix::kGrey.at(0));
    c.digit(141, 31, number % 10, 3, ix::kGrey.at(0));
    c.outline([](std::uint8_t i) { return i != ix::kDarkBackground; }, ix::kGrey.at(0));
}

void top(Canvas& c, const Livery& l)
{
    c.rect(0, kSideBottom + 1, kWidth - 1, kTopBottom, solid(ix::kDarkBackground));
    const int mid = (kSideBottom + kTopBottom + 1) / 2;
    c.polygon({{4, double(mid - 4)},
               {110, double(mid - 14)},
               {250, double(mid - 20)},
               {250, double(mid + 20)},
               {110, double(mid + 14)},
               {4, double(mid + 4)}},
              shaded(l.body, kSideBottom + 1, kTopBottom));
    if (l.pattern % 2 == 0)
        c.rect(4, mid - 2, 250, mid + 2, solid(l.stripe.at(9)));
    else
        c.polygon({{150, double(mid - 18)}, {250, double(mid - 20)}, {250, double(mid + 20)}, {150, double(mid + 18)}},
                  solid(l.stripe.at(9)));
    c.ellipse(130, mid, 14, 7, solid(ix::kGrey.at(1)));
    c.ellipse(200, mid, 8, 8, solid(l.accent.at(10)));
}

void wings(Canvas& c, const Livery& l)
{
    c.rect(0, kTopBottom + 1, kWidth - 1, kHeight - 1, solid(ix::kDarkBackground));
    // Front wing: main plane and flap, with end plates.
    c.rect(8, 118, 120, 128, shaded(l.body, 118, 128));
    c.rect(8, 130, 120, 134, solid(l.stripe.at(9)));
    c.rect(4, 116, 10, 136, solid(l.accent.at(9)));
    c.rect(118, 116, 124, 136, solid(l.accent.at(9)));
    // Rear wing with its two elements.
    c.rect(136, 118, 248, 132, shaded(l.stripe, 118, 132));
    c.rect(136, 134, 248, 140, solid(l.body.at(8)));
    c.rect(132, 114, 138, 146, solid(l.accent.at(9)));
    c.rect(246, 114, 252, 146, solid(l.accent.at(9)));
    // Mirrors and the roll hoop.
    c.ellipse(30, 152, 8, 5, shaded(l.body, 147, 157));
    c.ellipse(60, 152, 8, 5, shaded(l.body, 147, 157));
    c.rect(90, 146, 118, 158, shaded(l.stripe, 146, 158));
}

} // namespace

kvr::IndexedPicture painting(int team, int set)
{
    kvr::IndexedPicture p(kWidth, kHeight, ix::kDarkBackground);
    p.colours = mkpic::gamePalette();
    Canvas c(p);
    const Livery& l = (set == 0 ? kDemo : kCarSet)[std::size_t(team)];
    side(c, l, 2 * team + 1 + set * 20);
    top(c, l);
    wings(c, l);
    return p;
}

} // namespace mkjams
