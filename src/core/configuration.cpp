// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/configuration.h"

#include "core/errors.h"
#include "core/input_file.h"
#include "core/platform/path_text.h"
#include "core/safe_write.h"

#include <algorithm>
#include <fstream>

namespace kvr {
namespace fs = std::filesystem;

namespace {
constexpr std::size_t kGameDirAt = 0;
constexpr std::size_t kExeAt = 256;
constexpr std::size_t kVersionAt = 512;
constexpr std::size_t kNamesAt = 513;
constexpr std::size_t kCockpitAt = 514;

// Most runs end with the configuration they began with; leaving the file alone spares
// the editor's exit two flushes to disk.
bool holdsExactly(const fs::path& file, const std::array<std::uint8_t, Configuration::kSize>& bytes)
{
    try {
        const std::vector<std::uint8_t> held = readInputFile(file, bytes.size() + 1, Longer::Cut);
        return std::equal(held.begin(), held.end(), bytes.begin(), bytes.end());
    } catch (const InputFileError&) {
        return false;
    }
}

std::string readShort(const std::array<std::uint8_t, Configuration::kSize>& b, std::size_t at)
{
    return std::string(reinterpret_cast<const char*>(&b[at + 1]), b[at]);
}

void writeShort(std::array<std::uint8_t, Configuration::kSize>& b, std::size_t at, const std::string& s)
{
    const std::size_t n = std::min(s.size(), Configuration::kPathChars);
    b[at] = std::uint8_t(n);
    std::copy_n(s.begin(), n, b.begin() + std::ptrdiff_t(at + 1));
}
} // namespace

std::array<std::uint8_t, Configuration::kSize> Configuration::toBytes() const
{
    auto b = raw;
    writeShort(b, kGameDirAt, gameDirectory);
    writeShort(b, kExeAt, executablePath);
    b[kVersionAt] = languageVersion;
    // Keep a stored non-zero "true" as it was.
    b[kNamesAt] = namesInStateFile ? (raw[kNamesAt] ? raw[kNamesAt] : 1) : 0;
    b[kCockpitAt] = cockpitColoursInStateFile ? (raw[kCockpitAt] ? raw[kCockpitAt] : 1) : 0;
    return b;
}

Configuration Configuration::fromBytes(const std::array<std::uint8_t, kSize>& bytes)
{
    Configuration c;
    c.raw = bytes;
    c.gameDirectory = readShort(bytes, kGameDirAt);
    c.executablePath = readShort(bytes, kExeAt);
    c.languageVersion = bytes[kVersionAt];
    c.namesInStateFile = bytes[kNamesAt] != 0;
    c.cockpitColoursInStateFile = bytes[kCockpitAt] != 0;
    return c;
}

fs::path Configuration::gameDir() const
{
    return platform::pathFromText(gameDirectory);
}

fs::path Configuration::executable() const
{
    return platform::pathFromText(executablePath);
}

Configuration Configuration::forExecutable(const fs::path& executable)
{
    const fs::path absolute = fs::absolute(executable).lexically_normal();
    std::string dir = platform::pathText(absolute.parent_path());
    if (dir.empty() || dir.back() != char(fs::path::preferred_separator))
        dir += char(fs::path::preferred_separator);
    const std::string exe = platform::pathText(absolute);
    if (dir.size() > kPathChars || exe.size() > kPathChars)
        throw GeneralError(
            fillIn(KVR_TR_NOOP("Messages", "The path of the game is longer than 255 characters: %1"), {exe}));
    Configuration c;
    c.gameDirectory = dir;
    c.executablePath = exe;
    c.namesInStateFile = true;
    c.cockpitColoursInStateFile = true;
    return c;
}

std::optional<Configuration> readConfiguration(const fs::path& file)
{
    std::vector<std::uint8_t> read;
    try {
        read = readInputFile(file, Configuration::kSize, Longer::Cut);
    } catch (const InputFileError& e) {
        if (e.cannotOpen())
            return std::nullopt;
        throw;
    }
    std::array<std::uint8_t, Configuration::kSize> bytes{};
    if (read.size() < bytes.size())
        throw GeneralError(
            fillIn(KVR_TR_NOOP("Messages", "The configuration file %1 is damaged (shorter than %2 bytes). "
                                           "Locate the game again; the file is written anew when the "
                                           "editor closes."),
                   {file.string(), std::to_string(Configuration::kSize)}));
    std::copy(read.begin(), read.end(), bytes.begin());
    return Configuration::fromBytes(bytes);
}

bool writeConfiguration(const fs::path& file, const Configuration& config, Message* reason)
{
    try {
        const auto bytes = config.toBytes();
        if (holdsExactly(file, bytes))
            return true;
        replaceFile(file, bytes);
        return true;
    } catch (const WriteFailure& e) {
        if (reason)
            *reason = e.reason();
        return false;
    }
}

} // namespace kvr
