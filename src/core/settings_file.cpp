#include "core/settings_file.h"

#include "core/errors.h"
#include "core/safe_write.h"
#include "core/settings_record.h"

#include <fstream>

namespace kvr {

bool readSettingsFile(const std::filesystem::path& file, SettingsRecord& record)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    SettingsRecord loaded;
    auto bytes = loaded.bytes();
    in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
    if (std::size_t(in.gcount()) != bytes.size())
        throw GeneralError("Not a settings file: " + file.filename().string() + " holds " +
                           std::to_string(in.gcount()) + " bytes, a settings file holds " +
                           std::to_string(rec::kSize) + ".");
    record = loaded;
    return true;
}

bool writeSettingsFile(const std::filesystem::path& file, const SettingsRecord& record)
{
    if (file.empty())
        return false;
    try {
        replaceFile(file, record.bytes());
        return true;
    } catch (const WriteFailure&) {
        return false;
    }
}

} // namespace kvr
