#pragma once

#include <filesystem>

namespace kvr {

class SettingsRecord;

// Loads a settings file over the whole record. False when it cannot be opened (the
// record is then unchanged); GeneralError when it holds fewer than 2846 bytes or is not
// a regular file. Bytes beyond the first 2846 are never read.
bool readSettingsFile(const std::filesystem::path& file, SettingsRecord& record);

// Creates or replaces a settings file whole (a device or FIFO is written to directly).
// False when it cannot be written.
bool writeSettingsFile(const std::filesystem::path& file, const SettingsRecord& record);

} // namespace kvr
