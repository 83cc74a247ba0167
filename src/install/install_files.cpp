#include "install/install_files.h"

#include "core/game_file.h"
#include "core/safe_write.h"

#include <fstream>
#include <iterator>

namespace kvr {
namespace fs = std::filesystem;

const char* const kNotEnoughSpace = "Not enough free space on the game's drive!";

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

std::string withFile(const std::string& text, const fs::path& file) { return text + "\n" + file.string(); }

void ReplaceBatch::add(const fs::path& target, Bytes bytes)
{
    Item item{target, std::move(bytes), std::nullopt};
    std::error_code ec;
    if (fs::exists(target, ec)) {
        item.old = readAll(target);
        item.unreadable = !item.old;
    }
    m_items.push_back(std::move(item));
}

std::optional<ReplaceBatch::Failure> ReplaceBatch::commit()
{
    for (Item& item : m_items) {
        if (item.old && *item.old == item.bytes)
            continue;
        try {
            if (item.unreadable)
                throw WriteFailure("cannot read " + item.target.string());
            if (item.old) {
                makeWritable(item.target);
                std::error_code ec;
                item.madeOriginalCopy = !fs::exists(originalCopyPath(item.target), ec);
                keepOriginalCopy(item.target);
            }
            replaceFile(item.target, item.bytes);
            item.written = true;
        } catch (const WriteFailure& e) {
            rollback();
            return Failure{item.target, e.what()};
        }
    }
    return std::nullopt;
}

void ReplaceBatch::rollback()
{
    for (auto it = m_items.rbegin(); it != m_items.rend(); ++it) {
        std::error_code ec;
        if (it->madeOriginalCopy) {
            fs::remove(originalCopyPath(it->target), ec);
            it->madeOriginalCopy = false;
        }
        if (!it->written)
            continue;
        try {
            if (it->old) {
                replaceFile(it->target, *it->old);
            } else {
                fs::remove(it->target, ec);
            }
        } catch (const WriteFailure&) {
            // The new content stays; nothing better can be done on a failing disk.
        }
        it->written = false;
    }
}

} // namespace kvr
