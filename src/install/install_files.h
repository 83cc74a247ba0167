#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kvr {

using Bytes = std::vector<std::uint8_t>;

// Free bytes on the drive that holds `dir`, or nothing when it cannot be found.
std::optional<std::uintmax_t> freeSpaceOf(const std::filesystem::path& dir);
using FreeSpaceProbe = std::function<std::optional<std::uintmax_t>(const std::filesystem::path&)>;

// The installers copy only with more than this free on the game's drive.
inline constexpr std::uintmax_t kInstallFreeSpace = 50000;
bool enoughSpaceToInstall(const std::filesystem::path& gameDir, const FreeSpaceProbe& probe);
extern const char* const kNotEnoughSpace;

// A source file of an installation, read whole; nothing when it is missing, cannot be
// read, or is empty.
std::optional<Bytes> readSourceFile(const std::filesystem::path& file);

// `text` with a second line that says which file it is about.
std::string withFile(const std::string& text, const std::filesystem::path& file);

// Files an installation replaces together. Each is written whole (a copy beside it,
// renamed over it), made writable first, and keeps a pristine ".orig" once. When one
// cannot be written, those written before it get their old bytes back, so the batch
// changes all of its files or none.
class ReplaceBatch {
public:
    struct Failure {
        std::filesystem::path file;
        std::string why;
    };

    // Remembers the target's present content for putting it back.
    void add(const std::filesystem::path& target, Bytes bytes);

    // Writes the files in the order added; a file that already holds its new bytes is
    // left alone. Nothing when all went well.
    std::optional<Failure> commit();

    // Puts back what commit() wrote, for when a later step of the installation fails.
    void rollback();

    std::size_t size() const { return m_items.size(); }

private:
    struct Item {
        std::filesystem::path target;
        Bytes bytes;
        std::optional<Bytes> old; // nothing when the file did not exist
        bool unreadable = false;
        bool written = false;
        bool madeOriginalCopy = false;
    };
    std::vector<Item> m_items;
};

} // namespace kvr
