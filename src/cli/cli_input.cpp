#include "cli/cli_input.h"

#include "core/errors.h"
#include "core/settings_file.h"

namespace kvrcli {

kvr::SettingsRecord readSettingsInput(const std::string& file, bool anySize)
{
    if (const auto size = kvr::regularFileSize(file); size && !anySize) {
        if (const auto note = kvr::oversizeSettingsNote(file, *size))
            throw kvr::GeneralError(*note + " Give --any-size to read it anyway.");
    }
    kvr::SettingsRecord record;
    if (!kvr::readSettingsFile(file, record))
        throw kvr::GeneralError("Cannot open " + file);
    return record;
}

} // namespace kvrcli
