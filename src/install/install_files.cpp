// SPDX-License-Identifier: GPL-3.0-or-later
#include "install/install_files.h"
#include "core/input_file.h"
#include "core/tr_marker.h"

namespace kvr {
namespace fs = std::filesystem;

const kvr::Marked kNotEnoughSpace = KVR_TR_NOOP("Installers", "Not enough free space on the game's drive!");

std::optional<std::uintmax_t> freeSpaceOf(const fs::path& dir)
{
    std::error_code ec;
    const fs::space_info info = fs::space(dir, ec);
    if (ec || info.available == static_cast<std::uintmax_t>(-1))
        return std::nullopt;
    return info.available;
}

bool enoughSpaceToInstall(const fs::path& gameDir, const FreeSpaceProbe& probe)
{
    const std::optional<std::uintmax_t> free = probe ? probe(gameDir) : freeSpaceOf(gameDir);
    return free && *free > kInstallFreeSpace;
}

SourceFile readSourceFile(const fs::path& file)
{
    SourceFile source;
    std::error_code ec;
    if (!fs::exists(fs::status(file, ec))) {
        source.missing = true;
        source.problem = fillIn(KVR_TR_NOOP("Installers", "%1: missing"), {file.string()});
        return source;
    }
    try {
        // Refuses a FIFO, a device or a folder before reading, so none blocks or streams.
        Bytes bytes = readInputFile(file, kMaxGameFileBytes);
        if (bytes.empty())
            source.problem = fillIn(KVR_TR_NOOP("Installers", "%1: it is empty"), {file.string()});
        else
            source.bytes = std::move(bytes);
    } catch (const InputFileError& e) {
        source.problem = e.message();
    }
    return source;
}

Message withFile(const Message& text, const fs::path& file)
{
    return text + "\n" + file.string();
}

} // namespace kvr
