// SPDX-License-Identifier: GPL-3.0-or-later
// The single-helmet picture and the rev-light preview.
#include "canvas.h"
#include "game_colours.h"
#include "pictures.h"

namespace mkpic {
namespace {

constexpr int kHelmetWidth = 74;
constexpr int kHelmetHeight = 15;

constexpr int kLedWidth = 100;
constexpr int kLedHeight = 50;
constexpr std::uint8_t kFormFace = 7; // the static light grey of window faces
constexpr int kLights = 4;
constexpr int kSpriteLeft = 85;
constexpr int kSpriteSize = 10;
constexpr int kSpriteTops[] = {0, 12, 24};

// Where light k sits: left 10 + 17k, top 34 - 5k, eleven pixels square.
constexpr int lightLeft(int k)
{
    return 10 + 17 * k;
}
constexpr int lightTop(int k)
{
    return 34 - 5 * k;
}
constexpr int kLightSize = 11;

void lamp(Canvas& c, int left, int top, int size, std::uint8_t rim, std::uint8_t glass, std::uint8_t shine)
{
    const double r = size / 2.0;
    c.ellipse(left + r, top + r, r, r, solid(rim));
    c.ellipse(left + r, top + r, r - 1.5, r - 1.5, solid(glass));
    c.ellipse(left + r - 1.5, top + r - 1.5, 1.2, 1.2, solid(shine));
}

} // namespace

kvr::IndexedPicture smallHelmet()
{
    kvr::IndexedPicture p(kHelmetWidth, kHelmetHeight, ix::kSkyLight);
    p.colours = gamePalette();
    Canvas c(p);
    // Side view facing left: the shell's dome, a stripe round it, the visor at the front.
    c.ellipse(37, 15, 35, 15, [](int x, int y) { return ix::kPearl.lerp(1.0 - 0.02 * y - 0.003 * x); });
    c.ring(37, 15, 30, 11, 2, solid(ix::kRed.at(8)));
    c.polygon({{2, 6}, {22, 5}, {25, 12}, {3, 12}}, solid(ix::kGrey.at(1)));
    c.rect(6, 7, 18, 7, solid(ix::kGrey.at(6)));
    c.rect(3, 13, 71, 14, solid(ix::kGrey.at(2)));
    return p;
}

kvr::IndexedPicture ledPreview()
{
    kvr::IndexedPicture p(kLedWidth, kLedHeight, kFormFace);
    p.colours = gamePalette();
    Canvas c(p);
    c.rect(4, 14, 78, 49, solid(ix::kGrey.at(1)));
    c.rect(5, 15, 77, 15, solid(ix::kGrey.at(4)));
    for (int k = 0; k < kLights; ++k)
        lamp(c, lightLeft(k), lightTop(k), kLightSize, ix::kGrey.at(0), ix::kGrey.at(3), ix::kGrey.at(5));
    const std::uint8_t glass[] = {ix::kGreen.at(11), ix::kYellow.at(11), ix::kRed.at(9)};
    for (int s = 0; s < 3; ++s) {
        const int top = kSpriteTops[s];
        c.rect(kSpriteLeft, top, kSpriteLeft + kSpriteSize, top + kSpriteSize, solid(ix::kGrey.at(1)));
        lamp(c, kSpriteLeft, top, kSpriteSize, ix::kGrey.at(0), glass[s], ix::kWhite);
    }
    return p;
}

} // namespace mkpic
