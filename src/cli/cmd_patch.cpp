// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_input.h"
#include "cli/cli_output.h"
#include "cli/commands.h"

#include "core/errors.h"
#include "core/json_input.h"
#include "game/record_patch.h"

#include <iostream>

namespace kvrcli {
namespace {

kvr::RecordPatch readPatch(const std::string& file)
{
    try {
        return kvr::readPatchFile(argumentPath(file));
    } catch (const kvr::PatchError& e) {
        throw kvr::GeneralError(file + ": " + e.what());
    }
}

CommandRegistration apply([](CLI::App& app, Action& chosen) {
    auto* cmd = app.add_subcommand("apply", "Lay patches (.kvpatch) over a settings file, in the order given");
    auto patches = std::make_shared<std::vector<std::string>>();
    auto input = std::make_shared<std::string>();
    auto output = std::make_shared<std::string>();
    auto lastWins = std::make_shared<bool>(false);
    auto anySize = std::make_shared<bool>(false);
    cmd->add_option("PATCH", *patches, "Patch files, applied in this order")->required();
    cmd->add_option("-i,--input", *input, "Settings file the patches are laid over")->required();
    addOutputOption(cmd, *output, "Settings file to write (- for standard output)");
    cmd->add_flag("--last-wins", *lastWins,
                  "When two patches set one value to different values, keep the later one's instead of refusing");
    cmd->add_flag("--any-size", *anySize, "Read the first 2846 bytes of an input longer than a settings file");
    cmd->callback([&chosen, patches, input, output, lastWins, anySize] {
        chosen = [patches, input, output, lastWins, anySize] {
            std::vector<std::string> inputs = *patches;
            inputs.push_back(*input);
            guardOutput(*output, inputs);
            const kvr::SettingsRecord base = readSettingsInput(*input, *anySize);
            std::vector<kvr::RecordPatch> read;
            for (const std::string& file : *patches)
                read.push_back(readPatch(file));
            const kvr::PatchOutcome out =
                kvr::applyPatches(base, read, *lastWins ? kvr::OnConflict::LastWins : kvr::OnConflict::Refuse);
            if (!out.conflicts.empty()) {
                for (const kvr::PatchConflict& c : out.conflicts)
                    std::cerr << "kvrdesk-cli: conflict: " << kvr::conflictText(c, *patches) << '\n';
                std::cerr << "kvrdesk-cli: nothing was written; give --last-wins to keep the later patch's values\n";
                return int(kPatchConflict);
            }
            // A value is at most a description long; a control character in a name is shown, not sent.
            auto shown = [](const std::string& value) { return kvr::quotedForMessage(value, 300); };
            for (const kvr::UnexpectedValue& u : out.unexpected)
                std::cerr << "kvrdesk-cli: note: " << (*patches)[u.patch] << ": " << u.name << " (" << u.label
                          << ") was " << shown(u.found) << ", the patch expects " << shown(u.expected)
                          << "; changed all the same\n";
            writeOutput(*output, out.record.bytes());
            return int(kDone);
        };
    });
});

} // namespace
} // namespace kvrcli
