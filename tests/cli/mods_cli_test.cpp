// SPDX-License-Identifier: GPL-3.0-or-later
// kvrdesk-cli mods: the list a game keeps, what on, off and move print and write, the dry
// run that writes nothing, and what is refused with which exit code.
#include "cli/cli_fixture.h"

#include <nlohmann/json.hpp>

namespace {
namespace fs = std::filesystem;

class ModsCli : public kvrtest::Cli {
  protected:
    void SetUp() override
    {
        Cli::SetUp();
        makeGame();
        wet = textFile("wet.kvpatch", R"({"kvpatch": 1, "title": "Wet", "author": "Ann", "description": "For rain.",
            "changes": [{"field": "grip.race[3]", "from": 0, "to": 16500},
                        {"field": "failures[1]", "from": 0, "to": 9}]})");
        dry = textFile("dry.kvpatch",
                       R"({"kvpatch": 1, "changes": [{"field": "grip.race[3]", "from": 0, "to": 17000}]})");
    }
    kvrtest::RunResult mods(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"mods", "--game", game().string(), "--home", home().string()});
        return cli(args);
    }
    // The game as it holds its files (the backups and the list left out).
    kvrtest::Snapshot files() const
    {
        kvrtest::Snapshot s = kvrtest::snapshot(game());
        std::erase_if(s, [](const auto& f) { return f.first.ends_with(".orig") || f.first.starts_with(".kvrdesk"); });
        return s;
    }
    fs::path wet, dry;
};

TEST_F(ModsCli, OnListMoveOffAndBackToTheGameAsItWas)
{
    const kvrtest::Snapshot original = files();
    const auto dryRun = mods({"on", wet.string(), dry.string(), "--dry-run"});
    EXPECT_EQ(dryRun.exitCode, 0) << dryRun.err;
    EXPECT_NE(dryRun.out.find("Car 4 grip, other sessions: "), std::string::npos) << dryRun.out;
    EXPECT_NE(dryRun.out.find(" \u2192 17000  (grip.race[3])\n"), std::string::npos) << dryRun.out;
    EXPECT_TRUE(files() == original);
    EXPECT_FALSE(fs::exists(game() / ".kvrdesk-mods"));

    const auto on = mods({"on", wet.string(), dry.string()});
    ASSERT_EQ(on.exitCode, 0) << on.err;
    EXPECT_EQ(on.out, "1. Wet, by Ann (wet.kvpatch, 2 values)\n   For rain.\n2. dry (dry.kvpatch, 1 values)\n"
                      "Values more than one mod sets (the later one holds):\n"
                      "  grip.race[3]: 1 Wet sets 16500, 2 dry sets 17000; 2 dry holds\n");
    EXPECT_NE(on.err.find("kvrdesk-cli: note: wet.kvpatch: grip.race[3] (Car 4 grip, other sessions) was "),
              std::string::npos)
        << on.err;

    const auto listed = mods({"list", "--json"});
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    const auto j = nlohmann::json::parse(listed.out);
    EXPECT_EQ(j["mods"][1]["name"], "dry");
    EXPECT_EQ(j["conflicts"][0]["field"], "grip.race[3]");
    EXPECT_EQ(j["conflicts"][0]["holds"], 2);

    const auto moved = mods({"move", "dry", "--to", "1"});
    ASSERT_EQ(moved.exitCode, 0) << moved.err;
    EXPECT_NE(moved.out.find("grip.race[3]: 1 dry sets 17000, 2 Wet sets 16500; 2 Wet holds"), std::string::npos);

    EXPECT_EQ(mods({"off", "Wet"}).exitCode, 0);
    const auto last = mods({"off", "1"});
    EXPECT_EQ(last.exitCode, 0) << last.err;
    EXPECT_EQ(last.out, "No mods are on.\n");
    EXPECT_TRUE(files() == original);
}

TEST_F(ModsCli, RefusesWhatItCannotDoAndChangesNothing)
{
    ASSERT_EQ(mods({"on", wet.string()}).exitCode, 0);
    const kvrtest::Snapshot before = kvrtest::snapshot(game());
    const fs::path bad = textFile("bad.kvpatch", R"({"kvpatch": 1, "title": 5, "changes": []})");
    struct Refusal {
        std::vector<std::string> args;
        int exitCode;
        std::string message;
    } refusals[] = {
        {{"on", bad.string()}, 3, "kvrdesk-cli: " + bad.string() + ": \"title\": expected text\n"},
        {{"on", wet.string()}, 3, "kvrdesk-cli: A mod named \"Wet\" is on the list already (place 1).\n"},
        {{"off", "Dry"}, 3, "kvrdesk-cli: No mod named \"Dry\" is on the list.\n"},
        {{"off", "2"}, 3, "kvrdesk-cli: There is no mod 2: the list holds 1.\n"},
        {{"move", "1"}, 2, ""},
        {{"list", "--dry-run"}, 2, ""},
        {{"shuffle"}, 2, ""},
    };
    for (const Refusal& r : refusals) {
        const auto got = mods(r.args);
        EXPECT_EQ(got.exitCode, r.exitCode) << r.args[0] << ": " << got.err;
        if (!r.message.empty()) {
            EXPECT_EQ(got.err, r.message);
        }
        EXPECT_TRUE(kvrtest::snapshot(game()) == before) << r.args[0];
    }
    // A list edited into something else stops every change, and says which file.
    kvrtest::writeFile(game() / ".kvrdesk-mods" / "list.json", {'{', '}'});
    const auto damaged = mods({"off", "1"});
    EXPECT_EQ(damaged.exitCode, 3);
    EXPECT_NE(damaged.err.find("list.json cannot be read; nothing was changed. not a mod list of this program"),
              std::string::npos)
        << damaged.err;
}

} // namespace
