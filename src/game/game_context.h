// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/configuration.h"
#include "core/editor_home.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace kvr {

// What every action on the game needs: where the game is, which version it is, the two
// source choices, and where the editor's own data lives.
struct GameContext {
    Configuration config;
    int version = 0;
    // The version byte, when it names no version: the game is then taken for version 0.
    std::optional<std::uint8_t> unknownVersionByte;
    EditorHome home;

    std::filesystem::path gameDir() const { return config.gameDir(); }
    std::filesystem::path executable() const { return config.executable(); }
    // F1GSTATE.SAV in the game directory, whatever its case; tested anew at each call.
    std::filesystem::path stateFile() const;
    bool stateFileExists() const;
    std::filesystem::path patchList() const { return home.data("PLT.DAT"); }
};

class GameFile;

// Sets the context's version from `exe`'s version byte: an unknown one gives version 0
// and is kept in `unknownVersionByte`, for the warning. A file too short for it is a file
// access error.
void detectGameVersion(GameContext& context, GameFile& exe);

// The warning for an unknown version byte, or nothing.
std::optional<Message> unknownVersionWarning(const GameContext& context);

} // namespace kvr
