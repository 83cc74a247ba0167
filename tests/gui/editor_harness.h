// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/errors.h"
#include "core/settings_file.h"
#include "game/demo_game.h"
#include "game/game_context.h"
#include "game/startup_load.h"
#include "graphics/game_palette.h"
#include "gui_prompt.h"
#include "widgets/editor_services.h"
#include "widgets/record_document.h"

#include <QTemporaryDir>

#include <fstream>
#include <iterator>

// A demo game loaded as the editor loads it at start-up, and everything an editor
// window needs around it, with the questions answered by a script.
struct EditorHarness {
    QTemporaryDir dir;
    GuiPrompt prompt;
    kvrgui::RecordDocument document;
    kvr::GameContext context;
    kvr::GamePalette palette;
    std::vector<std::string> fatal;
    kvrgui::EditorServices services{document, context, prompt, palette, [this] { restoreOriginal(); },
                                    [this](const kvr::FileAccessError& e) { fatal.push_back(e.what()); }};

    explicit EditorHarness(int version = 0)
    {
        context.home = kvr::EditorHome{std::filesystem::path(KVR_DATA_DIR), root() / "state"};
        kvr::makeDemoGame(game(), version, context.patchList());
        context.config = kvr::Configuration::forExecutable(game() / "KVR.EXE");
        kvr::SettingsRecord r;
        const bool trackDataRead = kvr::startupLoad(context, r);
        document.reset(r);
        document.setTrackDataKnown(trackDataRead);
        kvr::loadGamePalette(context.home.data(kvr::kGamePaletteFile), palette);
    }

    std::filesystem::path root() const { return std::filesystem::path(dir.path().toStdString()); }
    std::filesystem::path game() const { return root() / "game"; }

    std::vector<std::uint8_t> gameFile(const std::string& name) const
    {
        std::ifstream in(game() / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    void restoreOriginal()
    {
        document.change(QStringLiteral("Restore original settings"), [this](kvr::SettingsRecord& r) {
            kvr::readSettingsFile(context.home.data("ORIGIN.SET"), r);
        });
    }
};
