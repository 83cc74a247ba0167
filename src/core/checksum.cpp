// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/checksum.h"

#include "core/errors.h"
#include "core/game_file.h"
#include "core/input_file.h"


namespace kvr {

Checksum computeChecksum(std::span<const std::uint8_t> file)
{
    Checksum c;
    if (file.size() <= kChecksumSize)
        return c;
    unsigned sum = 0;
    unsigned rot = 0;
    for (std::size_t i = 0, n = file.size() - kChecksumSize; i < n; ++i) {
        const std::uint8_t b = file[i];
        sum = (sum + b) & 0xFFFF;
        rot = ((((rot << 3) | (rot >> 13)) & 0xFFFF) + b) & 0xFFFF;
    }
    c.byteSum = std::uint16_t(sum);
    c.rotateAdd = std::uint16_t(rot);
    return c;
}

Checksum storedChecksum(std::span<const std::uint8_t> file)
{
    Checksum c;
    if (file.size() < kChecksumSize)
        return c;
    const std::size_t t = file.size() - kChecksumSize;
    c.byteSum = std::uint16_t(file[t] | (file[t + 1] << 8));
    c.rotateAdd = std::uint16_t(file[t + 2] | (file[t + 3] << 8));
    return c;
}

bool writeChecksumTrailer(std::span<std::uint8_t> file)
{
    if (file.size() < kChecksumSize)
        throw GeneralError(KVR_TR_NOOP("Game files", "too short for a checksum"));
    const Checksum c = computeChecksum(file);
    const std::uint8_t trailer[4] = {std::uint8_t(c.byteSum & 0xFF), std::uint8_t(c.byteSum >> 8),
                                     std::uint8_t(c.rotateAdd & 0xFF), std::uint8_t(c.rotateAdd >> 8)};
    bool changed = false;
    const std::size_t t = file.size() - kChecksumSize;
    for (std::size_t i = 0; i < kChecksumSize; ++i) {
        changed = changed || file[t + i] != trailer[i];
        file[t + i] = trailer[i];
    }
    return changed;
}

namespace {
std::vector<std::uint8_t> readWhole(const std::filesystem::path& path)
{
    std::vector<std::uint8_t> bytes = readInputFile(path, kMaxGameFileBytes);
    if (bytes.size() < kChecksumSize)
        throw GeneralError(fillIn(KVR_TR_NOOP("Game files", "%1 is too short to hold a checksum"), {path.string()}));
    return bytes;
}
} // namespace

void updateChecksumFile(const std::filesystem::path& path)
{
    // Missing, foreign or short files are the user's mistake, not a failed game file.
    readWhole(path);
    GameFile f = GameFile::open(path);
    f.updateChecksum();
    f.commit();
}

bool verifyChecksumFile(const std::filesystem::path& path)
{
    const auto bytes = readWhole(path);
    return computeChecksum(bytes) == storedChecksum(bytes);
}

} // namespace kvr
