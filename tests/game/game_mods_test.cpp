// SPDX-License-Identifier: GPL-3.0-or-later
// Mods put on a demo game's files: taking the first of two off leaves the files as putting
// only the second on a fresh copy does, taking the second off gives the game back byte for
// byte; a kill at any step of on, off or move leaves the list and the game agreeing.
#include "core/errors.h"
#include "core/safe_write.h"
#include "core/set_journal.h"
#include "game/game_mods.h"
#include "game/import_export.h"
#include "game/record_patch.h"
#include "support/install_game.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {
namespace fs = std::filesystem;
using kvrtest::InstallGame;
using kvrtest::Snapshot;

// What the game holds: its files without the backups and the editor's own.
Snapshot gameFiles(const fs::path& game)
{
    Snapshot s = kvrtest::snapshot(game);
    std::erase_if(s, [](const auto& f) { return f.first.ends_with(".orig") || f.first.starts_with(".kvrdesk"); });
    return s;
}

kvr::ModEntry mod(const std::string& title, const std::string& changes)
{
    kvr::ModEntry m{title + ".kvpatch",
                    kvr::parsePatch(R"({"kvpatch": 1, "title": ")" + title + R"(", "changes": [)" + changes + "]}")};
    return m;
}

// Two mods sharing the grip of car 4; each sets values of its own in KVR.EXE,
// F1GSTATE.SAV (a team's name) and a track file.
const kvr::ModEntry kWet = mod("Wet", R"({"field": "grip.race[3]", "from": 0, "to": 16500},
    {"field": "team_names[1]", "from": "", "to": "Kite"},
    {"field": "track_data[2][3]", "from": 0, "to": 7})");
const kvr::ModEntry kDry = mod("Dry", R"({"field": "grip.race[3]", "from": 0, "to": 17000},
    {"field": "engine_power.qualifying[2]", "from": 0, "to": 795})");

kvr::ModChange putOn(std::vector<kvr::ModEntry> mods)
{
    return [mods](const kvr::ModList& l, const kvr::SettingsRecord& g, const std::vector<bool>& held) {
        return kvr::putOnMods(l, g, held, mods);
    };
}

kvr::ModChange takeOff(std::size_t i)
{
    return [i](const kvr::ModList& l, const kvr::SettingsRecord& g, const std::vector<bool>&) {
        return kvr::takeOffMod(l, g, i);
    };
}

[[maybe_unused]] kvr::ModChange move(std::size_t i, std::size_t to)
{
    return [i, to](const kvr::ModList& l, const kvr::SettingsRecord& g, const std::vector<bool>&) {
        return kvr::moveMod(l, g, i, to);
    };
}

kvr::SettingsRecord gameValues(const kvr::GameContext& context)
{
    kvr::SettingsRecord r;
    kvr::readGameValues(context, r, std::nullopt);
    return r;
}

TEST(GameMods, TakingOffLeavesWhatTheRestMakeAndAllOffTheGameAsItWas)
{
    InstallGame g;
    const Snapshot original = gameFiles(g.game());
    kvr::changeMods(g.context, g.prompt, putOn({kWet}));
    const kvr::ModPlan both = kvr::changeMods(g.context, g.prompt, putOn({kDry}));
    EXPECT_TRUE(both.unexpected.size() >= 2) << "the patches expected other values than the demo's";
    const kvr::ModList list = kvr::readGameMods(g.game());
    ASSERT_EQ(list.mods.size(), 2u);
    const auto conflicts = kvr::modConflicts(list);
    ASSERT_EQ(conflicts.size(), 1u);
    EXPECT_EQ(kvr::conflictLine(list, conflicts[0]), "grip.race[3]: 1 Wet sets 16500, 2 Dry sets 17000; 2 Dry holds");
    EXPECT_EQ(gameValues(g.context).word(kvr::rec::gripRace(4)), 17000);
    EXPECT_EQ(gameValues(g.context).byte(kvr::rec::trackData(2, 3)), 7);

    kvr::changeMods(g.context, g.prompt, takeOff(0));
    InstallGame fresh;
    kvr::changeMods(fresh.context, fresh.prompt, putOn({kDry}));
    EXPECT_TRUE(gameFiles(g.game()) == gameFiles(fresh.game()));
    EXPECT_EQ(kvrtest::readFile(kvr::modListPath(g.game())), kvrtest::readFile(kvr::modListPath(fresh.game())));

    kvr::changeMods(g.context, g.prompt, takeOff(0));
    EXPECT_TRUE(gameFiles(g.game()) == original);
    EXPECT_TRUE(kvr::readGameMods(g.game()) == kvr::ModList{});
    EXPECT_TRUE(g.prompt.warned.empty());
}

TEST(GameMods, ADryRunListsWhatWouldChangeAndWritesNothing)
{
    InstallGame g;
    const Snapshot before = kvrtest::snapshot(g.game());
    const kvr::ModPreview preview = kvr::previewMods(g.context, putOn({kDry}));
    ASSERT_EQ(preview.changes.size(), 2u);
    EXPECT_EQ(preview.changes[1].name, "grip.race[3]");
    EXPECT_EQ(preview.changes[1].after, "17000");
    EXPECT_TRUE(kvrtest::snapshot(g.game()) == before);
}

#ifndef _WIN32
// Runs `change` in a child that dies before its `step`-th step of writing; 0: never.
void changeKilledBefore(const kvr::GameContext& context, const kvr::ModChange& change, int step)
{
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        int n = 0;
        kvr::setWriteStepHook([&](kvr::WriteStep) {
            if (++n == step)
                ::_exit(9);
        });
        kvrtest::ScriptedPrompt prompt;
        try {
            kvr::changeMods(context, prompt, change);
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == (step ? 9 : 0)) << "the child ran to step " << step;
}
#endif

// Whatever moment a kill comes, the next reader finds a list the game agrees with: taking
// every mod on it off keeps nothing the user changed and gives the game back as it was.
TEST(GameMods, AKillAtAnyStepLeavesTheListAndTheGameAgreeing)
{
#ifdef _WIN32
    GTEST_SKIP() << "no fork";
#else
    InstallGame g;
    const Snapshot original = gameFiles(g.game());
    const kvr::SettingsRecord originalValues = gameValues(g.context);
    kvr::changeMods(g.context, g.prompt, putOn({kWet}));
    const fs::path oneOn = g.game().parent_path() / "one-on";
    fs::copy(g.game(), oneOn, fs::copy_options::recursive);
    kvr::changeMods(g.context, g.prompt, putOn({kDry}));
    const fs::path twoOn = g.game().parent_path() / "two-on";
    fs::copy(g.game(), twoOn, fs::copy_options::recursive);

    struct Action {
        const char* what;
        fs::path from;
        kvr::ModChange change;
        std::size_t modsBefore, modsAfter;
    } actions[] = {
        {"on", oneOn, putOn({kDry}), 1, 2},
        {"off", twoOn, takeOff(0), 2, 1},
        {"move", twoOn, move(1, 0), 2, 2},
    };
    for (const Action& a : actions) {
        int steps = 0;
        for (int step = 1; step == 1 || step <= steps + 1; ++step) {
            fs::remove_all(g.game());
            fs::copy(a.from, g.game(), fs::copy_options::recursive);
            if (steps == 0) {
                kvr::setWriteStepHook([&](kvr::WriteStep) { ++steps; });
                kvrtest::ScriptedPrompt prompt;
                kvr::changeMods(g.context, prompt, a.change);
                kvr::setWriteStepHook(nullptr);
                ASSERT_GE(steps, 8) << a.what << ": the game's files and the list, under a journal";
                fs::remove_all(g.game());
                fs::copy(a.from, g.game(), fs::copy_options::recursive);
            }
            changeKilledBefore(g.context, a.change, step <= steps ? step : 0);
            SCOPED_TRACE(std::string(a.what) + ", killed before step " + std::to_string(step));
            const kvr::ModList list = kvr::readGameMods(g.game()); // finishes what the kill left
            EXPECT_FALSE(fs::exists(kvr::journalPath(g.game())));
            EXPECT_TRUE(list.mods.size() == a.modsBefore || list.mods.size() == a.modsAfter);
            kvr::ModPlan p{list, gameValues(g.context), {}, {}, {}, {}};
            while (!p.list.mods.empty()) {
                p = kvr::takeOffMod(p.list, p.record, p.list.mods.size() - 1);
                EXPECT_TRUE(p.kept.empty());
            }
            EXPECT_TRUE(p.record == originalValues);
            kvrtest::ScriptedPrompt prompt;
            while (!kvr::readGameMods(g.game()).mods.empty())
                kvr::changeMods(g.context, prompt, takeOff(0));
            EXPECT_TRUE(gameFiles(g.game()) == original);
        }
    }
#endif
}

} // namespace
