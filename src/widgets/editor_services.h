#pragma once

#include "install/game_context.h"

#include <functional>

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
    // The helmet sheet the start-up load imported, kept for the helmets window as long as
    // the program runs; none where there was no start-up load.
    kvr::HelmetEditor* helmets = nullptr;
};

// Runs an action of a window: a game file failure ends the program, any other error of
// the editor's own files or of the input is shown and the program goes on.
void runGuarded(EditorServices& services, const std::function<void()>& action);

} // namespace kvrgui
