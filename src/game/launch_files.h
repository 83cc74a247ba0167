// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

namespace kvr {

// A file the editor is started with that it opens once the game is loaded.
struct LaunchFile {
    enum class Kind { SettingsFile, Patch };
    Kind kind;
    std::filesystem::path path;
    bool operator==(const LaunchFile&) const = default;
};

// What the editor's command line names: the game to open instead of the configured one,
// and the settings files and patches to open after it, in the order given.
struct LaunchRequest {
    std::optional<std::filesystem::path> gameDir;
    std::vector<LaunchFile> files;
};

// Sorts the names given on the command line, as a file manager passes them: a folder or a
// KVR.EXE (any case) names the game, *.KVS a settings file and *.kvpatch a patch (any
// case). Throws GeneralError, naming the file, for a second game or a name of no such kind.
LaunchRequest sortLaunchArguments(const std::vector<std::filesystem::path>& arguments);

} // namespace kvr
