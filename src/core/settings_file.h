// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace kvr {

class SettingsRecord;

// Loads a settings file over the whole record. False when it cannot be opened (the
// record is then unchanged); GeneralError when it holds fewer than 2846 bytes or is not
// a regular file. Bytes beyond the first 2846 are never read.
bool readSettingsFile(const std::filesystem::path& file, SettingsRecord& record);

// A settings file holds exactly one record. A longer one loads too (its first 2846 bytes),
// but is most likely some other file: what to tell the user about `name` of `size` bytes
// before loading it, nothing when it holds one record (a shorter file fails to load).
std::optional<Message> oversizeSettingsNote(const std::string& name, std::uintmax_t size);

// The size of `file` when it is a regular file (through links).
std::optional<std::uintmax_t> regularFileSize(const std::filesystem::path& file);

// Creates or replaces a settings file whole (a device or FIFO is written to directly).
// False when it cannot be written.
bool writeSettingsFile(const std::filesystem::path& file, const SettingsRecord& record);

} // namespace kvr
