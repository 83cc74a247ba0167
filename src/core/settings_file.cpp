// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings_file.h"

#include "core/errors.h"
#include "core/input_file.h"
#include "core/safe_write.h"
#include "core/settings_record.h"

#include <algorithm>

namespace kvr {

bool readSettingsFile(const std::filesystem::path& file, SettingsRecord& record)
{
    std::vector<std::uint8_t> bytes;
    try {
        bytes = readInputFile(file, rec::kSize, Longer::Cut);
    } catch (const InputFileError& e) {
        if (e.cannotOpen())
            return false;
        throw;
    }
    if (bytes.size() != rec::kSize)
        throw GeneralError(
            fillIn(KVR_TR_NOOP("Settings files", "Not a settings file: %1 holds %2 bytes, a settings file holds %3."),
                   {file.filename().string(), std::to_string(bytes.size()), std::to_string(rec::kSize)}));
    std::copy(bytes.begin(), bytes.end(), record.bytes().begin());
    return true;
}

std::optional<Message> oversizeSettingsNote(const std::string& name, std::uintmax_t size)
{
    if (size <= rec::kSize)
        return std::nullopt;
    return fillIn(KVR_TR_NOOP("Settings files", "%1 holds %2 bytes, a settings file exactly %3: only its first %3 bytes "
                                                "would be read, and if it is some other file they make no sense as "
                                                "settings."),
                  {name, std::to_string(size), std::to_string(rec::kSize)});
}

std::optional<std::uintmax_t> regularFileSize(const std::filesystem::path& file)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec)
        return std::nullopt;
    return size;
}

bool writeSettingsFile(const std::filesystem::path& file, const SettingsRecord& record)
{
    if (file.empty())
        return false;
    try {
        writeOutputFile(file, record.bytes());
        return true;
    } catch (const WriteFailure&) {
        return false;
    }
}

} // namespace kvr
