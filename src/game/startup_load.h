// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"
#include "game/game_context.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace kvr {

class FileAccessError;
class SettingsRecord;

// Progress of the splash bar: it stands at 4 when the load begins, goes up by 4 after
// each block step to 88, and to 92 once the game's files are closed.
inline constexpr int kProgressStep = 4;
inline constexpr int kProgressAtStart = 4;
inline constexpr int kProgressFilesClosed = 92;

// The start-up load from opening KVR.EXE to closing the game's files: detects the
// language version into `context` (and its configuration), resets the record and reads
// every block, the track data too when all 16 track files are there and can be read
// (otherwise its bytes stay as they were, and `trackDataProblem`, when given, says why
// a track file could not be read). Returns whether the track data was read. `progress`
// receives the bar's new value after each step.
// FileAccessError (a game file that cannot be read, an executable too short for its
// version byte included) ends the program; GeneralError (a damaged patch list) skips the
// rest of the load.
bool startupLoad(GameContext& context, SettingsRecord& record, const std::function<void(int)>& progress = {},
                 Message* trackDataProblem = nullptr);

// What the user is told when the track data cannot be read: which file, why, and that
// it stays unread.
Message trackDataUnread(const FileAccessError& error);

// Why `exe` cannot be the game's executable (too short for the version byte, or for a
// block the editor reads), or nothing when the editor can read every value from it.
std::optional<Message> executableProblem(const std::filesystem::path& exe);

} // namespace kvr
