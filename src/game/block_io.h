// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/game_file.h"
#include "editors/tuning/patch_list.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kvr {

struct GameContext;

// What the block readers and writers of one action may need besides KVR.EXE or
// F1GSTATE.SAV and the record: the version, the editor's patch list, the pristine copy
// of KVR.EXE, and the game's track files. The files it opens stay with it, for the action
// to commit with its others as one set.
class BlockIo {
public:
    explicit BlockIo(const GameContext& context);

    int version() const { return m_version; }
    const std::filesystem::path& gameDir() const { return m_gameDir; }
    // DATA/PLT.DAT, read on first use (GeneralError when it is missing or damaged).
    const std::vector<PatchRecord>& patchList() const;

    // Bytes [at, at + count) of the pristine copy of KVR.EXE kept beside it (see
    // GameFile::commit), read only; none while there is no copy or it is shorter.
    std::optional<std::vector<std::uint8_t>> savedExecutableBytes(std::uint32_t at, std::uint32_t count) const;

    // The 16 track files of the game, read whole on first use ("2) File access error! "
    // when one cannot be read), or those given to useTrackFiles().
    std::span<GameFile> trackFiles() const;
    // The track files this action puts in (the CD's), instead of the game's own.
    void useTrackFiles(std::vector<GameFile> files) { m_trackFiles = std::move(files); }
    // The track files in use so far: none until a row asked for them.
    std::span<const GameFile> openedTrackFiles() const { return m_trackFiles; }
    std::vector<GameFile> takeTrackFiles() { return std::move(m_trackFiles); }

    // Warnings a writer raises that do not stop the action (shown once it is done).
    void warn(Message text) const { m_warnings.push_back(std::move(text)); }
    const std::vector<Message>& warnings() const { return m_warnings; }

private:
    int m_version;
    std::filesystem::path m_gameDir;
    std::filesystem::path m_executable;
    std::filesystem::path m_patchListFile;
    mutable std::optional<std::vector<PatchRecord>> m_patchList;
    mutable std::vector<GameFile> m_trackFiles;
    mutable std::vector<Message> m_warnings;
};

} // namespace kvr
