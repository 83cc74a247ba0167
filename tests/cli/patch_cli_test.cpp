// SPDX-License-Identifier: GPL-3.0-or-later
// diff --patch and apply: a patch printed from two settings files turns the first into the
// second; patches that disagree are refused with exit 5 and write nothing.
#include "cli/cli_fixture.h"
#include "core/settings_file.h"
#include "core/settings_record.h"

namespace {
namespace fs = std::filesystem;
namespace rec = kvr::rec;
using kvrtest::readFile;
using kvrtest::writeFile;

class PatchCli : public kvrtest::Cli {
  protected:
    fs::path settings(const std::string& name, const kvr::SettingsRecord& r)
    {
        EXPECT_TRUE(kvr::writeSettingsFile(file(name), r));
        return file(name);
    }
    fs::path patch(const std::string& name, const fs::path& a, const fs::path& b)
    {
        const auto printed = cli({"diff", a.string(), b.string(), "--patch"});
        EXPECT_EQ(printed.exitCode, 1) << "the files differ: " << printed.err;
        writeFile(file(name), std::vector<std::uint8_t>(printed.out.begin(), printed.out.end()));
        return file(name);
    }
};

TEST_F(PatchCli, DiffPatchAppliedToTheFirstFileGivesTheSecond)
{
    kvr::SettingsRecord a;
    for (std::size_t i = 0; i < rec::kSize; ++i)
        a.setByte(i, std::uint8_t(i * 31 + 7));
    kvr::SettingsRecord b = a;
    b.setWord(rec::gripRace(4), 12500);
    b.setShortString(rec::teamName(1), rec::kTeamNameChars, "Corvane RT");
    b.setByte(rec::kUnused74B + 3, 0x5A);
    const fs::path fileA = settings("A.KVS", a);
    const fs::path fileB = settings("B.KVS", b);
    const fs::path p = patch("a-b.kvpatch", fileA, fileB);

    const auto applied = cli({"apply", p.string(), "--input", fileA.string(), "-o", file("C.KVS").string()});
    ASSERT_EQ(applied.exitCode, 0) << applied.err;
    EXPECT_EQ(applied.err, "");
    EXPECT_EQ(readFile(file("C.KVS")), readFile(fileB));

    // Over other settings, a value that is not the one the patch replaces is noted.
    kvr::SettingsRecord other = a;
    other.setWord(rec::gripRace(4), 100);
    const auto noted =
        cli({"apply", p.string(), "-i", settings("O.KVS", other).string(), "-o", file("D.KVS").string()});
    ASSERT_EQ(noted.exitCode, 0) << noted.err;
    EXPECT_NE(noted.err.find("grip.race[3] (Car 4 grip, other sessions) was 100, the patch expects"), std::string::npos)
        << noted.err;
}

TEST_F(PatchCli, DisagreeingPatchesAreRefusedUnlessTheLastWins)
{
    kvr::SettingsRecord a;
    kvr::SettingsRecord b = a;
    b.setWord(rec::gripRace(4), 12500);
    kvr::SettingsRecord c = a;
    c.setWord(rec::gripRace(4), 13000);
    const fs::path fileA = settings("A.KVS", a);
    const fs::path first = patch("first.kvpatch", fileA, settings("B.KVS", b));
    const fs::path second = patch("second.kvpatch", fileA, settings("C.KVS", c));
    const fs::path out = file("OUT.KVS");

    const auto refused = cli({"apply", first.string(), second.string(), "-i", fileA.string(), "-o", out.string()});
    EXPECT_EQ(refused.exitCode, 5);
    EXPECT_NE(refused.err.find("conflict: grip.race[3]: " + first.string() + " sets 12500, " + second.string() +
                               " sets 13000"),
              std::string::npos)
        << refused.err;
    EXPECT_FALSE(fs::exists(out));

    const auto last =
        cli({"apply", first.string(), second.string(), "-i", fileA.string(), "-o", out.string(), "--last-wins"});
    ASSERT_EQ(last.exitCode, 0) << last.err;
    EXPECT_EQ(readFile(out), readFile(file("C.KVS")));

    // A patch that asks for a value out of range is refused by the field's name.
    writeFile(file("bad.kvpatch"), [] {
        const std::string t = R"({"kvpatch": 1, "changes": [{"field": "grip.race[3]", "from": 0, "to": 70000}]})";
        return std::vector<std::uint8_t>(t.begin(), t.end());
    }());
    fs::remove(out);
    const auto bad = cli({"apply", file("bad.kvpatch").string(), "-i", fileA.string(), "-o", out.string()});
    EXPECT_EQ(bad.exitCode, 3);
    EXPECT_NE(bad.err.find("field grip.race[3]: expected a whole number from 0 to 65535"), std::string::npos)
        << bad.err;
    EXPECT_FALSE(fs::exists(out));
}

} // namespace
