// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game_file.h"

#include "core/checksum.h"
#include "core/errors.h"
#include "core/file_set.h"
#include "core/input_file.h"
#include "core/safe_write.h"

#include <cstring>
#include <fstream>
#include <map>

namespace kvr {
namespace fs = std::filesystem;

namespace {

// Which file and why, in the words of a game folder: a file is replaced through a new
// file beside it, so a folder we may not write in fails although the file is writable.
Message writeFailureDetail(const WriteFailure& e)
{
    if (e.file().empty())
        return messageOf(e);
    if (e.step() == WriteStep::Create)
        return fillIn(KVR_TR_NOOP("Game files", "%1: cannot create a file in the game folder: %2"),
                      {e.file().string(), std::strerror(e.error())});
    return fillIn(KVR_TR_NOOP("Game files", "%1: %2"), {e.file().string(), e.reason()});
}

} // namespace

void makeWritable(const fs::path& path)
{
    std::error_code ec;
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, ec);
}

GameFile GameFile::open(const fs::path& path, Message errorText)
{
    GameFile f;
    f.m_path = path;
    f.m_errorText = std::move(errorText);
    try {
        f.m_bytes = readInputFile(path, kMaxGameFileBytes);
    } catch (const InputFileError& e) {
        throw FileAccessError(f.m_errorText, messageOf(e));
    }
    makeWritable(path);
    return f;
}

// The executable is megabytes long and the start-up load reads a few kilobytes of it.
struct GameFile::Unread {
    static constexpr std::uint32_t kPart = 16 * 1024;

    std::ifstream in;
    std::uint32_t size = 0;
    std::map<std::uint32_t, std::vector<std::uint8_t>> parts;

    // The part holding `position` (< size); empty when it cannot be read.
    const std::vector<std::uint8_t>& partAt(std::uint32_t position)
    {
        const std::uint32_t first = position - position % kPart;
        auto it = parts.find(first);
        if (it != parts.end())
            return it->second;
        std::vector<std::uint8_t> part(std::min(kPart, size - first));
        in.clear();
        in.seekg(std::streamoff(first));
        in.read(reinterpret_cast<char*>(part.data()), std::streamsize(part.size()));
        if (!in || std::size_t(in.gcount()) != part.size())
            part.clear();
        return parts.emplace(first, std::move(part)).first->second;
    }
};

GameFile GameFile::openToRead(const fs::path& path, Message errorText)
{
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    const std::uintmax_t size = ec || !fs::is_regular_file(status) ? 0 : fs::file_size(path, ec);
    auto unread = std::make_shared<Unread>();
    if (!ec && size > 0 && size <= kMaxGameFileBytes)
        unread->in.open(path, std::ios::binary);
    // Anything unusual gets the whole read and its exact report.
    if (!unread->in.is_open())
        return open(path, std::move(errorText));
    unread->size = std::uint32_t(size);
    GameFile f;
    f.m_path = path;
    f.m_errorText = std::move(errorText);
    f.m_unread = std::move(unread);
    makeWritable(path);
    return f;
}

void GameFile::readWhole() const
{
    if (!m_unread)
        return;
    try {
        m_bytes = readInputFile(m_path, kMaxGameFileBytes);
    } catch (const InputFileError& e) {
        throw FileAccessError(m_errorText, messageOf(e));
    }
    m_unread.reset();
}

std::uint32_t GameFile::size() const
{
    return m_unread ? m_unread->size : std::uint32_t(m_bytes.size());
}

GameFile GameFile::create(const fs::path& path, std::vector<std::uint8_t> bytes)
{
    GameFile f;
    f.m_path = path;
    f.m_errorText = FileAccessError::kDefaultText;
    f.m_bytes = std::move(bytes);
    f.m_modified = true;
    f.m_existed = false;
    return f;
}

void GameFile::fail(const Message& why) const
{
    throw FileAccessError(m_errorText, fillIn(KVR_TR_NOOP("Game files", "%1: %2 at position %3"),
                                              {m_path.string(), why, std::to_string(m_pos)}));
}

void GameFile::require(std::uint32_t position, std::uint32_t count) const
{
    if (std::uint64_t(position) + count > size())
        throw FileAccessError(
            m_errorText,
            fillIn(KVR_TR_NOOP("Game files", "%1: position %2 + %3 lies beyond the end (%4 bytes)"),
                   {m_path.string(), std::to_string(position), std::to_string(count), std::to_string(size())}));
}

void GameFile::seek(std::uint32_t position)
{
    if (position > size())
        fail(fillIn(KVR_TR_NOOP("Game files", "seek beyond the end (%1)"), {std::to_string(position)}));
    m_pos = position;
}

void GameFile::skip(std::uint32_t count)
{
    if (std::uint64_t(m_pos) + count > size())
        fail(KVR_TR_NOOP("Game files", "skip beyond the end"));
    m_pos += count;
}

std::uint8_t GameFile::readByte()
{
    if (m_pos >= size())
        fail(KVR_TR_NOOP("Game files", "read beyond the end"));
    if (m_unread) {
        const std::vector<std::uint8_t>& part = m_unread->partAt(m_pos);
        if (part.empty())
            fail(KVR_TR_NOOP("Game files", "cannot be read"));
        return part[m_pos++ % Unread::kPart];
    }
    return m_bytes[m_pos++];
}

std::uint16_t GameFile::readWord()
{
    const std::uint8_t low = readByte();
    const std::uint8_t high = readByte();
    return std::uint16_t(low | (high << 8));
}

void GameFile::writeByte(std::uint8_t value)
{
    readWhole();
    if (m_pos >= m_bytes.size())
        fail(KVR_TR_NOOP("Game files", "write beyond the end"));
    if (m_bytes[m_pos] != value) {
        m_bytes[m_pos] = value;
        m_modified = true;
    }
    ++m_pos;
}

void GameFile::writeWord(std::uint16_t value)
{
    require(m_pos, 2);
    writeByte(std::uint8_t(value & 0xFF));
    writeByte(std::uint8_t(value >> 8));
}

void GameFile::updateChecksum()
{
    readWhole();
    if (m_bytes.size() < kChecksumSize)
        fail(KVR_TR_NOOP("Game files", "too short for a checksum"));
    if (writeChecksumTrailer(m_bytes))
        m_modified = true;
}

void GameFile::commit()
{
    if (!m_modified)
        return;
    readWhole();
    try {
        if (m_existed)
            keepOriginalCopy(m_path);
        replaceFile(m_path, m_bytes);
    } catch (const WriteFailure& e) {
        throw FileWriteError(m_errorText, writeFailureDetail(e));
    }
    m_modified = false;
    m_existed = true;
}

FileWriteError asFileWriteError(const WriteFailure& failure)
{
    const auto* set = dynamic_cast<const SetWriteFailure*>(&failure);
    return FileWriteError(FileAccessError::kDefaultText, writeFailureDetail(failure) + (set ? set->note() : ""));
}

void commitGameFiles(FileSet& set, const GameFolderLock& lock)
{
    try {
        set.commit(lock);
    } catch (const WriteFailure& e) {
        throw asFileWriteError(e);
    }
}

} // namespace kvr
