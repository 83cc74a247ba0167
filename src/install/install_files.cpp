#include "install/install_files.h"
#include "core/tr_marker.h"

#include <fstream>
#include <iterator>

namespace kvr {
namespace fs = std::filesystem;

const char* const kNotEnoughSpace = KVR_TR_NOOP("Installers", "Not enough free space on the game's drive!");

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

namespace {

std::optional<Bytes> readAll(const fs::path& file)
{
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return bytes;
}

} // namespace

std::optional<Bytes> readSourceFile(const fs::path& file)
{
    std::optional<Bytes> bytes = readAll(file);
    if (!bytes || bytes->empty())
        return std::nullopt;
    return bytes;
}

std::string withFile(const std::string& text, const fs::path& file)
{
    return text + "\n" + file.string();
}

} // namespace kvr
