// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string_view>

namespace kvr {

// Where the editor keeps its own files: the data it ships (DATA: palette, pictures,
// patch list, original settings, add-on sets), which may be read-only, and the
// writable place for kvrdesk.set and the converter's TEMP folder.
struct EditorHome {
    std::filesystem::path dataDir;
    std::filesystem::path stateDir;

    std::filesystem::path data(std::string_view name) const;
    std::filesystem::path configFile() const { return stateDir / "kvrdesk.set"; }
    std::filesystem::path tempDir() const { return stateDir / "TEMP"; }

    // A single folder holding DATA, TEMP and kvrdesk.set, as the game's own editor
    // folder would.
    static EditorHome inFolder(const std::filesystem::path& root);

    // The default for a program at `programPath`: data from <prefix>/share/kvrdesk/DATA
    // (the build tree has the same shape), state in the user's configuration folder.
    static EditorHome forProgram(const std::filesystem::path& programPath);
};

// The running program, as the system knows it or else from argv[0].
std::filesystem::path runningProgram(const char* argv0);

} // namespace kvr
