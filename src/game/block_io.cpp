// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/block_io.h"

#include "core/input_file.h"
#include "core/safe_write.h"
#include "editors/track/track_data.h"
#include "game/game_context.h"

namespace kvr {

BlockIo::BlockIo(const GameContext& context)
    : m_version(context.version), m_gameDir(context.gameDir()), m_executable(context.executable()),
      m_patchListFile(context.patchList())
{
}

const std::vector<PatchRecord>& BlockIo::patchList() const
{
    if (!m_patchList)
        m_patchList = readPatchList(m_patchListFile);
    return *m_patchList;
}

std::optional<std::vector<std::uint8_t>> BlockIo::savedExecutableBytes(std::uint32_t at, std::uint32_t count) const
{
    const std::uint64_t end = std::uint64_t(at) + count;
    try {
        std::vector<std::uint8_t> copy = readInputFile(originalCopyPath(m_executable), end, Longer::Cut);
        if (copy.size() < end)
            return std::nullopt;
        return std::vector<std::uint8_t>(copy.begin() + at, copy.end());
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::span<GameFile> BlockIo::trackFiles() const
{
    if (m_trackFiles.empty())
        m_trackFiles = openTrackFiles(m_gameDir);
    return m_trackFiles;
}

} // namespace kvr
