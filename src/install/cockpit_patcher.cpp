// SPDX-License-Identifier: GPL-3.0-or-later
#include "install/cockpit_patcher.h"

#include "core/game_file.h"
#include "core/number_text.h"
#include "install/cockpit_definition.h"
#include "install/xy_tables.h"

#include <array>
#include <vector>

namespace kvr {
namespace {

using namespace cockpitpatch;

struct PatchWrite {
    std::uint32_t position;
    bool word; // 16 bits, low byte first; else one byte
    int value;
};
using Plan = std::vector<PatchWrite>;

// Where one screen data line goes; the second position is 0 for lines with one place.
struct ScreenPlace {
    bool word;
    std::array<std::uint32_t, 2> positions;
};

constexpr std::array<ScreenPlace, cockpitdef::kScreenLines> kSvgaPlaces = {{
    {true, {0xE92FD, 0xE9317}},
    {true, {0xE9311, 0}},
    {true, {0xE92F2, 0xE930C}},
    {true, {0xE9306, 0}},
}};

constexpr std::array<ScreenPlace, cockpitdef::kScreenLines> kVgaPlaces = {{
    {false, {0xE92B7, 0xE92CE}},
    {true, {0xE92C8, 0}},
    {true, {0xE92AB, 0xE92C3}},
    {true, {0xE92BD, 0}},
}};

static_assert(
    [] {
        for (int k = 0; k < cockpitdef::kScreenLines; ++k)
            if (!kSvgaPlaces[std::size_t(k)].word ||
                kVgaPlaces[std::size_t(k)].word != cockpitdef::kVgaWord[std::size_t(k)])
                return false;
        return true;
    }(),
    "the definition checks each screen value against the width it is written with");

void readYLimit(Plan& plan, const CockpitDefinition& d)
{
    plan.push_back({kYLimit, false, d.yLimit});
}

// One definition line: each field at its first, then its second position.
void getXyData(Plan& plan, const std::array<int, cockpitdef::kFields>& fields, const XyTable::Row& row)
{
    for (int f = 0; f < cockpitdef::kFields; ++f)
        for (int which = 0; which < 2; ++which)
            if (const std::uint32_t at = row[std::size_t(2 * f + which)]; at > 0)
                plan.push_back({at, false, fields[std::size_t(f)]});
}

void readXyData(Plan& plan, const CockpitDefinition& d, const XyTable& table)
{
    for (int r = 0; r < cockpitdef::kXyRows; ++r)
        getXyData(plan, d.xy[std::size_t(r)], table.rows[std::size_t(r)]);
}

void getScreenData(Plan& plan, int value, const ScreenPlace& place)
{
    for (std::uint32_t at : place.positions)
        if (at > 0)
            plan.push_back({at, place.word, value});
}

void readScreenData(Plan& plan, const std::array<int, cockpitdef::kScreenLines>& values,
                    const std::array<ScreenPlace, cockpitdef::kScreenLines>& places)
{
    for (int k = 0; k < cockpitdef::kScreenLines; ++k)
        getScreenData(plan, values[std::size_t(k)], places[std::size_t(k)]);
}

void readScreenDataSvga(Plan& plan, const CockpitDefinition& d)
{
    readScreenData(plan, d.svga, kSvgaPlaces);
}
void readScreenDataVga(Plan& plan, const CockpitDefinition& d)
{
    readScreenData(plan, d.vga, kVgaPlaces);
}

// Only the low word of each 4-byte value: the upper two bytes stay as the game has them.
void readTxt(Plan& plan, const std::array<std::array<int, 2>, cockpitdef::kTxtLines>& pairs, std::uint32_t base)
{
    for (int k = 0; k < cockpitdef::kTxtLines; ++k) {
        const std::uint32_t slot = base + std::uint32_t(k) * kTxtSlotSize;
        plan.push_back({slot, true, pairs[std::size_t(k)][0]});
        plan.push_back({slot + kTxtSecondValue, true, pairs[std::size_t(k)][1]});
    }
}

} // namespace

void cockPatcher(GameFile& exe, const CockpitDefinition& d, const XyTable& table)
{
    Plan plan;
    readYLimit(plan, d);
    readXyData(plan, d, table);
    readScreenDataSvga(plan, d);
    readTxt(plan, d.txtHigh, kTxtHighBase);
    readScreenDataVga(plan, d);
    readTxt(plan, d.txtLow, kTxtLowBase);

    for (const PatchWrite& w : plan)
        exe.require(w.position, w.word ? 2 : 1);
    // In file order: a later row naming the same place as an earlier one wins.
    for (const PatchWrite& w : plan) {
        exe.seek(w.position);
        if (w.word)
            exe.writeWord(lowWord(w.value));
        else
            exe.writeByte(lowByte(w.value));
    }
}

} // namespace kvr
