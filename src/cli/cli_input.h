#pragma once

#include "core/settings_record.h"

#include <string>

namespace kvrcli {

// Reads a settings file the user named. One that is not exactly one record long is
// refused (GeneralError) unless `anySize`, which reads the first record of a longer one.
kvr::SettingsRecord readSettingsInput(const std::string& file, bool anySize);

} // namespace kvrcli
