// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the data files the editor ships that are not pictures.
#include "core/errors.h"
#include "core/settings_file.h"
#include "core/settings_record.h"
#include "core/user_prompt.h"
#include "editors/tuning/patch_list.h"
#include "game/demo_game.h"
#include "game/import_export.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>

namespace {
namespace fs = std::filesystem;

// Nothing is asked while making data: the demo game has all its files.
class NoQuestions : public kvr::UserPrompt {
public:
    bool confirm(const kvr::Message& text) override
    {
        throw kvr::GeneralError("unexpected question: " + text.english());
    }
    void inform(const kvr::Message&) override {}
    void warn(const kvr::Message& text) override { throw kvr::GeneralError("unexpected warning: " + text.english()); }
    std::optional<fs::path> chooseFile(const kvr::FileRequest& r) override
    {
        throw kvr::GeneralError("unexpected file dialog: " + r.title.english());
    }
};

// The original settings: everything a game as delivered holds, read by the editor's own
// import from a freshly made demo installation.
void makeOriginalSettings(const fs::path& out, const fs::path& patchList)
{
    const fs::path scratch = out.parent_path() / ".origin-game";
    fs::remove_all(scratch);
    kvr::makeDemoGame(scratch, 0, patchList);
    kvr::GameContext context;
    context.config = kvr::Configuration::forExecutable(scratch / "KVR.EXE");
    context.version = 0;
    context.home.dataDir = patchList.parent_path();
    kvr::SettingsRecord record;
    record.setShortString(kvr::rec::kDescription, kvr::rec::kDescriptionChars, "Original settings of the game");
    NoQuestions prompt;
    bool trackDataKnown = false;
    kvr::importAllData(context, record, prompt, trackDataKnown);
    fs::remove_all(scratch);
    if (!kvr::writeSettingsFile(out, record))
        throw kvr::GeneralError("cannot write " + out.string());
}

} // namespace

int main(int argc, char** argv)
{
    try {
        if (argc == 3 && std::strcmp(argv[1], "patch-list") == 0) {
            kvr::writePatchList(argv[2], kvr::defaultPatchList());
            return 0;
        }
        if (argc == 4 && std::strcmp(argv[1], "origin-set") == 0) {
            makeOriginalSettings(argv[2], argv[3]);
            return 0;
        }
        std::fprintf(stderr, "usage: kvr-mkdata patch-list FILE | origin-set FILE PATCH_LIST\n");
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kvr-mkdata: %s\n", e.what());
        return 3;
    }
}
