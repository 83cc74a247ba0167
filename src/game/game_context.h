#pragma once

#include "core/configuration.h"
#include "core/editor_home.h"

#include <filesystem>

namespace kvr {

// What every action on the game needs: where the game is, which version it is, the two
// source choices, and where the editor's own data lives.
struct GameContext {
    Configuration config;
    int version = 0;
    EditorHome home;

    std::filesystem::path gameDir() const { return config.gameDir(); }
    std::filesystem::path executable() const { return config.executable(); }
    // F1GSTATE.SAV in the game directory, whatever its case; tested anew at each call.
    std::filesystem::path stateFile() const;
    bool stateFileExists() const;
    std::filesystem::path patchList() const { return home.data("PLT.DAT"); }
};

} // namespace kvr
