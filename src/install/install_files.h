// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kvr {

using Bytes = std::vector<std::uint8_t>;

// Free bytes on the drive that holds `dir`, or nothing when it cannot be found.
std::optional<std::uintmax_t> freeSpaceOf(const std::filesystem::path& dir);
using FreeSpaceProbe = std::function<std::optional<std::uintmax_t>(const std::filesystem::path&)>;

// The installers copy only with more than this free on the game's drive.
inline constexpr std::uintmax_t kInstallFreeSpace = 50000;
bool enoughSpaceToInstall(const std::filesystem::path& gameDir, const FreeSpaceProbe& probe);
extern const Marked kNotEnoughSpace;

// A source file of an installation, read whole. When it cannot serve (missing, not a
// regular file, unreadable, empty) `bytes` is empty and `problem` names the file and says
// why, as the line under an installer's heading ("Cannot copy track file!").
struct SourceFile {
    std::optional<Bytes> bytes;
    bool missing = false;
    Message problem;
};
SourceFile readSourceFile(const std::filesystem::path& file);

// `text` with a second line that says which file it is about.
Message withFile(const Message& text, const std::filesystem::path& file);

} // namespace kvr
