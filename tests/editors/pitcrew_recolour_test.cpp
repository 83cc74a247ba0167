// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings_record.h"
#include "editors/pitcrew/pitcrew_recolour.h"

#include <gtest/gtest.h>

#include <ostream>

#include <optional>

using kvr::CrewBases;

namespace {

// Group d's base is 10 + 16 (17 - d) except where a test sets it: every run moves.
CrewBases bases()
{
    CrewBases b{};
    for (int d = 0; d < 16; ++d)
        b[std::size_t(d)] = std::uint8_t(10 + 16 * (17 - d));
    return b;
}

} // namespace

TEST(CrewRecolour, GroupsZeroAndOneAndIndex10AreNeverRecoloured)
{
    CrewBases b = bases();
    b[0] = 99;
    b[1] = 77;
    const auto table = kvr::crewRecolourTable(b);
    for (int p = 0; p < 42; ++p)
        EXPECT_EQ(table[std::size_t(p)], p) << p;
}

struct Drawn {
    const char* what;
    int picture;
    int drawn;
};
void PrintTo(const Drawn& p, std::ostream* os)
{
    *os << p.what;
}

class CrewRecolour : public testing::TestWithParam<Drawn> {};

TEST_P(CrewRecolour, ShiftsEachGroupsRunToItsBase)
{
    CrewBases b = bases();
    b[2] = 90;   // Feet
    b[3] = 42;   // Legs
    b[14] = 250; // Head, wrapping
    b[15] = 200; // Team logo
    EXPECT_EQ(kvr::crewRecolourTable(b)[std::size_t(GetParam().picture)], GetParam().drawn) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Cases, CrewRecolour,
                         testing::Values(Drawn{"first of Feet", 42, 90}, Drawn{"last of Feet", 57, 105},
                                         Drawn{"first of Legs", 58, 42}, Drawn{"last of Legs", 73, 57},
                                         Drawn{"first of Head", 234, 250},
                                         Drawn{"Head wraps past 255", 245, (250 + 11) % 256},
                                         Drawn{"last of Head", 249, (250 + 15) % 256},
                                         Drawn{"logo 250 follows base 200", 250, 200}, Drawn{"logo 253", 253, 203},
                                         Drawn{"logo 255 follows base 200", 255, 205}),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(CrewRecolour, BasesAreTheTeamsSixteenBytes)
{
    kvr::SettingsRecord record;
    for (int i = 0; i < 16; ++i)
        record.setByte(0x792 + 13 * 16 + std::size_t(i), std::uint8_t(40 + i));
    record.setByte(0x792 + 12 * 16 + 15, 1);
    const CrewBases b = kvr::crewBases(record, 14);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(b[std::size_t(i)], 40 + i);
}

struct Group {
    int index;
    std::optional<int> group;
    const char* label;
};
void PrintTo(const Group& p, std::ostream* os)
{
    *os << p.index;
}

class CrewGroup : public testing::TestWithParam<Group> {};

TEST_P(CrewGroup, IsFoundByItsSixteenIndexRun)
{
    const auto g = kvr::crewGroupAt(std::uint8_t(GetParam().index));
    EXPECT_EQ(g, GetParam().group) << GetParam().index;
    EXPECT_EQ(kvr::crewDetail(g), GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(Cases, CrewGroup,
                         testing::Values(Group{10, std::nullopt, "Detail: (nothing)"},
                                         Group{41, std::nullopt, "Detail: (nothing)"}, Group{42, 2, "Detail: Feet"},
                                         Group{57, 2, "Detail: Feet"}, Group{58, 3, "Detail: Legs/ Pit Monitor"},
                                         Group{74, 4, "Detail: Waist"}, Group{121, 6, "Detail: Left chest/Sign"},
                                         Group{138, 8, "Detail: Epaulettes/Jack"}, Group{233, 13, "Detail: Hands"},
                                         Group{234, 14, "Detail: Head"}, Group{249, 14, "Detail: Head"},
                                         Group{250, 15, "Detail: Team logo"}, Group{255, 15, "Detail: Team logo"}));
