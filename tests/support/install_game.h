// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game_context.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace kvrtest {

// Every file below `dir` by its relative path, with its bytes.
using Snapshot = std::map<std::string, std::vector<std::uint8_t>>;
Snapshot snapshot(const std::filesystem::path& dir);

// A demo game and its CD, and the editor's shipped data: read where the build made it,
// or from a copy that a test may damage.
class InstallGame {
public:
    explicit InstallGame(int version = 0, bool copyData = false);

    std::filesystem::path game() const { return m_dir / "game"; }
    std::filesystem::path cd() const { return m_dir / "cd"; }
    std::filesystem::path cdExe() const { return cd() / "KVR.EXE"; }
    std::filesystem::path data() const { return context.home.dataDir; }
    std::filesystem::path shipped(const std::string& name) const;

    kvr::GameContext context;
    ScriptedPrompt prompt;

private:
    TempDir m_dir;
};

} // namespace kvrtest
