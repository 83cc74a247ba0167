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
        throw GeneralError("Not a settings file: " + file.filename().string() + " holds " +
                           std::to_string(bytes.size()) + " bytes, a settings file holds " +
                           std::to_string(rec::kSize) + ".");
    std::copy(bytes.begin(), bytes.end(), record.bytes().begin());
    return true;
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
