// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings_record.h"
#include "editors/cockpit/colour_picture.h"
#include "editors/cockpit/swatch_grid.h"
#include "editors/pitcrew/pitcrew_recolour.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A 500 x 375 picture whose drawing rows hold index x % 256 in column x.
struct Picture {
    std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(500 * 375, 0);
    Picture()
    {
        for (int y = 0; y < 198; ++y)
            for (int x = 0; x < 500; ++x)
                bytes[std::size_t(y) * 500 + std::size_t(x)] = std::uint8_t(x % 256);
    }
    kvr::PixelArea area() { return {bytes, 500, 375, 500}; }
    std::uint8_t at(int x, int y) const { return bytes[std::size_t(y) * 500 + std::size_t(x)]; }
};

int xOf(int index)
{
    return (index - 11) % 25 * 20 + 10;
}
int yOf(int index)
{
    return 198 + (index - 11) / 25 * 15 + 7;
}

} // namespace

struct DetailRow {
    const char* why;
    bool crew;
    int x, y;
    const char* text;
};

const DetailRow kDetails[] = {
    {"cockpit body", false, 42, 10, "Detail: Cockpit"},
    {"just past the body", false, 57, 10, "Detail: (nothing)"},
    {"last row of the drawing", false, 167, 197, "Detail: Front wing"},
    {"a swatch", false, xOf(100), yOf(100), "Detail: palette index 100"},
    {"the top left corner of the first cell", false, 0, 198, "Detail: palette index 11"},
    {"the last swatch", false, xOf(245), yOf(245), "Detail: palette index 245"},
    {"an empty cell past the last swatch", false, 499, 374, "Detail: (nothing)"},
    {"beside the picture", false, -1, 10, "Detail: (nothing)"},
    {"below the picture", false, 10, 375, "Detail: (nothing)"},
    {"58 is the legs, not the feet", true, 58, 0, "Detail: Legs/ Pit Monitor"},
    {"the team logo's first index", true, 250, 0, "Detail: Team logo"},
    {"below the feet", true, 41, 0, "Detail: (nothing)"},
};

TEST(ColourPicture, DetailNamesWhatIsUnderThePointer)
{
    Picture p;
    const kvr::SavedPicture saved = kvr::SavedPicture::take(p.area(), 198);
    for (const DetailRow& r : kDetails) {
        const kvr::ColourScheme& scheme = r.crew ? kvr::crewScheme() : kvr::cockpitScheme();
        EXPECT_EQ(kvr::pictureDetail(saved, scheme, r.x, r.y), r.text) << r.why;
    }
}

TEST(ColourPicture, DrawingLeavesOnlyTheChosenRunMarked)
{
    Picture p;
    const kvr::SavedPicture saved = kvr::SavedPicture::take(p.area(), 198);
    kvr::ColourTable dark{};
    kvr::SettingsRecord r;
    r.setByte(kvr::rec::cockpitColour(2, 0), 20);
    r.setByte(kvr::rec::cockpitColour(2, 1), 120);
    const kvr::ColourScheme& cockpit = kvr::cockpitScheme();
    kvr::drawColourPicture(p.area(), saved, cockpit, r, 2, 0, dark);
    EXPECT_EQ(p.at(xOf(20), yOf(20)), kvr::swatch::kMarkerOnDark);
    EXPECT_EQ(p.at(xOf(34), yOf(34)), kvr::swatch::kMarkerOnDark);
    EXPECT_EQ(p.at(xOf(35), yOf(35)), 35);
    EXPECT_EQ(p.at(43, 0), 21) << "cockpit body recoloured from base 20";
    EXPECT_EQ(p.at(59, 0), 121) << "mirrors recoloured from base 120";

    kvr::drawColourPicture(p.area(), saved, cockpit, r, 2, 1, dark);
    EXPECT_EQ(p.at(xOf(20), yOf(20)), 20) << "the earlier mark is gone";
    EXPECT_EQ(p.at(xOf(120), yOf(120)), kvr::swatch::kMarkerOnDark);
    EXPECT_EQ(p.at(xOf(135), yOf(135)), kvr::swatch::kMarkerOnDark);
}
