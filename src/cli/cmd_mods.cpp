// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_input.h"
#include "cli/cli_prompt.h"
#include "cli/commands.h"

#include "core/errors.h"
#include "core/json_input.h"
#include "game/game_mods.h"
#include "game/record_patch.h"

#include <nlohmann/json.hpp>

#include <iostream>

namespace kvrcli {
namespace {

struct Options {
    std::string game;
    std::string home;
    bool dryRun = false;
    bool json = false;
    std::size_t to = 0;
    std::vector<std::string> patches;
    std::string mod;
};

kvr::ModEntry readMod(const std::string& file)
{
    try {
        return {argumentPath(file).filename().string(), kvr::readPatchFile(argumentPath(file))};
    } catch (const kvr::PatchError& e) {
        throw kvr::GeneralError(file + ": " + e.what());
    }
}

std::string shown(const std::string& text)
{
    return kvr::quotedForMessage(text, 200);
}

void printList(const kvr::ModList& list)
{
    if (list.mods.empty())
        std::cout << "No mods are on.\n";
    for (std::size_t i = 0; i < list.mods.size(); ++i) {
        const kvr::PatchAbout& about = list.mods[i].patch.about;
        std::cout << i + 1 << ". " << shown(list.mods[i].name());
        if (!about.author.empty())
            std::cout << ", by " << shown(about.author);
        std::cout << " (" << shown(list.mods[i].file) << ", " << list.mods[i].patch.changes.size() << " values)\n";
        if (!about.description.empty())
            std::cout << "   " << kvr::quotedForMessage(about.description, 300) << '\n';
    }
    const auto conflicts = kvr::modConflicts(list);
    if (!conflicts.empty())
        std::cout << "Values more than one mod sets (the later one holds):\n";
    for (const kvr::ModConflict& c : conflicts)
        std::cout << "  " << kvr::conflictLine(list, c) << '\n';
}

nlohmann::ordered_json listJson(const kvr::ModList& list)
{
    nlohmann::ordered_json mods = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < list.mods.size(); ++i) {
        const kvr::ModEntry& m = list.mods[i];
        mods.push_back({{"place", i + 1},
                        {"name", m.name()},
                        {"file", m.file},
                        {"title", m.patch.about.title},
                        {"author", m.patch.about.author},
                        {"description", m.patch.about.description},
                        {"values", m.patch.changes.size()}});
    }
    nlohmann::ordered_json conflicts = nlohmann::ordered_json::array();
    for (const kvr::ModConflict& c : kvr::modConflicts(list)) {
        nlohmann::ordered_json setBy = nlohmann::ordered_json::array();
        for (const auto& [m, value] : c.setBy)
            setBy.push_back({{"place", m + 1}, {"sets", value}});
        conflicts.push_back({{"field", c.name}, {"set_by", setBy}, {"holds", c.holds + 1}});
    }
    return {{"mods", mods}, {"conflicts", conflicts}};
}

int change(const Options& o, const kvr::ModChange& change)
{
    const kvr::GameContext context = gameContext(o.game, o.home);
    if (o.dryRun) {
        const kvr::ModPreview preview = kvr::previewMods(context, change);
        for (const kvr::Message& note : preview.plan.leftOut)
            std::cerr << "kvrdesk-cli: note: " << note << '\n';
        for (const kvr::Message& note : preview.plan.kept)
            std::cerr << "kvrdesk-cli: " << note << '\n';
        if (preview.changes.empty())
            std::cout << "Nothing to change: the game holds these values already.\n";
        for (const kvr::ValueChange& c : preview.changes)
            std::cout << c.line() << "  (" << c.name << ")\n";
        return kDone;
    }
    CliPrompt prompt(false, std::nullopt);
    const kvr::ModPlan plan = kvr::changeMods(context, prompt, change);
    for (const kvr::Message& note : plan.leftOut)
        std::cerr << "kvrdesk-cli: note: " << note << '\n';
    for (const kvr::Message& note : plan.unexpected)
        std::cerr << "kvrdesk-cli: note: " << note << '\n';
    for (const kvr::Message& note : plan.kept)
        std::cerr << "kvrdesk-cli: " << note << '\n';
    printList(plan.list);
    return kDone;
}

CommandRegistration mods([](CLI::App& app, Action& chosen) {
    auto o = std::make_shared<Options>();
    auto* cmd = app.add_subcommand("mods", "The mods put on a game: list them, put mods on, take one off, move one");
    cmd->add_option("--game", o->game, "Game directory (holds KVR.EXE)")->required();
    cmd->add_option("--home", o->home, "The editor's home (a folder holding DATA)");
    cmd->add_flag("--dry-run", o->dryRun, "on, off, move: only list the values that would change; write nothing");
    cmd->add_flag("--json", o->json, "list: print the list as JSON, for scripts");
    cmd->add_option("--to", o->to, "move: the place to move the mod to, counted from 1")->check(CLI::PositiveNumber);
    cmd->require_subcommand(1);
    auto* list = cmd->add_subcommand("list", "The mods in the order they were put on, and the values two of them set");
    auto* on = cmd->add_subcommand("on", "Put mods (.kvpatch) on the game, at the end of the list, in this order");
    on->add_option("PATCH", o->patches, "Patch files")->required();
    auto* off = cmd->add_subcommand("off", "Take a mod off the game");
    off->add_option("MOD", o->mod, "The mod's title (or file name), or its place counted from 1")->required();
    auto* move = cmd->add_subcommand("move", "Move a mod to another place in the list (the later one wins)");
    move->add_option("MOD", o->mod, "The mod's title (or file name), or its place counted from 1")->required();
    for (CLI::App* sub : {list, on, off, move})
        sub->fallthrough();
    list->callback([&chosen, o] {
        if (o->dryRun || o->to)
            throw CLI::ValidationError("list", "takes neither --dry-run nor --to");
        chosen = [o] {
            const kvr::ModList mods = kvr::readGameMods(argumentPath(o->game));
            if (o->json)
                std::cout << listJson(mods).dump(2) << '\n';
            else
                printList(mods);
            return int(kDone);
        };
    });
    on->callback([&chosen, o] {
        if (o->json || o->to)
            throw CLI::ValidationError("on", "takes neither --json nor --to");
        chosen = [o] {
            std::vector<kvr::ModEntry> read;
            for (const std::string& file : o->patches)
                read.push_back(readMod(file));
            return change(*o, [read](const kvr::ModList& l, const kvr::SettingsRecord& game,
                                     const std::vector<bool>& held) { return kvr::putOnMods(l, game, held, read); });
        };
    });
    off->callback([&chosen, o] {
        if (o->json || o->to)
            throw CLI::ValidationError("off", "takes neither --json nor --to");
        chosen = [o] {
            return change(*o, [o](const kvr::ModList& l, const kvr::SettingsRecord& game, const std::vector<bool>&) {
                return kvr::takeOffMod(l, game, kvr::findMod(l, o->mod));
            });
        };
    });
    move->callback([&chosen, o] {
        if (o->json || !o->to)
            throw CLI::ValidationError("move", "needs --to N and takes no --json");
        chosen = [o] {
            return change(*o, [o](const kvr::ModList& l, const kvr::SettingsRecord& game, const std::vector<bool>&) {
                return kvr::moveMod(l, game, kvr::findMod(l, o->mod), o->to - 1);
            });
        };
    });
});

} // namespace
} // namespace kvrcli
