#include "core/game_file.h"

#include "core/checksum.h"
#include "core/errors.h"
#include "core/file_set.h"
#include "core/input_file.h"
#include "core/safe_write.h"

#include <cstring>

namespace kvr {
namespace fs = std::filesystem;

namespace {

// Which file and why, in the words of a game folder: a file is replaced through a new
// file beside it, so a folder we may not write in fails although the file is writable.
std::string writeFailureDetail(const WriteFailure& e)
{
    if (e.file().empty())
        return e.what();
    if (e.step() == WriteStep::Create)
        return e.file().string() + ": cannot create a file in the game folder: " + std::strerror(e.error());
    return e.file().string() + ": " + e.reason();
}

} // namespace

void makeWritable(const fs::path& path)
{
    std::error_code ec;
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, ec);
}

GameFile GameFile::open(const fs::path& path, std::string errorText)
{
    GameFile f;
    f.m_path = path;
    f.m_errorText = std::move(errorText);
    try {
        f.m_bytes = readInputFile(path, kMaxGameFileBytes);
    } catch (const InputFileError& e) {
        throw FileAccessError(f.m_errorText, e.what());
    }
    makeWritable(path);
    return f;
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

void GameFile::fail(const std::string& why) const
{
    throw FileAccessError(m_errorText, m_path.string() + ": " + why + " at position " + std::to_string(m_pos));
}

void GameFile::require(std::uint32_t position, std::uint32_t count) const
{
    if (std::uint64_t(position) + count > m_bytes.size())
        throw FileAccessError(m_errorText, m_path.string() + ": position " + std::to_string(position) +
                                               " + " + std::to_string(count) + " lies beyond the end (" +
                                               std::to_string(m_bytes.size()) + " bytes)");
}

void GameFile::seek(std::uint32_t position)
{
    if (position > m_bytes.size())
        fail("seek beyond the end (" + std::to_string(position) + ")");
    m_pos = position;
}

void GameFile::skip(std::uint32_t count)
{
    if (std::uint64_t(m_pos) + count > m_bytes.size())
        fail("skip beyond the end");
    m_pos += count;
}

std::uint8_t GameFile::readByte()
{
    if (m_pos >= m_bytes.size())
        fail("read beyond the end");
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
    if (m_pos >= m_bytes.size())
        fail("write beyond the end");
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
    if (m_bytes.size() < kChecksumSize)
        fail("too short for a checksum");
    if (writeChecksumTrailer(m_bytes))
        m_modified = true;
}

void GameFile::commit()
{
    if (!m_modified)
        return;
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
