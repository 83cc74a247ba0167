// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings_record.h"
#include "editors/cockpit/cockpit_recolour.h"

#include <gtest/gtest.h>

#include <ostream>

#include <optional>
#include <vector>

using kvr::CockpitBases;

namespace {

// The colour editors' 500 x 375 picture whose drawing rows hold every index in turn,
// and whose grid rows hold 7.
struct Picture {
    std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(500 * 375, 7);
    Picture()
    {
        for (std::size_t i = 0; i < 500 * 198; ++i)
            bytes[i] = std::uint8_t(i * 31 % 256);
    }
    kvr::PixelArea area() { return {bytes, 500, 375, 500}; }
};

} // namespace

struct Recoloured {
    const char* what;
    int picture; // index in the unrecoloured picture
    int drawn;   // index drawn for bases cockpit 100, mirrors 200, front wing 30
};
void PrintTo(const Recoloured& p, std::ostream* os)
{
    *os << p.what;
}

class CockpitRecolour : public testing::TestWithParam<Recoloured> {};

TEST_P(CockpitRecolour, ShiftsEachRunToItsBase)
{
    const auto table = kvr::cockpitRecolourTable({100, 200, 30});
    EXPECT_EQ(table[std::size_t(GetParam().picture)], GetParam().drawn) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CockpitRecolour,
    testing::Values(Recoloured{"below the cockpit run", 41, 41}, Recoloured{"first of the cockpit", 42, 100},
                    Recoloured{"last of the cockpit (15 long)", 56, 114}, Recoloured{"just past the cockpit", 57, 57},
                    Recoloured{"first of the mirrors", 58, 200}, Recoloured{"last of the mirrors (16 long)", 73, 215},
                    Recoloured{"just past the mirrors", 74, 74}, Recoloured{"just below the front wing", 153, 153},
                    Recoloured{"first of the front wing", 154, 30},
                    Recoloured{"last of the front wing (14 long)", 167, 43},
                    Recoloured{"just past the front wing", 168, 168}, Recoloured{"static colour", 0, 0},
                    Recoloured{"top static colour", 255, 255}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(CockpitRecolour, ResultsWrapModulo256)
{
    const auto table = kvr::cockpitRecolourTable({250, 245, 2});
    EXPECT_EQ(table[56], (250 + 14) % 256);
    EXPECT_EQ(table[73], (245 + 15) % 256);
    EXPECT_EQ(table[154], 2);
}

TEST(CockpitRecolour, BasesComeFromTheTeamSlotsThreeBytes)
{
    kvr::SettingsRecord record;
    // Slot 3's bytes at 0x756 + 6, + 7, + 8; slot 2's and slot 4's must not be used.
    record.setByte(0x756 + 5, 1);
    record.setByte(0x756 + 6, 90);
    record.setByte(0x756 + 7, 106);
    record.setByte(0x756 + 8, 122);
    record.setByte(0x756 + 9, 2);
    EXPECT_EQ(kvr::cockpitBases(record, 3), (CockpitBases{90, 106, 122}));
}

TEST(CockpitRecolour, FillCockpitRedrawsOnlyTheDrawingRowsFromTheSavedPicture)
{
    Picture p;
    const auto saved = kvr::SavedPicture::take(p.area(), 198);
    EXPECT_EQ(saved.bytes().size(), 99000u);
    const std::vector<std::uint8_t> original = p.bytes;
    const auto table = kvr::cockpitRecolourTable({100, 200, 30});

    kvr::recolourPicture(p.area(), saved, table);
    kvr::recolourPicture(p.area(), saved, table); // again: still from the saved picture
    for (std::size_t i = 0; i < p.bytes.size(); ++i) {
        const std::uint8_t expected = i < 99000 ? table[original[i]] : original[i];
        ASSERT_EQ(p.bytes[i], expected) << i;
    }
    kvr::restorePicture(p.area(), saved);
    EXPECT_EQ(p.bytes, original);
}

TEST(CockpitRecolour, PixelsJustPastEachRunKeepTheirIndex)
{
    Picture p;
    for (std::uint8_t v : {57, 74, 168})
        p.bytes[v] = v;
    const auto saved = kvr::SavedPicture::take(p.area(), 198);
    kvr::recolourPicture(p.area(), saved, kvr::cockpitRecolourTable({1, 2, 3}));
    EXPECT_EQ(p.bytes[57], 57);
    EXPECT_EQ(p.bytes[74], 74);
    EXPECT_EQ(p.bytes[168], 168);
}

TEST(CockpitRecolour, SavedPictureOfAShortBitmapTakesWhatThereIs)
{
    std::vector<std::uint8_t> bytes(8 * 3, 5);
    const auto saved = kvr::SavedPicture::take({bytes, 7, 3, 8}, 198);
    EXPECT_EQ(saved.rows(), 3);
    EXPECT_EQ(saved.indexAt(6, 2), std::optional<std::uint8_t>(5));
    EXPECT_EQ(saved.indexAt(7, 0), std::nullopt);
    EXPECT_EQ(saved.indexAt(0, 3), std::nullopt);
    EXPECT_EQ(saved.indexAt(-1, 0), std::nullopt);
}

struct Element {
    int index;
    std::optional<int> element;
    const char* label;
};
void PrintTo(const Element& p, std::ostream* os)
{
    *os << p.index;
}

class CockpitElement : public testing::TestWithParam<Element> {};

TEST_P(CockpitElement, IsFoundInTheRunsOnly)
{
    EXPECT_EQ(kvr::cockpitElementAt(std::uint8_t(GetParam().index)), GetParam().element) << GetParam().index;
    EXPECT_EQ(kvr::cockpitDetail(kvr::cockpitElementAt(std::uint8_t(GetParam().index))), GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(Cases, CockpitElement,
                         testing::Values(Element{41, std::nullopt, "Detail: (nothing)"},
                                         Element{42, 0, "Detail: Cockpit"}, Element{56, 0, "Detail: Cockpit"},
                                         Element{57, std::nullopt, "Detail: (nothing)"},
                                         Element{58, 1, "Detail: Mirrors"}, Element{73, 1, "Detail: Mirrors"},
                                         Element{74, std::nullopt, "Detail: (nothing)"},
                                         Element{153, std::nullopt, "Detail: (nothing)"},
                                         Element{154, 2, "Detail: Front wing"}, Element{167, 2, "Detail: Front wing"},
                                         Element{168, std::nullopt, "Detail: (nothing)"}));
