// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ansi.h"
#include "core/checksum.h"
#include "core/configuration.h"
#include "core/errors.h"
#include "core/game_file.h"
#include "core/positions.h"
#include "core/settings_file.h"
#include "core/settings_record.h"
#include "core/version.h"
#include "game/game_context.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>

namespace {
using kvrtest::readFile;
using kvrtest::TempDir;
using kvrtest::writeFile;
using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

// --- checksum ---------------------------------------------------------------

struct ChecksumCase {
    const char* what;
    Bytes file;
    Bytes trailer;
};

class ChecksumExamples : public ::testing::TestWithParam<ChecksumCase> {};

TEST_P(ChecksumExamples, WritesTheExpectedTrailer)
{
    TempDir dir;
    writeFile(dir / "F", GetParam().file);
    kvr::updateChecksumFile(dir / "F");
    const Bytes after = readFile(dir / "F");
    ASSERT_EQ(after.size(), GetParam().file.size()) << "the length never changes";
    EXPECT_EQ(Bytes(after.end() - 4, after.end()), GetParam().trailer);
    EXPECT_TRUE(kvr::verifyChecksumFile(dir / "F"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChecksumExamples,
    ::testing::Values(ChecksumCase{"four bytes sum nothing", {9, 9, 9, 9}, {0, 0, 0, 0}},
                      ChecksumCase{"abc", {0x61, 0x62, 0x63, 0xAA, 0xBB, 0xCC, 0xDD}, {0x26, 0x01, 0xB3, 0x1B}},
                      ChecksumCase{"old trailer never enters the sums",
                                   {0x61, 0x62, 0x63, 0x26, 0x01, 0xB3, 0x1B},
                                   {0x26, 0x01, 0xB3, 0x1B}}));

TEST(Checksum, RotateAddWrapsWithinSixteenBits)
{
    // R after 0xFF, 0xFF: (0xFF << 3) + 0xFF = 0x8F7; after a third: rotl(0x8F7,3)=0x47B8, +0xFF = 0x48B7.
    const Bytes f = {0xFF, 0xFF, 0xFF, 0, 0, 0, 0};
    const kvr::Checksum c = kvr::computeChecksum(f);
    EXPECT_EQ(c.byteSum, 0x2FD);
    EXPECT_EQ(c.rotateAdd, 0x48B7);
    // 0x80 then four zero bytes: the set bit walks 7 -> 10 -> 13 and rotates round to bit 0, then 3.
    const Bytes g = {0x80, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(kvr::computeChecksum(g).rotateAdd, 0x0008);
}

TEST(Checksum, LongFilesAreSummedWhole)
{
    TempDir dir;
    Bytes f(100000, 0);
    f[90000] = 1; // beyond the first 80001 bytes
    writeFile(dir / "F", f);
    kvr::updateChecksumFile(dir / "F");
    const Bytes after = readFile(dir / "F");
    EXPECT_EQ(after[after.size() - 4], 1) << "a byte past 80001 counts in the byte sum";
}

TEST(Checksum, MissingOrTinyFilesAreReportedAndUntouched)
{
    TempDir dir;
    EXPECT_THROW(kvr::updateChecksumFile(dir / "missing"), kvr::GeneralError);
    writeFile(dir / "tiny", {1, 2, 3});
    EXPECT_THROW(kvr::updateChecksumFile(dir / "tiny"), kvr::GeneralError);
    EXPECT_EQ(readFile(dir / "tiny"), (Bytes{1, 2, 3}));
}

// --- version ----------------------------------------------------------------

Bytes exeWithVersionByte(std::uint8_t b)
{
    Bytes exe(kvr::kVersionBytePosition + 1, 0);
    exe[kvr::kVersionBytePosition] = b;
    return exe;
}

TEST(Version, DetectsEachVersionByteExactly)
{
    const struct {
        char byte;
        int index;
    } cases[] = {{'J', 0}, {'o', 1}, {'i', 2}, {'E', 3}, {'a', 4}, {'e', 6}, {'j', 0} /* lower case is unknown */,
                 {'O', 0}, {'x', 0}, {'\0', 0}};
    TempDir dir;
    for (const auto& c : cases) {
        writeFile(dir / "KVR.EXE", exeWithVersionByte(std::uint8_t(c.byte)));
        kvr::GameFile exe = kvr::GameFile::open(dir / "KVR.EXE");
        EXPECT_EQ(kvr::detectVersion(exe, 0), c.index) << "byte '" << c.byte << "'";
    }
    // An unknown byte keeps what was there.
    writeFile(dir / "KVR.EXE", exeWithVersionByte('Z'));
    kvr::GameFile exe = kvr::GameFile::open(dir / "KVR.EXE");
    EXPECT_EQ(kvr::detectVersion(exe, 4), 4);
}

TEST(Version, ShortExecutableIsAFileAccessError)
{
    TempDir dir;
    writeFile(dir / "KVR.EXE", Bytes(kvr::kVersionBytePosition, 0));
    kvr::GameFile exe = kvr::GameFile::open(dir / "KVR.EXE");
    EXPECT_THROW(kvr::detectVersion(exe), kvr::FileAccessError);
}

TEST(Version, UnknownByteIsTakenForEnglishAndNamed)
{
    TempDir dir;
    writeFile(dir / "KVR.EXE", exeWithVersionByte('Z'));
    kvr::GameContext context;
    context.version = 4;
    kvr::GameFile exe = kvr::GameFile::open(dir / "KVR.EXE");
    kvr::detectGameVersion(context, exe);
    EXPECT_EQ(context.version, 0);
    const auto warning = kvr::unknownVersionWarning(context);
    ASSERT_TRUE(warning);
    EXPECT_NE(warning->english().find("0x5A (\"Z\")"), std::string::npos) << *warning;
    writeFile(dir / "KVR.EXE", exeWithVersionByte('o'));
    kvr::GameFile german = kvr::GameFile::open(dir / "KVR.EXE");
    kvr::detectGameVersion(context, german);
    EXPECT_EQ(context.version, 1);
    EXPECT_FALSE(kvr::unknownVersionWarning(context));
}

TEST(Version, NamesAreTheGamesOwnBytes)
{
    EXPECT_EQ(kvr::versionName(0), "English Version 1.0b");
    EXPECT_EQ(kvr::versionName(1), "Deutsche Ausgabe 1.0b");
    EXPECT_EQ(kvr::versionName(2), "Versione Italiana 1.0b");
    EXPECT_EQ(kvr::versionName(3), "Versi\xF3n en espa\xA5ol 1.0b");
    EXPECT_EQ(kvr::versionName(4), "Version francaise 1.0b");
    EXPECT_EQ(kvr::versionName(5), "English Ver.ion 1.0b");
    EXPECT_EQ(kvr::versionName(6), "Nederlandse versie 1.0b");
    EXPECT_EQ(kvr::ansiToUtf8(kvr::versionName(3)), "Versi\u00F3n en espa\u00A5ol 1.0b");
}

TEST(Ansi, EveryByteSurvivesTheRoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    EXPECT_EQ(kvr::utf8ToAnsi(kvr::ansiToUtf8(all)), all);
    EXPECT_EQ(kvr::ansiToUtf8("\x80"), "\u20AC");
    EXPECT_EQ(kvr::utf8ToAnsi("\u4E2D"), "?") << "no byte for it in the code page";
    EXPECT_EQ(kvr::utf8ToAnsi("\xC3"), "?") << "a cut sequence";
}

// --- configuration ------------------------------------------------------------

TEST(Configuration, RoundTripsByteForByte)
{
    TempDir dir;
    Bytes raw(515);
    std::mt19937 rng(3);
    for (auto& b : raw)
        b = std::uint8_t(rng());
    writeFile(dir / "kvrdesk.set", raw);
    const auto config = kvr::readConfiguration(dir / "kvrdesk.set");
    ASSERT_TRUE(config);
    ASSERT_TRUE(kvr::writeConfiguration(dir / "again.set", *config));
    EXPECT_EQ(readFile(dir / "again.set"), raw);
}

TEST(Configuration, FieldsSitWhereTheFileExpectsThem)
{
    TempDir dir;
    kvr::Configuration c;
    c.gameDirectory = "/games/kvr/";
    c.executablePath = "/games/kvr/KVR.EXE";
    c.languageVersion = 6;
    c.namesInStateFile = false;
    c.cockpitColoursInStateFile = true;
    ASSERT_TRUE(kvr::writeConfiguration(dir / "kvrdesk.set", c));
    const Bytes b = readFile(dir / "kvrdesk.set");
    ASSERT_EQ(b.size(), 515u);
    EXPECT_EQ(b[0], 11);
    EXPECT_EQ(std::string(b.begin() + 1, b.begin() + 12), "/games/kvr/");
    EXPECT_EQ(b[256], 18);
    EXPECT_EQ(std::string(b.begin() + 257, b.begin() + 275), "/games/kvr/KVR.EXE");
    EXPECT_EQ(b[512], 6);
    EXPECT_EQ(b[513], 0);
    EXPECT_EQ(b[514], 1);
}

TEST(Configuration, AFileHoldingTheSameRecordIsLeftAlone)
{
    kvr::Configuration c = kvr::Configuration::fromBytes({});
    c.executablePath = "/games/kvr/KVR.EXE";
    const auto record = c.toBytes();
    const Bytes same(record.begin(), record.end());
    Bytes longer = same;
    longer.push_back(7);
    Bytes changed = same;
    changed[512] ^= 1;
    const struct {
        const char* what;
        Bytes held;
        bool rewritten;
    } cases[] = {
        {"the same 515 bytes", same, false},
        {"the same bytes and one more", longer, true},
        {"one byte differs", changed, true},
        {"a short file", Bytes(same.begin(), same.end() - 1), true},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.what);
        TempDir dir;
        const fs::path file = dir / "kvrdesk.set";
        writeFile(file, k.held);
        const auto old = fs::last_write_time(file) - std::chrono::hours(24);
        fs::last_write_time(file, old);
        ASSERT_TRUE(kvr::writeConfiguration(file, c));
        EXPECT_EQ(readFile(file), same);
        EXPECT_EQ(fs::last_write_time(file) != old, k.rewritten);
    }
}

TEST(Configuration, MissingShortAndUnwritableFiles)
{
    TempDir dir;
    EXPECT_FALSE(kvr::readConfiguration(dir / "kvrdesk.set"));
    writeFile(dir / "kvrdesk.set", Bytes(514, 0));
    EXPECT_THROW(kvr::readConfiguration(dir / "kvrdesk.set"), kvr::GeneralError);
    EXPECT_FALSE(kvr::writeConfiguration(dir / "no-such-folder" / "kvrdesk.set", kvr::Configuration{}));
}

TEST(Configuration, LocatingSetsBothSourcesAndTheDirectory)
{
    TempDir dir;
    const auto c = kvr::Configuration::forExecutable(dir / "KVR.EXE");
    EXPECT_EQ(c.gameDirectory, dir.path().string() + char(fs::path::preferred_separator));
    EXPECT_EQ(c.executablePath, (dir / "KVR.EXE").string());
    EXPECT_TRUE(c.namesInStateFile);
    EXPECT_TRUE(c.cockpitColoursInStateFile);
#ifdef _WIN32
    EXPECT_EQ(kvr::Configuration::forExecutable("C:\\KVR.EXE").gameDirectory, "C:\\") << "a game in the root";
#else
    EXPECT_EQ(kvr::Configuration::forExecutable("/KVR.EXE").gameDirectory, "/") << "a game in the root";
#endif
    EXPECT_THROW(kvr::Configuration::forExecutable("/" + std::string(260, 'd') + "/KVR.EXE"), kvr::GeneralError);
}

// --- settings files -----------------------------------------------------------

kvr::SettingsRecord randomRecord(unsigned seed)
{
    kvr::SettingsRecord r;
    std::mt19937 rng(seed);
    for (auto& b : r.bytes())
        b = std::uint8_t(rng());
    return r;
}

TEST(SettingsFile, ExactLongAndShortFiles)
{
    TempDir dir;
    const kvr::SettingsRecord saved = randomRecord(1);
    ASSERT_TRUE(kvr::writeSettingsFile(dir / "a.KVS", saved));
    EXPECT_EQ(fs::file_size(dir / "a.KVS"), 2846u);

    kvr::SettingsRecord loaded;
    ASSERT_TRUE(kvr::readSettingsFile(dir / "a.KVS", loaded));
    EXPECT_EQ(loaded, saved);

    Bytes longer = readFile(dir / "a.KVS");
    longer.insert(longer.end(), 100, 0xEE);
    writeFile(dir / "long.any", longer);
    kvr::SettingsRecord fromLong;
    ASSERT_TRUE(kvr::readSettingsFile(dir / "long.any", fromLong));
    EXPECT_EQ(fromLong, saved) << "bytes beyond 2846 are ignored";

    writeFile(dir / "short.KVS", Bytes(2845, 0x77));
    kvr::SettingsRecord untouched = randomRecord(2);
    const kvr::SettingsRecord before = untouched;
    EXPECT_THROW(kvr::readSettingsFile(dir / "short.KVS", untouched), kvr::GeneralError);
    EXPECT_EQ(untouched, before) << "a short file changes nothing";

    EXPECT_FALSE(kvr::readSettingsFile(dir / "missing.KVS", untouched));
    EXPECT_EQ(untouched, before);
    EXPECT_FALSE(kvr::writeSettingsFile("", saved));
    EXPECT_FALSE(kvr::writeSettingsFile(dir / "nofolder" / "x.KVS", saved));
}

} // namespace
