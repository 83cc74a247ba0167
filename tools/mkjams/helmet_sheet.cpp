// SPDX-License-Identifier: GPL-3.0-or-later
// The demo game's helmet sheet.
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

constexpr int kSheetWidth = 256;
constexpr int kSheetHeight = 180;
constexpr int kWidth = 74;
constexpr int kHeight = 15;
constexpr int kCount = 29;
constexpr int kPerColumn = 12;

constexpr std::array<Ramp, 12> kShells = {ix::kRed,  ix::kBlue, ix::kYellow, ix::kGreen, ix::kOrange, ix::kPurple,
                                          ix::kTeal, ix::kPink, ix::kNavy,   ix::kCyan,  ix::kBrown,  ix::kSteel};

// Side view facing left: the shell, a pattern on it, the visor at the front, the rim.
kvr::IndexedPicture helmet(int n)
{
    kvr::IndexedPicture p(kWidth, kHeight, ix::kDarkBackground);
    p.colours = mkpic::gamePalette();
    Canvas c(p);
    const Ramp shell = kShells[std::size_t(n % 12)];
    const Ramp trim = kShells[std::size_t((n * 5 + 3) % 12)];
    c.ellipse(37, 15, 35, 15, [&](int x, int y) { return shell.lerp(0.75 - 0.025 * y - 0.002 * x); });
    const auto onShell = [&](std::uint8_t i) { return i >= shell.first && i < shell.first + shell.length; };
    const auto paint = [&](const mkpic::Shader& s) {
        return [&, s](int x, int y) { return onShell(p.at(x, y)) ? s(x, y) : p.at(x, y); };
    };
    switch (n % 5) {
    case 0:
        c.ring(37, 15, 30, 11, 2, paint(solid(trim.at(9))));
        break;
    case 1:
        c.ring(37, 15, 31, 12, 2, paint(solid(trim.at(9))));
        c.ring(37, 15, 26, 8, 2, paint(solid(ix::kWhite)));
        break;
    case 2:
        c.rect(20, 0, 60, 4, paint(solid(trim.at(8))));
        break;
    case 3:
        c.rect(28, 0, 70, 12, paint([&](int x, int y) { return ((x / 4 + y / 4) % 2) ? trim.at(9) : ix::kWhite; }));
        break;
    default:
        for (int k = 0; k < 4; ++k)
            c.ellipse(34 + 9 * k, 6 + (k % 2) * 3, 2.2, 2.2, paint(solid(trim.at(10))));
        break;
    }
    c.polygon({{2, 6}, {22, 5}, {25, 12}, {3, 12}}, solid(ix::kGrey.at(1)));
    c.rect(6, 7, 18, 7, solid(ix::kGrey.at(6)));
    c.rect(3, 13, 71, 14, solid(ix::kGrey.at(2)));
    // A small number at the back tells the helmets apart in the editor.
    c.digit(60, 6, n / 10, 1, ix::kWhite);
    c.digit(64, 6, n % 10, 1, ix::kWhite);
    return p;
}

} // namespace

kvr::IndexedPicture helmetSheet()
{
    kvr::IndexedPicture sheet(kSheetWidth, kSheetHeight, ix::kDarkBackground);
    sheet.colours = mkpic::gamePalette();
    for (int n = 0; n < kCount; ++n) {
        const kvr::IndexedPicture h = helmet(n);
        const int left = (n / kPerColumn) * kWidth;
        const int top = (n % kPerColumn) * kHeight;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                sheet.set(left + x, top + y, h.at(x, y));
    }
    return sheet;
}

} // namespace mkjams
