#pragma once

#include "install/game_context.h"

#include <functional>
#include <optional>

namespace kvr {

class GameFile;
class SettingsRecord;
class UserPrompt;

enum class SequenceEnd {
    Completed,          // every step ran and the final message was shown
    TrackFilesDeclined, // the user declined the track files: the blocks before stay moved
};

// Reads every block the start-up load reads, in its order, from the open KVR.EXE and,
// when given, F1GSTATE.SAV. `progress` is called after each step that advances the
// splash bar.
void readAllBlocks(const GameContext& context, GameFile& exe, GameFile* state, SettingsRecord& record,
                   const std::function<void()>& progress = {});

// "Import all data": every block, then the track data once the track files are there.
SequenceEnd importAllData(const GameContext& context, SettingsRecord& record, UserPrompt& prompt);

// "Export all data": every block, the track patch, the state file's checksum, then the
// track data. Each file is checked whole before its first byte is written and replaced
// whole, so a failure leaves that file as it was.
SequenceEnd exportAllData(const GameContext& context, const SettingsRecord& record, UserPrompt& prompt);

// The text shown when the random engine power cannot be switched back on.
extern const char* const kRandomPowerNotRestored;

} // namespace kvr
