// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/block_table.h"
#include "game/game_context.h"

#include <functional>
#include <optional>

namespace kvr {
class FileAccessError;
struct GamePalette;
class HelmetEditor;
class UserPrompt;
} // namespace kvr

namespace kvrgui {

class RecordDocument;

// What every editor window works with: the record, the game, the way to ask the user,
// and the main window's own actions.
struct EditorServices {
    RecordDocument& document;
    kvr::GameContext& context;
    kvr::UserPrompt& prompt;
    const kvr::GamePalette& palette;
    // "Restore original settings": DATA/ORIGIN.SET over the whole record.
    std::function<void()> restoreOriginal;
    // A game file failed: the message is shown and the program ends.
    std::function<void(const kvr::FileAccessError&)> fatal;
    // Whether an export first shows what it will change: "Export all data", an editor's own.
    bool previewAllData = true;
    bool previewEditorExport = false;
    // The helmet sheet the start-up load imported, kept for the helmets window as long as
    // the program runs; none where there was no start-up load.
    kvr::HelmetEditor* helmets = nullptr;
};

// Before an export (of all data, or of one editor's values): shows what it would change in
// the game when the user wants to see it, and whether to go on.
bool confirmExport(EditorServices& services, std::optional<kvr::Editor> editor);

// Runs an action of a window: a game file failure goes to `fatal`, which ends the program
// (without one it is shown as any other error is); any other error of the editor's own
// files or of the input is shown and the program goes on. True when the action ran to its
// end.
bool runGuarded(kvr::UserPrompt& prompt, const std::function<void(const kvr::FileAccessError&)>& fatal,
                const std::function<void()>& action);
bool runGuarded(EditorServices& services, const std::function<void()>& action);

} // namespace kvrgui
