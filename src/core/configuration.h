// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace kvr {

// The editor's configuration, the whole content of kvrdesk.set (515 bytes): two short
// strings of 255 characters, the last detected language version and the two source
// flags.
struct Configuration {
    static constexpr std::size_t kSize = 515;
    static constexpr std::size_t kPathChars = 255;

    std::string gameDirectory; // ends with the path separator
    std::string executablePath;
    std::uint8_t languageVersion = 0;
    bool namesInStateFile = true;
    bool cockpitColoursInStateFile = true;

    // Raw bytes for the flags and string tails, so an unchanged record is written back
    // as it was read.
    std::array<std::uint8_t, kSize> raw{};

    std::array<std::uint8_t, kSize> toBytes() const;
    static Configuration fromBytes(const std::array<std::uint8_t, kSize>& bytes);

    // Points the configuration at a located KVR.EXE, as the locate window does. Throws
    // GeneralError when a path does not fit the 255-character fields.
    static Configuration forExecutable(const std::filesystem::path& executable);

    std::filesystem::path gameDir() const;
    std::filesystem::path executable() const;
};

// Reads kvrdesk.set. Nothing when it cannot be opened; GeneralError when it is
// shorter than a record.
std::optional<Configuration> readConfiguration(const std::filesystem::path& file);

// Writes kvrdesk.set whole; returns false when it cannot be written, saying why in
// `reason` when given ("cannot write: No space left on device").
bool writeConfiguration(const std::filesystem::path& file, const Configuration& config, Message* reason = nullptr);

} // namespace kvr
