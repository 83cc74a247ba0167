// SPDX-License-Identifier: GPL-3.0-or-later
// Made-up roster and performance values for a demo installation. Every name here is
// invented.
#include "game/demo_values.h"

#include "core/checksum.h"
#include "core/positions.h"
#include "core/settings_record.h"
#include "editors/names/names_blocks.h"

#include <array>
#include <string_view>

namespace kvr {
namespace {

constexpr std::array<std::string_view, rec::kTeams> kTeamNames = {
    "Corvane",   "Halvex",   "Sablewing", "Tessarine", "Brightmoor", "Kestrova",  "Vantoria",
    "Orrindale", "Lumivar",  "Quillon",   "Ashgrove",  "Delmarra",   "Fenrowe",   "Zarquell",
};

constexpr std::array<std::string_view, rec::kTeams> kEngineNames = {
    "Zephrin V10", "Mordane V8", "Kalvex V10",  "Brisol V12",  "Tormund V8", "Quenta V10",  "Ravello V8",
    "Ostrel V10",  "Pyrran V8",  "Skellig V10", "Dunmar V8",   "Vexton V10", "Carrow V8",   "Helvane V8",
};

// By car number 1..40.
constexpr std::array<std::string_view, rec::kDrivers> kDriverNames = {
    "Aurel Venkamp",    "Bastien Quorel",  "Corin Malvaux",   "Dario Festanni",  "Emrik Solvang",
    "Fabian Truelle",   "Gideon Arkwell",  "Hollis Brenmark", "Ivo Castellard",  "Jory Penhallow",
    "Kasimir Ulden",    "Lucan Devereign", "Marek Sondheld",  "Nilo Barravecchi", "Osric Falkmoor",
    "Pavo Lindqvane",   "Quentin Aldraque", "Rafe Tollemund", "Silvan Okorrel",  "Tamsin Varlowe",
    "Ulric Hensmoor",   "Valen Crosswaite", "Wendel Ashbourne", "Xaver Pellucci", "Yannick Dromard",
    "Zeno Kartavel",    "Anselm Brightwick", "Benedek Sorvani", "Cassius Lowdrum", "Dorian Methvane",
    "Elric Vandersloe", "Florian Gasquel",  "Gaspard Rellion", "Henrik Oldavar",  "Isidor Tamblyn",
    "Joachim Perrault", "Konrad Vellacott", "Leandro Fiskeby", "Matthis Corvallo", "Nestor Quillane",
};

// Cars 1..28 drive; a few drivers carry the selected mark.
constexpr int kRaceCars = 28;
constexpr std::array<int, 4> kSelectedSlots = {1, 6, 13, 22};

constexpr std::uint8_t kNumberZeroOff = 0;

// Engine power in BHP, teams 1..14 shown; slots 15..20 carry a plain value.
constexpr std::array<std::uint16_t, rec::kTeams> kQualifyingBhp = {
    760, 752, 745, 738, 730, 722, 715, 708, 700, 690, 682, 675, 664, 650,
};
constexpr std::uint16_t kRaceBhpMargin = 15;
constexpr std::uint16_t kSpareSlotBhp = 640;
constexpr std::uint16_t kHumanQualifyingBhp = 735;
constexpr std::uint16_t kHumanRaceBhp = 720;

constexpr std::uint16_t kBestQualifyingGrip = 16400;
constexpr std::uint16_t kGripStepPerCar = 60;
constexpr std::uint16_t kRaceGripMargin = 250;
constexpr std::uint16_t kGripRangeBase = 300;
constexpr std::uint16_t kGripRangeSpread = 40;
constexpr int kGripRangeCycle = 8;

// Green, green, yellow, red; thresholds as stored (shown values 10500, 11800, 12900).
constexpr std::array<std::uint8_t, 4> kLedColours = {1, 1, 2, 3};
constexpr std::array<std::uint16_t, 4> kLedThresholds = {0, 4346, 5646, 6746};
constexpr std::uint8_t kPracticeLaps = 20;
constexpr std::uint8_t kQualifyingLapsStored = 4;
constexpr std::uint16_t kHumanWeightPounds = 1113;
constexpr std::uint16_t kComputerWeightPounds = 1120;

// Covers the last fixed block (engine names, 20 records of 13 bytes reserved) and the
// checksum trailer with plenty to spare.
constexpr std::size_t kStateFileSize = 0x4000;
constexpr std::size_t kCockpitColourBytes = rec::kTeamSlots * 3;
static_assert(kStateFileSize >
              statepos::kEngineNames + names::kTeamRecordsReserved * names::kTeamNameWidth + kChecksumSize);
static_assert(kStateFileSize > statepos::kCockpitColours + kCockpitColourBytes + kChecksumSize);

} // namespace

void fillDemoNames(SettingsRecord& record)
{
    for (int team = 1; team <= rec::kTeams; ++team) {
        record.setShortString(rec::teamName(team), rec::kTeamNameChars, kTeamNames[std::size_t(team - 1)]);
        record.setShortString(rec::engineName(team), rec::kTeamNameChars, kEngineNames[std::size_t(team - 1)]);
        record.setByte(rec::teamEnabled(team), 1);
    }
    for (int car = 1; car <= rec::kDrivers; ++car)
        record.setShortString(rec::driverName(car), rec::kDriverNameChars, kDriverNames[std::size_t(car - 1)]);
    for (int slot = 1; slot <= rec::kDrivers; ++slot) {
        record.setByte(rec::carNumber(slot), std::uint8_t(slot <= kRaceCars ? slot : 0));
        record.setByte(rec::carSelected(slot), 0);
    }
    for (int slot : kSelectedSlots)
        record.setByte(rec::carSelected(slot), 1);
    record.setByte(rec::kNumberZero, kNumberZeroOff);
}

void fillDemoPerformance(SettingsRecord& record)
{
    for (int slot = 1; slot <= rec::kTeamSlots; ++slot) {
        const std::uint16_t qualifying = slot <= rec::kTeams ? kQualifyingBhp[std::size_t(slot - 1)] : kSpareSlotBhp;
        record.setWord(rec::enginePowerQualifying(slot), qualifying);
        record.setWord(rec::enginePowerRace(slot), std::uint16_t(qualifying - kRaceBhpMargin));
    }
    record.setWord(rec::kHumanPowerQualifying, kHumanQualifyingBhp);
    record.setWord(rec::kHumanPowerRace, kHumanRaceBhp);
    // Off, so that a demo executable written from these values reads back the same.
    record.setByte(rec::kRandomEnginePower, 0);

    for (int car = 1; car <= rec::kDrivers; ++car) {
        const auto qualifying = std::uint16_t(kBestQualifyingGrip - (car - 1) * kGripStepPerCar);
        record.setWord(rec::gripQualifying(car), qualifying);
        record.setWord(rec::gripRace(car), std::uint16_t(qualifying - kRaceGripMargin));
        record.setWord(rec::gripRange(car), std::uint16_t(kGripRangeBase + (car % kGripRangeCycle) * kGripRangeSpread));
    }

    for (std::size_t led = 0; led < kLedColours.size(); ++led) {
        record.setByte(rec::kLedColour[led], kLedColours[led]);
        if (led > 0)
            record.setWord(rec::kLedThreshold[led], kLedThresholds[led]);
    }
    record.setByte(rec::kPracticeFuel, kPracticeLaps);
    record.setByte(rec::kQualifyingFuel, kQualifyingLapsStored);
    record.setWord(rec::kHumanWeight, kHumanWeightPounds);
    record.setWord(rec::kComputerWeight, kComputerWeightPounds);
    record.setByte(rec::kOpponentFuelSwitch, 0);
    record.setByte(rec::kTeamPerformanceSwitch, 1);
    record.setByte(rec::kSplitSwitch, 0);
}

std::size_t demoStateFileSize()
{
    return kStateFileSize;
}

} // namespace kvr
