// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_input.h"
#include "cli/cli_output.h"
#include "cli/commands.h"

#include "core/errors.h"
#include "core/input_file.h"
#include "core/settings_file.h"
#include "core/settings_record.h"
#include "game/record_json.h"
#include "game/record_patch.h"

#include <iostream>
#include <map>
#include <set>

namespace kvrcli {
namespace {

// A to-json file is about 150 KB; anything far larger is not one.
constexpr std::uint64_t kMaxJsonBytes = 16ull * 1024 * 1024;

// Leaf values by path; `order` lists each path once, in the order first seen.
void flatten(const nlohmann::ordered_json& j, const std::string& prefix, std::map<std::string, std::string>& out,
             std::vector<std::string>& order, std::set<std::string>& seen)
{
    if (j.is_object()) {
        for (const auto& [k, v] : j.items())
            flatten(v, prefix.empty() ? k : prefix + "." + k, out, order, seen);
    } else if (j.is_array()) {
        for (std::size_t i = 0; i < j.size(); ++i)
            flatten(j[i], prefix + "[" + std::to_string(i) + "]", out, order, seen);
    } else {
        if (seen.insert(prefix).second)
            order.push_back(prefix);
        out[prefix] = j.dump();
    }
}

CommandRegistration toJson([](CLI::App& app, Action& chosen) {
    auto* cmd = app.add_subcommand("to-json", "Print a settings file as JSON, every field by name");
    auto file = std::make_shared<std::string>();
    auto anySize = std::make_shared<bool>(false);
    cmd->add_option("FILE", *file, "Settings file (.KVS)")->required();
    cmd->add_flag("--any-size", *anySize, "Read the first 2846 bytes of a file longer than a settings file");
    cmd->callback([&chosen, file, anySize] {
        chosen = [file, anySize] {
            std::cout << kvr::recordToJson(readSettingsInput(*file, *anySize)).dump(2) << '\n';
            return int(kDone);
        };
    });
});

CommandRegistration fromJson([](CLI::App& app, Action& chosen) {
    auto* cmd = app.add_subcommand("from-json", "Make a settings file from JSON written by to-json");
    auto file = std::make_shared<std::string>();
    auto output = std::make_shared<std::string>();
    cmd->add_option("FILE", *file, "JSON file")->required();
    addOutputOption(cmd, *output, "Settings file to write (- for standard output)");
    cmd->callback([&chosen, file, output] {
        chosen = [file, output] {
            guardOutput(*output, {*file});
            const std::vector<std::uint8_t> text = kvr::readInputFile(argumentPath(*file), kMaxJsonBytes);
            const kvr::SettingsRecord r =
                kvr::recordFromJsonText(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
            writeOutput(*output, r.bytes());
            return int(kDone);
        };
    });
});

CommandRegistration diff([](CLI::App& app, Action& chosen) {
    auto* cmd = app.add_subcommand("diff", "List the fields in which two settings files differ (exit 1 if any)");
    auto a = std::make_shared<std::string>();
    auto b = std::make_shared<std::string>();
    auto anySize = std::make_shared<bool>(false);
    auto asPatch = std::make_shared<bool>(false);
    auto valuesOnly = std::make_shared<bool>(false);
    cmd->add_option("A", *a, "First settings file")->required();
    cmd->add_option("B", *b, "Second settings file")->required();
    cmd->add_flag("--any-size", *anySize, "Read the first 2846 bytes of a file longer than a settings file");
    auto* patchFlag =
        cmd->add_flag("--patch", *asPatch, "Print the differences as a patch (.kvpatch) that turns A into B");
    cmd->add_flag("--values-only", *valuesOnly,
                  "With --patch: only the values a window shows, without the settings description and the bytes no "
                  "window shows")
        ->needs(patchFlag);
    cmd->callback([&chosen, a, b, anySize, asPatch, valuesOnly] {
        chosen = [a, b, anySize, asPatch, valuesOnly] {
            if (*asPatch) {
                const kvr::SettingsRecord first = readSettingsInput(*a, *anySize);
                const kvr::SettingsRecord second = readSettingsInput(*b, *anySize);
                kvr::RecordPatch patch =
                    *valuesOnly ? kvr::makeValuesPatch(first, second) : kvr::makePatch(first, second);
                patch.about.madeWith = "kvrdesk " KVR_VERSION;
                std::cout << kvr::patchText(patch);
                return int(patch.changes.empty() ? kDone : kFilesDiffer);
            }
            std::map<std::string, std::string> fa, fb;
            std::vector<std::string> order;
            std::set<std::string> seen;
            flatten(kvr::recordToJson(readSettingsInput(*a, *anySize)), "", fa, order, seen);
            flatten(kvr::recordToJson(readSettingsInput(*b, *anySize)), "", fb, order, seen);
            bool differ = false;
            for (const auto& key : order) {
                const auto ia = fa.find(key);
                const auto ib = fb.find(key);
                const std::string va = ia == fa.end() ? "(none)" : ia->second;
                const std::string vb = ib == fb.end() ? "(none)" : ib->second;
                if (va != vb) {
                    std::cout << key << ": " << va << " -> " << vb << '\n';
                    differ = true;
                }
            }
            return int(differ ? kFilesDiffer : kDone);
        };
    });
});

} // namespace
} // namespace kvrcli
