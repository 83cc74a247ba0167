// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/byte_reader.h"

#include "core/errors.h"
#include "core/input_file.h"

namespace kvr {

std::vector<std::uint8_t> readPictureFile(const std::filesystem::path& file, std::uint64_t limit)
{
    try {
        return readInputFile(file, limit);
    } catch (const InputFileError& e) {
        if (e.cannotOpen())
            throw GeneralError(fillIn(KVR_TR_NOOP("Messages", "Cannot open file \"%1\""), {file.string()}));
        throw;
    }
}

} // namespace kvr
