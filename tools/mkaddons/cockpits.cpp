// SPDX-License-Identifier: GPL-3.0-or-later
// The eleven add-on cockpits: a picture for each screen and a definition file for each
// language version, whose numbers follow the pictures.
#include "addons.h"

#include "graphics/cockpit_artwork.h"
#include "graphics/pcx_writer.h"
#include "install/cockpit_definition.h"
#include "install/cockpit_manager.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace mkaddons {
namespace fs = std::filesystem;
using namespace kvr::cockpitdef;

namespace {

const std::array<kvr::CockpitLivery, 11> kLiveries = {{
    {kvr::rgb(200, 30, 40), kvr::rgb(240, 240, 240), kvr::rgb(40, 40, 44), 1.0, 1.0, true},
    {kvr::rgb(20, 50, 150), kvr::rgb(240, 200, 30), kvr::rgb(200, 200, 210), 0.85, 1.1, false},
    {kvr::rgb(230, 120, 20), kvr::rgb(30, 30, 34), kvr::rgb(230, 230, 230), 1.1, 0.95, true},
    {kvr::rgb(30, 140, 70), kvr::rgb(250, 250, 250), kvr::rgb(30, 60, 40), 0.95, 1.05, false},
    {kvr::rgb(235, 235, 240), kvr::rgb(200, 20, 30), kvr::rgb(60, 60, 70), 1.2, 1.0, true},
    {kvr::rgb(240, 210, 30), kvr::rgb(20, 20, 24), kvr::rgb(180, 30, 30), 0.9, 0.9, true},
    {kvr::rgb(40, 90, 200), kvr::rgb(250, 250, 250), kvr::rgb(230, 60, 40), 1.05, 1.15, false},
    {kvr::rgb(20, 24, 60), kvr::rgb(90, 200, 230), kvr::rgb(180, 180, 190), 1.0, 0.85, true},
    {kvr::rgb(245, 245, 245), kvr::rgb(20, 20, 90), kvr::rgb(200, 160, 40), 0.8, 1.0, false},
    {kvr::rgb(90, 30, 120), kvr::rgb(230, 200, 60), kvr::rgb(50, 40, 60), 1.15, 1.1, true},
    {kvr::rgb(60, 64, 70), kvr::rgb(230, 100, 160), kvr::rgb(20, 20, 20), 0.95, 0.95, false},
}};

// Version 0 and 5 read the same file; the others each have their own, the section
// heads in the version's language and the texts placed for its longer words.
struct Language {
    int version;
    const char* screen;
    const char* texts;
    int textShift;
};
constexpr std::array<Language, 6> kLanguages = {{
    {0, "screen", "text places", 0},
    {1, "Bildschirm", "Textstellen", 4},
    {2, "schermo", "posizioni testo", 2},
    {3, "pantalla", "posiciones texto", 3},
    {4, "ecran", "places des textes", 3},
    {6, "scherm", "tekstplaatsen", 2},
}};

constexpr const char* kTextNames[kTxtLines] = {
    "lap",        "laps total",  "position",   "cars",        "gear",       "speed",     "rev",
    "fuel",       "lap time",    "last lap",   "best lap",    "split",      "gap ahead", "gap behind",
    "water temp", "oil temp",    "oil press",  "tyre FL",     "tyre FR",    "tyre RL",   "tyre RR",
    "brake bias", "front wing",  "rear wing",  "pit limiter", "flag",       "message",   "clock",
};

std::string label(std::string text)
{
    text.resize(kFreeColumns, ' ');
    return text;
}

struct Definition {
    kvr::CockpitDefinition numbers;
    std::array<std::string, kLines> text;
};

Definition definitionFor(std::size_t set, const Language& lang)
{
    const kvr::CockpitLivery& l = kLiveries[set];
    const int s = int(set);
    Definition d;
    kvr::CockpitDefinition& n = d.numbers;

    const int lowTop = kvr::cockpitTopRow(kvr::kCockpitLowHeight, l);
    const int highTop = kvr::cockpitTopRow(kvr::kCockpitHighHeight, l);
    n.yLimit = lowTop;
    d.text[0] = label("Y limit (VGA rows)");

    // The outline of the cockpit, one row per band of the low picture: where the sides
    // begin on the left and the right, how far the nose reaches and its shade.
    for (int r = 0; r < kXyRows; ++r) {
        const double t = double(r) / (kXyRows - 1);
        const int y = lowTop + int(std::lround(t * (kvr::kCockpitLowHeight - 1 - lowTop)));
        const int side = int(std::lround(12 + 46 * t * l.sideHeight + s % 3));
        const int nose = int(std::lround((8 + 30 * t) * l.noseWidth));
        n.xy[std::size_t(r)] = {side, std::min(255, y), side, std::min(255, nose)};
        d.text[std::size_t(kXyFirstLine - 1 + r)] = label("XY data " + std::to_string(r + 1));
    }

    d.text[122] = label(std::string("; SVGA ") + lang.screen);
    d.text[123] = label(std::string("; 640 x 480, ") + lang.texts + " below");
    n.svga = {kvr::kCockpitHighWidth, highTop, kvr::kCockpitHighHeight, highTop / 2};
    const char* svgaNames[] = {"SVGA width", "SVGA view bottom", "SVGA height", "SVGA horizon"};
    const char* vgaNames[] = {"VGA view bottom", "VGA width", "VGA height", "VGA horizon"};
    for (int k = 0; k < kScreenLines; ++k) {
        d.text[std::size_t(kSvgaFirstLine - 1 + k)] = label(svgaNames[k]);
        d.text[std::size_t(kVgaFirstLine - 1 + k)] = label(vgaNames[k]);
    }

    // Texts sit on the wheel's display and along the dashboard under it.
    for (int k = 0; k < kTxtLines; ++k) {
        const int column = k % 7;
        const int line = k / 7;
        const int x = 236 + column * 28 + lang.textShift + (s % 4);
        const int y = 396 + line * 16;
        n.txtHigh[std::size_t(k)] = {x, y};
        n.txtLow[std::size_t(k)] = {x / 2, y * kvr::kCockpitLowHeight / kvr::kCockpitHighHeight};
        d.text[std::size_t(kTxtHighFirstLine - 1 + k)] = label(std::string("SVGA ") + kTextNames[k]);
        d.text[std::size_t(kTxtLowFirstLine - 1 + k)] = label(std::string("VGA ") + kTextNames[k]);
    }

    d.text[156] = label(std::string("; VGA ") + lang.screen);
    d.text[157] = label(std::string("; 320 x 200, ") + lang.texts + " below");
    n.vga = {lowTop, kvr::kCockpitLowWidth, kvr::kCockpitLowHeight, lowTop / 2};
    return d;
}

} // namespace

void makeCockpits(const fs::path& dir)
{
    for (std::size_t set = 0; set < kvr::kCockpitSets.size(); ++set) {
        const std::string stem = kvr::kCockpitSets[set].stem;
        const kvr::CockpitLivery& l = kLiveries[set];
        writeFile(dir / (stem + "HI.PCX"),
                  kvr::encodePcx8(kvr::cockpitArtwork(kvr::kCockpitHighWidth, kvr::kCockpitHighHeight, l)));
        writeFile(dir / (stem + "LO.PCX"),
                  kvr::encodePcx8(kvr::cockpitArtwork(kvr::kCockpitLowWidth, kvr::kCockpitLowHeight, l)));
        for (const Language& lang : kLanguages) {
            const Definition d = definitionFor(set, lang);
            const std::string name = kvr::versionedDefinitionName(stem + ".DAT", lang.version);
            writeText(dir / name, kvr::formatCockpitDefinition(d.numbers, d.text));
        }
    }
}

} // namespace mkaddons
