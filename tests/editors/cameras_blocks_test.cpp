// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/errors.h"
#include "core/positions.h"
#include "core/settings_record.h"
#include "editors/cameras/camera_blocks.h"
#include "editors/patterned_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <clocale>

namespace {

using kvrtest::memoryFile;
using kvrtest::patternedBytes;

constexpr std::uint32_t kBlock = 0x13735A;
constexpr std::uint32_t kBlockEnd = 0x13740A;  // 11 records of 16 bytes

struct WordRow {
    const char* why;
    std::uint32_t at;
    std::uint8_t low;
    std::uint8_t high;
    int record;
    int word;
    std::uint16_t value;
};

const WordRow kWordRows[] = {
    {"record 0 word 0 is the first word of the block", 0x13735A, 0x34, 0x12, 0, 0, 0x1234},
    {"record 3 word 5 (Y angle), -90 degrees", 0x137394, 0x00, 0xC0, 3, 5, 0xC000},
    {"record 9 word 6, unsigned tuning value", 0x1373F6, 0xFF, 0xFF, 9, 6, 0xFFFF},
    {"record 10 word 7 is the last word of the block", 0x137408, 0xCD, 0xAB, 10, 7, 0xABCD},
};

TEST(CameraBlocks, ReadsElevenRecordsOfEightWords)
{
    for (int version = 0; version < kvr::kLanguageVersions; ++version) {
        auto bytes = patternedBytes(kBlockEnd + 5, unsigned(version));
        for (const WordRow& r : kWordRows)
            kvrtest::putBytes(bytes, r.at, {r.low, r.high});
        kvr::GameFile exe = memoryFile(bytes);
        kvr::SettingsRecord record;
        kvr::readCameras(exe, record, version);
        for (const WordRow& r : kWordRows)
            EXPECT_EQ(record.word(kvr::rec::camera(r.record, r.word)), r.value) << r.why;
        // The pattern byte pair at record 5 word 2 (0x1373AE).
        EXPECT_EQ(record.word(kvr::rec::camera(5, 2)), bytes[0x1373AE] | bytes[0x1373AF] << 8);
        kvr::writeCameras(exe, record, version);
        EXPECT_EQ(kvrtest::fileBytes(exe), bytes) << "version " << version;
    }
}

TEST(CameraBlocks, WritesEveryRecordLowByteFirstAndNothingElse)
{
    const auto original = patternedBytes(kBlockEnd + 8);
    kvr::GameFile exe = memoryFile(original);
    kvr::SettingsRecord record;
    for (int r = 0; r < 11; ++r)
        for (int w = 0; w < 8; ++w)
            record.setWord(kvr::rec::camera(r, w), std::uint16_t(0x0100 * (r + 1) + w));
    kvr::writeCameras(exe, record, 0);
    auto expected = original;
    kvrtest::putBytes(expected, 0x13735A, {0x00, 0x01, 0x01, 0x01});  // record 0 words 0, 1
    kvrtest::putBytes(expected, 0x137408, {0x07, 0x0B});              // record 10 word 7
    for (std::uint32_t i = 0; i < 176; i += 2) {
        const int r = int(i / 16);
        const int w = int(i % 16) / 2;
        expected[kBlock + i] = std::uint8_t(w);
        expected[kBlock + i + 1] = std::uint8_t(r + 1);
    }
    EXPECT_EQ(kvrtest::fileBytes(exe), expected);
}

TEST(CameraBlocks, ShortFileThrowsAndStaysUnchanged)
{
    kvrtest::TempDir dir;
    const auto bytes = patternedBytes(kBlockEnd - 1);
    kvrtest::writeFile(dir / "KVR.EXE", bytes);
    kvr::GameFile exe = kvr::GameFile::open(dir / "KVR.EXE");
    kvr::SettingsRecord record;
    record.setWord(kvr::rec::camera(0, 0), 0x5555);
    EXPECT_THROW(kvr::writeCameras(exe, record, 0), kvr::FileAccessError);
    EXPECT_FALSE(exe.modified());
    EXPECT_EQ(kvrtest::fileBytes(exe), bytes);
    const kvr::SettingsRecord before = record;
    EXPECT_THROW(kvr::readCameras(exe, record, 0), kvr::FileAccessError);
    EXPECT_EQ(record, before);
}

struct AngleTextRow {
    const char* why;
    std::uint16_t word;
    const char* text;
};

const AngleTextRow kAngleTexts[] = {
    {"0x2000 is 45 degrees", 0x2000, "45.000"},
    {"0x4000 is 90 degrees", 0x4000, "90.000"},
    {"0xC000 is -90 degrees", 0xC000, "-90.000"},
    {"0x8000 is -180 degrees", 0x8000, "-180.000"},
    {"zero", 0x0000, "0.000"},
    {"2 is 0.010986 degrees, 3 decimals", 0x0002, "0.011"},
    {"0x7FFF is 179.9945: three significant digits", 0x7FFF, "180.000"},
    {"22475 is 123.457: three significant digits", 22475, "123.000"},
};

TEST(CameraAngles, ShownWithThreeSignificantDigits)
{
    for (const AngleTextRow& r : kAngleTexts)
        EXPECT_EQ(kvr::cameraAngleText(r.word), r.text) << r.why;
    EXPECT_EQ(kvr::cameraAngleText(12.3456), "12.300");
    EXPECT_EQ(kvr::cameraAngleText(-0.0001), "0.000") << "no negative zero";
}

TEST(CameraAngles, TextKeepsThePointUnderACommaLocale)
{
    // The toolkit sets the C locale from the system: on a German desktop printf writes
    // "45,000".
#ifdef _WIN32
    if (!std::setlocale(LC_NUMERIC, "de-DE"))
        GTEST_SKIP() << "no German locale here";
#else
    // Made here, as the machine may have no such locale installed.
    const kvrtest::TempDir dir;
    const std::filesystem::path localedef = "/usr/bin/localedef";
    if (!std::filesystem::exists(localedef))
        GTEST_SKIP() << "no localedef";
    const kvrtest::RunResult made =
        kvrtest::run({localedef.string(), "-i", "de_DE", "-f", "UTF-8", (dir / "de_DE.UTF-8").string()});
    if (made.exitCode != 0)
        GTEST_SKIP() << "localedef cannot make a German locale here: " << made.err;
    kvrtest::setEnvironment("LOCPATH", dir.path().string().c_str());
    const bool german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    kvrtest::setEnvironment("LOCPATH", nullptr);
    ASSERT_TRUE(german);
#endif
    const std::string shown = kvr::cameraAngleText(std::uint16_t(0x2000));
    const std::uint16_t back = kvr::cameraWordFromText(0, kvr::cameras::AngleX, shown);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(shown, "45.000");
    EXPECT_EQ(back, 0x2000);
}

struct AngleWordRow {
    const char* why;
    double degrees;
    std::uint16_t word;
};

const AngleWordRow kAngleWords[] = {
    {"90 degrees", 90.0, 0x4000},
    {"180 degrees wraps to the word of -180", 180.0, 0x8000},
    {"-90 degrees", -90.0, 0xC000},
    {"0.01 degrees is 1.82 units, rounds to 2", 0.01, 2},
    {"360 degrees is 65536 units, kept modulo 65536", 360.0, 0},
    {"exactly 0.5 units rounds to even 0", 0.00274658203125, 0},
    {"exactly 1.5 units rounds to even 2", 0.00823974609375, 2},
    {"exactly -1.5 units rounds to even -2", -0.00823974609375, 0xFFFE},
};

TEST(CameraAngles, DegreesToWord)
{
    for (const AngleWordRow& r : kAngleWords)
        EXPECT_EQ(kvr::cameraAngleWord(r.degrees), r.word) << r.why;
    EXPECT_THROW(kvr::cameraAngleWord(1e300), kvr::GeneralError);
}

TEST(CameraAngles, EveryWordSurvivesItsOwnText)
{
    // Leaving an angle box without typing must not move the camera.
    for (unsigned w = 0; w <= 0xFFFF; ++w) {
        const auto word = std::uint16_t(w);
        ASSERT_EQ(kvr::cameraWordFromText(word, kvr::cameras::AngleX, kvr::cameraAngleText(word)), word) << w;
    }
}

struct EditRow {
    const char* why;
    int word;
    std::uint16_t current;
    const char* text;
    std::uint16_t stored;
};

const EditRow kEdits[] = {
    {"typing 90 stores 0x4000", kvr::cameras::AngleZ, 0, "90", 0x4000},
    {"typing 180 stores 0x8000", kvr::cameras::AngleY, 0, "180", 0x8000},
    {"a comma as decimal separator", kvr::cameras::AngleX, 0, "0,01", 2},
    {"the shown text of 123.457 keeps the word", kvr::cameras::AngleX, 22475, "123.000", 22475},
    {"typing the same number shorter keeps the word", kvr::cameras::AngleX, 22475, "123", 22475},
    {"a new angle is stored", kvr::cameras::AngleX, 22475, "123.5", 22482},
    {"a negative distance", kvr::cameras::DistanceX, 0, "-60", 0xFFC4},
    {"a height above the signed range stops at its top", kvr::cameras::Height, 0, "70000", 0x7FFF},
    {"a distance below it stops at its bottom", kvr::cameras::DistanceY, 0, "-40000", 0x8000},
    {"a tuning value stops at the largest word", kvr::cameras::Tuning1, 0, "65537", 0xFFFF},
    {"an angle turns round", kvr::cameras::AngleX, 0, "270", 0xC000},
    {"blanks around a tuning value", kvr::cameras::Tuning2, 0, " 40000 ", 40000},
};

TEST(CameraEdits, BoxTextToWord)
{
    for (const EditRow& r : kEdits) {
        kvr::SettingsRecord record;
        record.setWord(kvr::rec::camera(4, r.word), r.current);
        kvr::editCameraWord(record, 4, r.word, r.text);
        EXPECT_EQ(record.word(kvr::rec::camera(4, r.word)), r.stored) << r.why;
    }
}

TEST(CameraEdits, NotANumberKeepsTheValue)
{
    for (const char* text : {"abc", "", "12x", "1.5"}) {
        kvr::SettingsRecord record;
        record.setWord(kvr::rec::camera(2, kvr::cameras::DistanceY), 77);
        record.setWord(kvr::rec::camera(2, kvr::cameras::AngleY), 99);
        const kvr::SettingsRecord before = record;
        EXPECT_THROW(kvr::editCameraWord(record, 2, kvr::cameras::DistanceY, text), kvr::GeneralError) << text;
        if (std::string(text) != "1.5") {
            EXPECT_THROW(kvr::editCameraWord(record, 2, kvr::cameras::AngleY, text), kvr::GeneralError) << text;
        }
        EXPECT_EQ(record, before) << text;
    }
}

TEST(CameraEdits, BoxTextsOfTheOtherWords)
{
    EXPECT_EQ(kvr::cameraWordText(0xFFC4, kvr::cameras::DistanceX), "-60");
    EXPECT_EQ(kvr::cameraWordText(0xFFFF, kvr::cameras::Tuning1), "65535");
    EXPECT_EQ(kvr::cameraWordText(0x2000, kvr::cameras::AngleZ), "45.000");
}

TEST(CameraViews, PlacesOnTheSheet)
{
    const int expected[9][2] = {{401, 68}, {101, 0},  {201, 0},  {301, 0}, {401, 0},
                                {501, 0},  {101, 68}, {201, 68}, {301, 68}};
    for (int c = 1; c <= 9; ++c) {
        EXPECT_EQ(kvr::cameraView(c).left, expected[c - 1][0]) << c;
        EXPECT_EQ(kvr::cameraView(c).top, expected[c - 1][1]) << c;
    }
    EXPECT_THROW(kvr::cameraView(0), std::out_of_range);
    EXPECT_THROW(kvr::cameraView(10), std::out_of_range);
}

} // namespace
