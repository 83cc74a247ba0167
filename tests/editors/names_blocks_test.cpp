// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/names/names_blocks.h"

#include "core/errors.h"
#include "core/game_file.h"
#include "core/positions.h"
#include "core/settings_record.h"
#include "editors/block_test_file.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using namespace kvr;
using namespace kvrtest;

// Positions of the roster in KVR.EXE per language version, copied by hand.
constexpr std::array<std::uint32_t, 7> kCarNumbersAt = {0x1DC1EE, 0x1DC25E, 0x1DC222, 0x1DC242, 0x1DC21E, 0x1DC1EE, 0x1DC21E};
constexpr std::array<std::uint32_t, 7> kDriverNamesAt = {0x1DC27A, 0x1DC2EA, 0x1DC2AE, 0x1DC2CE, 0x1DC2AA, 0x1DC27A, 0x1DC2AA};
constexpr std::array<std::uint32_t, 7> kTeamNamesAt = {0x1DC63A, 0x1DC6AA, 0x1DC66E, 0x1DC68E, 0x1DC66A, 0x1DC63A, 0x1DC66A};
constexpr std::array<std::uint32_t, 7> kEngineNamesAt = {0x1DC73E, 0x1DC7AE, 0x1DC772, 0x1DC792, 0x1DC76E, 0x1DC73E, 0x1DC76E};
constexpr std::array<std::uint32_t, 7> kNumberZeroAt = {0x1DC867, 0x1DC8D7, 0x1DC89B, 0x1DC8BB, 0x1DC897, 0x1DC867, 0x1DC897};

constexpr std::uint32_t kSaveCarNumbers = 0x37F2;
constexpr std::uint32_t kSaveDriverNames = 0x387E;
constexpr std::uint32_t kSaveTeamNames = 0x3C3E;
constexpr std::uint32_t kSaveEngineNames = 0x3D42;
constexpr std::size_t kSaveSize = 0x4000;

struct CarByteRow {
    const char* what;
    std::uint8_t stored;
    std::uint8_t number;
    bool selected;
};

TEST(NamesBlocks, CarNumberByteDecodes)
{
    const CarByteRow rows[] = {
        {"zero is a switched-off slot", 0x00, 0, false},
        {"plain number", 0x05, 5, false},
        {"0x8C is number 12, selected", 0x8C, 12, true},
        {"0x80 is number 128, not selected", 0x80, 128, false},
        {"0x81 is number 1, selected", 0x81, 1, true},
        {"0xFF is number 127, selected", 0xFF, 127, true},
        {"40 plain", 0x28, 40, false},
    };
    for (const CarByteRow& r : rows) {
        SCOPED_TRACE(r.what);
        EXPECT_EQ(CarNumberCodec::decode(r.stored), (CarNumberByte{r.number, r.selected}));
    }
}

struct CarEncodeRow {
    const char* what;
    std::uint8_t number;
    bool selected;
    std::uint8_t stored;
};

TEST(NamesBlocks, CarNumberByteEncodes)
{
    const CarEncodeRow rows[] = {
        {"12 selected adds 128", 12, true, 0x8C},
        {"12 plain", 12, false, 0x0C},
        {"128 plain stays 0x80", 128, false, 0x80},
        {"127 selected", 127, true, 0xFF},
        {"0 plain", 0, false, 0x00},
        // The flag cannot be stored on these: 0x80 would read as car 128 (team on),
        // 0x00 as car 0 (team off). The number wins.
        {"0 selected keeps the slot switched off", 0, true, 0x00},
        {"128 selected keeps the number", 128, true, 0x80},
    };
    for (const CarEncodeRow& r : rows) {
        SCOPED_TRACE(r.what);
        EXPECT_EQ(CarNumberCodec::encode(r.number, r.selected), r.stored);
    }
}

TEST(NamesBlocks, CarNumberByteFullRangeRoundTrip)
{
    for (int b = 0; b < 256; ++b) {
        const CarNumberByte c = CarNumberCodec::decode(std::uint8_t(b));
        EXPECT_EQ(CarNumberCodec::encode(c.number, c.selected), b) << "byte " << b;
    }
}

struct NameFieldRow {
    const char* what;
    std::vector<std::uint8_t> stored;
    std::string name;
    std::vector<std::uint8_t> written;
};

TEST(NamesBlocks, NameFieldsSkipZerosAndPad)
{
    const NameFieldRow rows[] = {
        {"inner zero is dropped, written back closed up",
         {'A', 'B', 0, 'C', 'D', 0, 0, 0, 0, 0, 0, 0, 0},
         "ABCD",
         {'A', 'B', 'C', 'D', 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"leading zeros are dropped",
         {0, 0, 'X', 'Y', 0, 0, 0, 0, 0, 0, 0, 0, 0},
         "XY",
         {'X', 'Y', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"thirteen characters fill the field without a zero", field("Thirteen Char", 13), "Thirteen Char",
         field("Thirteen Char", 13)},
        {"all zeros is an empty name", std::vector<std::uint8_t>(13, 0), "", std::vector<std::uint8_t>(13, 0)},
        {"bytes above 0x7F are kept as they are",
         {'R', 'e', 'n', 0xE9, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         "Ren\xE9",
         {'R', 'e', 'n', 0xE9, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const NameFieldRow& r : rows) {
        SCOPED_TRACE(r.what);
        EXPECT_EQ(NameField::decode(r.stored), r.name);
        EXPECT_EQ(NameField{13}.encode(r.name), r.written);
    }
}

TEST(NamesBlocks, LongNameIsCutToTheField)
{
    EXPECT_EQ(NameField{13}.encode("Fourteen chars"), field("Fourteen char", 13));
    EXPECT_EQ(NameField{24}.encode("Twenty Four Characters!! and more"), field("Twenty Four Characters!!", 24));
}

// A roster laid out by hand at the places of version `v`.
std::vector<std::uint8_t> handRoster(std::vector<std::uint8_t> bytes, std::uint32_t carsAt, std::uint32_t teamsAt,
                                     std::uint32_t enginesAt, std::uint32_t driversAt)
{
    std::vector<std::uint8_t> cars(40, 0);
    cars[0] = 0x8C;  // slot 1: car 12, selected
    cars[1] = 0x05;  // slot 2: car 5
    cars[2] = 0x00;  // slot 3: team 2 switched off
    cars[3] = 0x07;  // slot 4: car 7
    cars[4] = 0x80;  // slot 5: car 128, team 3 on
    cars[5] = 0x81;  // slot 6: car 1, selected
    for (int slot = 7; slot <= 28; ++slot)
        cars[std::size_t(slot - 1)] = std::uint8_t(slot + 1);  // cars 8..29
    cars[39] = 0xA8;  // slot 40: car 40 selected (slots 29..40 move too)
    put(bytes, carsAt, cars);

    put(bytes, teamsAt, field("Brightmoor", 13));
    put(bytes, teamsAt + 13, field("Thirteen Char", 13));
    for (int team = 3; team <= 14; ++team)
        put(bytes, teamsAt + std::uint32_t(team - 1) * 13, field("Team " + std::to_string(team), 13));
    put(bytes, enginesAt, field("Zephrin V10", 13));
    for (int team = 2; team <= 14; ++team)
        put(bytes, enginesAt + std::uint32_t(team - 1) * 13, field("Engine " + std::to_string(team), 13));
    put(bytes, driversAt, field("Twenty Four Characters!!", 24));
    for (int car = 2; car <= 40; ++car)
        put(bytes, driversAt + std::uint32_t(car - 1) * 24, field("Driver " + std::to_string(car), 24));
    put(bytes, driversAt + 11 * 24, field("Aurel Ven\xE9kamp", 24));
    return bytes;
}

void expectHandRoster(const SettingsRecord& record)
{
    EXPECT_EQ(record.byte(rec::carNumber(1)), 12);
    EXPECT_EQ(record.byte(rec::carSelected(1)), 1);
    EXPECT_EQ(record.byte(rec::carNumber(2)), 5);
    EXPECT_EQ(record.byte(rec::carSelected(2)), 0);
    EXPECT_EQ(record.byte(rec::carNumber(3)), 0);
    EXPECT_EQ(record.byte(rec::carNumber(5)), 128);
    EXPECT_EQ(record.byte(rec::carSelected(5)), 0);
    EXPECT_EQ(record.byte(rec::carNumber(6)), 1);
    EXPECT_EQ(record.byte(rec::carSelected(6)), 1);
    EXPECT_EQ(record.byte(rec::carNumber(28)), 29);
    EXPECT_EQ(record.byte(rec::carNumber(29)), 0);
    EXPECT_EQ(record.byte(rec::carNumber(40)), 40);
    EXPECT_EQ(record.byte(rec::carSelected(40)), 1);

    EXPECT_EQ(record.byte(rec::teamEnabled(1)), 1);
    EXPECT_EQ(record.byte(rec::teamEnabled(2)), 0) << "first driver has car number 0";
    EXPECT_EQ(record.byte(rec::teamEnabled(3)), 1) << "car 128 is a number";
    EXPECT_EQ(record.byte(rec::teamEnabled(14)), 1);

    EXPECT_EQ(record.shortString(rec::teamName(1), 13), "Brightmoor");
    EXPECT_EQ(record.shortString(rec::teamName(2), 13), "Thirteen Char");
    EXPECT_EQ(record.shortString(rec::teamName(14), 13), "Team 14");
    EXPECT_EQ(record.shortString(rec::engineName(1), 13), "Zephrin V10");
    EXPECT_EQ(record.shortString(rec::engineName(14), 13), "Engine 14");
    EXPECT_EQ(record.shortString(rec::driverName(1), 24), "Twenty Four Characters!!");
    EXPECT_EQ(record.shortString(rec::driverName(12), 24), "Aurel Ven\xE9kamp");
    EXPECT_EQ(record.shortString(rec::driverName(40), 24), "Driver 40");
}

TEST(NamesBlocks, ExeRoundTripInEveryVersion)
{
    TempDir dir;
    for (int v = 0; v < kLanguageVersions; ++v) {
        SCOPED_TRACE("version " + std::to_string(v));
        std::vector<std::uint8_t> raw = handRoster(patternBytes(kExeSize), kCarNumbersAt[std::size_t(v)],
                                                   kTeamNamesAt[std::size_t(v)], kEngineNamesAt[std::size_t(v)],
                                                   kDriverNamesAt[std::size_t(v)]);
        raw[kNumberZeroAt[std::size_t(v)]] = 0xFF;

        GameFile in = memoryFile(dir, raw);
        SettingsRecord record;
        for (int slot = 15; slot <= 20; ++slot)
            record.setByte(rec::teamEnabled(slot), 0x77);
        readNamesFromExe(in, record, v);
        expectHandRoster(record);
        EXPECT_EQ(record.byte(rec::kNumberZero), 1);
        for (int slot = 15; slot <= 20; ++slot)
            EXPECT_EQ(record.byte(rec::teamEnabled(slot)), 0x77) << "team slot " << slot << " is not the reader's";
        EXPECT_EQ(difference(in.bytes(), raw), "") << "reading changed the file";

        // Written into a file that holds only the pattern, the record must produce the
        // hand-made bytes and leave everything else (the cockpit colours between the car
        // numbers and the driver names, team records 15..20) as it was.
        GameFile out = memoryFile(dir, patternBytes(kExeSize));
        writeNamesToExe(out, record, v);
        EXPECT_EQ(difference(out.bytes(), raw), "");
    }
}

TEST(NamesBlocks, InnerZeroIsWrittenBackClosedUp)
{
    TempDir dir;
    std::vector<std::uint8_t> raw = patternBytes(kExeSize);
    raw = handRoster(raw, kCarNumbersAt[0], kTeamNamesAt[0], kEngineNamesAt[0], kDriverNamesAt[0]);
    put(raw, kTeamNamesAt[0] + 13 * 4, {'A', 'B', 0, 'C', 'D', 0, 0, 0, 0, 0, 0, 0, 0});
    raw[kNumberZeroAt[0]] = 0xDE;
    GameFile file = memoryFile(dir, raw);
    SettingsRecord record;
    readNamesFromExe(file, record, 0);
    EXPECT_EQ(record.shortString(rec::teamName(5), 13), "ABCD");
    writeNamesToExe(file, record, 0);
    std::vector<std::uint8_t> want = raw;
    put(want, kTeamNamesAt[0] + 13 * 4, {'A', 'B', 'C', 'D', 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(difference(file.bytes(), want), "");
}

struct NumberZeroRow {
    const char* what;
    std::uint8_t stored;
    std::uint8_t flag;
};

TEST(NamesBlocks, NumberZeroByteReads)
{
    const NumberZeroRow rows[] = {
        {"255 is on", 0xFF, 1},
        {"222 is off", 0xDE, 0},
        {"zero is off", 0x00, 0},
        {"254 is off: only 255 counts", 0xFE, 0},
    };
    TempDir dir;
    for (const NumberZeroRow& r : rows) {
        SCOPED_TRACE(r.what);
        std::vector<std::uint8_t> raw = patternBytes(kExeSize);
        raw[kNumberZeroAt[3]] = r.stored;
        GameFile file = memoryFile(dir, raw);
        SettingsRecord record;
        record.setByte(rec::kNumberZero, 0x55);
        readNamesFromExe(file, record, 3);
        EXPECT_EQ(record.byte(rec::kNumberZero), r.flag);
    }
}

TEST(NamesBlocks, NumberZeroByteWritesOnlyTheTwoValues)
{
    const NumberZeroRow rows[] = {
        {"on writes 255", 0x12, 1},
        {"off writes 222 over 255", 0xFF, 0},
        {"off writes 222 over any other byte", 0x12, 0},
    };
    TempDir dir;
    for (const NumberZeroRow& r : rows) {
        SCOPED_TRACE(r.what);
        std::vector<std::uint8_t> raw = patternBytes(kExeSize);
        raw[kNumberZeroAt[1]] = r.stored;
        GameFile file = memoryFile(dir, raw);
        SettingsRecord record;
        record.setByte(rec::kNumberZero, r.flag);
        writeNamesToExe(file, record, 1);
        EXPECT_EQ(file.bytes()[kNumberZeroAt[1]], r.flag ? 0xFF : 0xDE);
    }
}

TEST(NamesBlocks, SaveRoundTripAtFixedPlacesWithoutNumberZero)
{
    TempDir dir;
    std::vector<std::uint8_t> raw =
        handRoster(patternBytes(kSaveSize), kSaveCarNumbers, kSaveTeamNames, kSaveEngineNames, kSaveDriverNames);
    GameFile in = memoryFile(dir, raw, "F1GSTATE.SAV");
    SettingsRecord record;
    record.setByte(rec::kNumberZero, 1);
    readNamesFromSave(in, record);
    expectHandRoster(record);
    EXPECT_EQ(record.byte(rec::kNumberZero), 1) << "the state file has no number-zero byte";

    GameFile out = memoryFile(dir, patternBytes(kSaveSize), "F1GSTATE.SAV");
    writeNamesToSave(out, record);
    EXPECT_EQ(difference(out.bytes(), raw), "");
}

TEST(NamesBlocks, OverlongLengthByteInRecordWritesWholeField)
{
    // A settings file may carry a length byte beyond the field.
    TempDir dir;
    SettingsRecord record;
    record.setShortString(rec::teamName(1), 13, "Thirteen Char");
    record.setByte(rec::teamName(1), 200);
    GameFile file = memoryFile(dir, patternBytes(kExeSize));
    writeNamesToExe(file, record, 0);
    const auto written = file.bytes().subspan(kTeamNamesAt[0], 14);
    EXPECT_EQ(std::vector<std::uint8_t>(written.begin(), written.begin() + 13), field("Thirteen Char", 13));
    EXPECT_EQ(written[13], 0) << "team 2 is an empty name";
}

TEST(NamesBlocks, ShortExeThrowsAndChangesNothing)
{
    TempDir dir;
    // Ends inside the driver names, and one byte before the number-zero byte.
    for (std::uint32_t size : {kDriverNamesAt[0] + 100, kNumberZeroAt[0]}) {
        SCOPED_TRACE("size " + std::to_string(size));
        const std::vector<std::uint8_t> raw = patternBytes(size);
        GameFile file = memoryFile(dir, raw);
        SettingsRecord record;
        record.setShortString(rec::teamName(1), 13, "Kept");
        EXPECT_THROW(writeNamesToExe(file, record, 0), FileAccessError);
        EXPECT_EQ(difference(file.bytes(), raw), "");

        const SettingsRecord before = record;
        EXPECT_THROW(readNamesFromExe(file, record, 0), FileAccessError);
        EXPECT_TRUE(record == before) << "a failed read must not leave half a roster";
    }
}

TEST(NamesBlocks, ShortSaveThrowsAndChangesNothing)
{
    TempDir dir;
    const std::vector<std::uint8_t> raw = patternBytes(kSaveEngineNames + 181);
    GameFile file = memoryFile(dir, raw, "F1GSTATE.SAV");
    SettingsRecord record;
    EXPECT_THROW(writeNamesToSave(file, record), FileAccessError);
    EXPECT_EQ(difference(file.bytes(), raw), "");
    EXPECT_THROW(readNamesFromSave(file, record), FileAccessError);
    EXPECT_TRUE(record == SettingsRecord());
}

} // namespace
