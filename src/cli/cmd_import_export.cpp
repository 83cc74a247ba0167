// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_input.h"
#include "cli/cli_output.h"
#include "cli/cli_prompt.h"
#include "cli/commands.h"

#include "core/errors.h"
#include "core/game_dir.h"
#include "core/platform/path_text.h"
#include "core/settings_file.h"
#include "core/settings_record.h"
#include "game/export_preview.h"
#include "game/import_export.h"
#include "game/track_files.h"

#include <iostream>
#include <iterator>
#include <sstream>

namespace kvrcli {
namespace {
namespace fs = std::filesystem;

struct Options {
    std::string game;
    std::string input;
    std::string output;
    std::string home;
    std::string names = "state";
    std::string cockpit = "state";
    std::vector<std::string> only;
    bool yes = false;
    bool dryRun = false;
    bool anySize = false;
    std::string cd;
};

std::string editorList()
{
    std::string list;
    for (kvr::Editor e : kvr::allEditors())
        list += (list.empty() ? "" : ", ") + std::string(kvr::editorName(e));
    return list;
}

void addCommon(CLI::App* cmd, Options& o)
{
    cmd->add_option("--game", o.game, "Game directory (holds KVR.EXE)")->required();
    cmd->add_option("--home", o.home, "The editor's home (a folder holding DATA)");
    cmd->add_option("--names", o.names, "Names and numbers from/to F1GSTATE.SAV or KVR.EXE")
        ->check(CLI::IsMember({"exe", "state"}));
    cmd->add_option("--cockpit-colours", o.cockpit, "Cockpit colours from/to F1GSTATE.SAV or KVR.EXE")
        ->check(CLI::IsMember({"exe", "state"}));
    cmd->add_option("--only", o.only,
                    "Only these editors' own import or export, as their windows' buttons do: " + editorList())
        ->delimiter(',')
        ->check([](const std::string& name) {
            return kvr::editorNamed(name) ? std::string()
                                          : "unknown editor " + name + " (choose from " + editorList() + ")";
        });
    cmd->add_flag("--yes", o.yes, "Answer OK when asked to install the track files");
    cmd->add_option("--cd", o.cd, "The game CD folder (holds KVR.EXE and CIRCUITS)");
}

std::vector<kvr::Editor> onlyEditors(const Options& o)
{
    std::vector<kvr::Editor> editors;
    for (const std::string& name : o.only)
        if (const auto e = kvr::editorNamed(name))
            editors.push_back(*e);
    return editors;
}

kvr::GameContext contextFor(const Options& o)
{
    kvr::GameContext c = gameContext(o.game, o.home);
    c.config.namesInStateFile = o.names == "state";
    c.config.cockpitColoursInStateFile = o.cockpit == "state";
    return c;
}

CliPrompt promptFor(const Options& o)
{
    return CliPrompt(o.yes, o.cd.empty() ? std::nullopt : std::optional<fs::path>(argumentPath(o.cd)));
}

// Declining the track files is the user's choice; track files still missing after the
// user agreed is the game's file error of the track step.
int finish(kvr::SequenceEnd end)
{
    switch (end) {
    case kvr::SequenceEnd::Completed:
        return kDone;
    case kvr::SequenceEnd::TrackFilesDeclined:
        std::cerr << "Stopped before the track data: the track files were not installed.\n";
        return kDone;
    case kvr::SequenceEnd::TrackFilesMissing:
        std::cerr << "Stopped before the track data: the track files are missing.\n";
        return kFileAccess;
    }
    return kOtherError;
}

// What the export would do without the track files, with the answers this command gives.
std::string missingTrackFilesNote(const Options& o, const kvr::GameContext& context)
{
    std::string note = "The track files are missing from " + kvr::platform::pathText(context.gameDir() / "CIRCUITS") +
                       ", so the track data cannot be compared. ";
    if (!o.only.empty())
        return note + "The export of the track data would stop with the track file error (exit 1).";
    note += "After the other values, the export would ask to install the track files from the game CD: ";
    if (!o.yes)
        return note + "without --yes the answer is Cancel, and it would stop there without the track data (exit 0).";
    if (o.cd.empty())
        return note + "with no --cd there is nothing to copy them from, and it would stop there without the track "
                      "data (exit 0).";
    std::string why;
    if (!kvr::readCdTrackFiles(kvr::findInDir(argumentPath(o.cd), "KVR.EXE"), why))
        return note + "the folder " + o.cd + " cannot serve (" + why +
               "), so it would stop there with the track file error (exit 1).";
    return note + "it would copy them from " + o.cd + " and write the track data into them.";
}

// What the export would change, one line each, naming the value as the JSON form does.
void printChanges(const Options& o, const kvr::GameContext& context, const kvr::SettingsRecord& record)
{
    std::vector<kvr::ExportPreview> previews;
    if (o.only.empty())
        previews.push_back(kvr::previewExport(context, record));
    for (kvr::Editor e : onlyEditors(o))
        previews.push_back(kvr::previewExport(context, record, e));
    bool missing = false;
    std::vector<kvr::ValueChange> changes;
    for (kvr::ExportPreview& p : previews) {
        missing = missing || p.trackFilesMissing;
        std::move(p.changes.begin(), p.changes.end(), std::back_inserter(changes));
    }
    if (missing)
        std::cout << missingTrackFilesNote(o, context) << '\n';
    if (changes.empty())
        std::cout << (missing ? "Nothing else to change: the game holds the other values already.\n"
                              : "Nothing to change: the game holds these values already.\n");
    for (const kvr::ValueChange& c : changes)
        std::cout << c.line().english() << "  (" << c.name << ")\n";
}

CommandRegistration importCommand([](CLI::App& app, Action& chosen) {
    auto o = std::make_shared<Options>();
    auto* cmd = app.add_subcommand("import", "Import all data (or, with --only, some editors' data) from the game "
                                             "into a settings file");
    addCommon(cmd, *o);
    addOutputOption(cmd, o->output, "Settings file to write (- for standard output)");
    cmd->add_option("-i,--input", o->input, "With --only: the settings file the record starts as");
    cmd->add_flag("--any-size", o->anySize, "Read the first 2846 bytes of an --input longer than a settings file");
    cmd->callback([&chosen, o] {
        if (!o->only.empty() && o->input.empty())
            throw CLI::ValidationError("--only", "an import with --only needs --input BASE.KVS");
        chosen = [o] {
            guardOutput(o->output, {}, argumentPath(o->game));
            const kvr::GameContext context = contextFor(*o);
            CliPrompt prompt = promptFor(*o);
            kvr::SettingsRecord record;
            bool known = false;
            int code = kDone;
            prompt.holdInformation();
            if (o->only.empty()) {
                // Unread fields (the description, the track data when declined) start empty.
                record.setShortString(kvr::rec::kDescription, kvr::rec::kDescriptionChars, "no description");
                code = finish(kvr::importAllData(context, record, prompt, known));
            } else {
                record = readSettingsInput(o->input, o->anySize);
                for (kvr::Editor e : onlyEditors(*o))
                    kvr::importEditor(context, record, prompt, e, known);
            }
            writeOutput(o->output, record.bytes());
            prompt.releaseInformation(isStdout(o->output) ? std::cerr : std::cout);
            return code;
        };
    });
});

CommandRegistration exportCommand([](CLI::App& app, Action& chosen) {
    auto o = std::make_shared<Options>();
    auto* cmd = app.add_subcommand("export", "Export all data (or, with --only, some editors' data) from a settings "
                                             "file into the game");
    addCommon(cmd, *o);
    cmd->add_option("-i,--input", o->input, "Settings file to read")->required();
    cmd->add_flag("--any-size", o->anySize, "Read the first 2846 bytes of an --input longer than a settings file");
    cmd->add_flag("--dry-run", o->dryRun, "Only list the values the export would change; write nothing");
    cmd->callback([&chosen, o] {
        chosen = [o] {
            kvr::SettingsRecord record = readSettingsInput(o->input, o->anySize);
            const kvr::GameContext context = contextFor(*o);
            if (o->dryRun) {
                printChanges(*o, context, record);
                return int(kDone);
            }
            CliPrompt prompt = promptFor(*o);
            if (!o->only.empty()) {
                const auto editors = onlyEditors(*o);
                for (kvr::Editor e : editors)
                    if (const kvr::BlockRow* row = kvr::firstUnheldRow(record, e)) {
                        std::cerr << o->input << " holds no " << row->name << " (it was saved before the " << row->name
                                  << " was read); nothing was exported\n";
                        return int(kOtherError);
                    }
                kvr::exportEditors(context, record, prompt, editors);
                return int(kDone);
            }
            // A settings file carries the values the user chose, unless it holds none of a block.
            bool known = !kvr::firstUnheldRow(record);
            return finish(kvr::exportAllData(context, record, prompt, known));
        };
    });
});

} // namespace
} // namespace kvrcli
