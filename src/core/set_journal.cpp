// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/set_journal.h"

#include "core/errors.h"
#include "core/game_dir.h"
#include "core/input_file.h"
#include "core/platform/native_file.h"
#include "core/safe_write.h"

#include <cstdio>
#include <span>
#include <sstream>
#include <string>
#include <string_view>

namespace kvr {
namespace fs = std::filesystem;

namespace {

constexpr const char* kHeading = "kvrdesk file set 1";
constexpr std::uint64_t kMaxJournalBytes = 1 << 20;

// Names may hold any byte but the two that separate fields and lines.
std::string escaped(const fs::path& p)
{
    const std::u8string text = p.generic_u8string();
    std::string out;
    for (const char8_t c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '%' || byte < 0x20 || byte == 0x7F) {
            char code[4];
            std::snprintf(code, sizeof code, "%%%02X", byte);
            out += code;
        } else {
            out += char(byte);
        }
    }
    return out;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<fs::path> unescaped(const std::string& text)
{
    std::u8string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += char8_t(text[i]);
            continue;
        }
        if (i + 2 >= text.size() || hexDigit(text[i + 1]) < 0 || hexDigit(text[i + 2]) < 0)
            return std::nullopt;
        out += char8_t(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
        i += 2;
    }
    return fs::path(out);
}

fs::path absoluteOf(const fs::path& p)
{
    std::error_code ec;
    const fs::path a = fs::absolute(p, ec);
    return (ec ? p : a).lexically_normal();
}

// `target` as the note keeps it: relative to the folder when inside it.
fs::path keptName(const fs::path& folder, const fs::path& target)
{
    const fs::path relative = absoluteOf(target).lexically_relative(absoluteOf(folder));
    if (relative.empty() || *relative.begin() == "..")
        return absoluteOf(target);
    return relative;
}

// Whether `temp` is the kind of file stageFile() writes for `target`.
bool isTempOf(const fs::path& temp, const fs::path& target)
{
    const std::string name = temp.filename().string();
    const std::string start = "." + target.filename().string() + ".kvrtmp-";
    return temp.parent_path() == target.parent_path() && isTempFileName(name) && name.size() == start.size() + 6 &&
           name.compare(0, start.size(), start) == 0;
}

bool endsWithNoCase(std::string_view s, std::string_view end)
{
    return s.size() > end.size() && asciiEqualNoCase(s.substr(s.size() - end.size()), end);
}

// The names a set of files writes, in the game folder ("") and the folders in it. Never
// a backup, the lock, the journal or a temp file: none of them is ever renamed into place.
bool isSetFileName(std::string_view folder, std::string_view name)
{
    // The game's list of mods changes with the game's files, in the folder of its own.
    if (folder == kGameModsFolder)
        return name == kGameModListFile;
    if (name.empty() || name[0] == '.')
        return false;
    if (folder.empty())
        return asciiEqualNoCase(name, "KVR.EXE") || asciiEqualNoCase(name, "F1GSTATE.SAV");
    if (asciiEqualNoCase(folder, "CIRCUITS")) {
        for (int t = 1; t <= 16; ++t) {
            char track[16];
            std::snprintf(track, sizeof track, "F1CT%02d.DAT", t);
            if (asciiEqualNoCase(name, track))
                return true;
        }
        return false;
    }
    if (asciiEqualNoCase(folder, "BITMAPS"))
        return asciiEqualNoCase(name, "CPITHI.PCX") || asciiEqualNoCase(name, "CPITLOW.PCX");
    return asciiEqualNoCase(folder, "GAMEJAMS") && endsWithNoCase(name, ".JAM");
}

// Why the journal of `folder` may not name `kept` (as the journal keeps it): a note left
// in a game folder must not make the next writer rename files anywhere else.
std::optional<Message> notAGameFile(const fs::path& given, const fs::path& kept)
{
    const fs::path folder = given.empty() ? fs::path(".") : given;
    const std::string shown = (kept.has_root_path() ? kept : folder / kept).string();
    if (kept.has_root_path())
        return fillIn(KVR_TR_NOOP("Game files", "names a file outside the game folder: %1"), {shown});
    std::vector<std::string> parts;
    for (const fs::path& part : kept) {
        if (part == "..")
            return fillIn(KVR_TR_NOOP("Game files", "names a file outside the game folder: %1"), {shown});
        parts.push_back(part.string());
    }
    const bool named =
        (parts.size() == 1 && isSetFileName("", parts[0])) || (parts.size() == 2 && isSetFileName(parts[0], parts[1]));
    if (!named)
        return fillIn(KVR_TR_NOOP("Game files", "names a file that no change of the game writes: %1"), {shown});
    std::error_code ec;
    if (parts.size() == 2 && fs::is_symlink(fs::symlink_status(folder / parts[0], ec))) {
        std::error_code linkError;
        const fs::path real = fs::canonical(folder / parts[0], ec);
        if (ec || real.parent_path() != fs::canonical(folder, linkError) || linkError)
            return fillIn(KVR_TR_NOOP("Game files", "names a file through a link out of the game folder: %1"), {shown});
    }
    if (fs::is_symlink(fs::symlink_status(folder / kept, ec)))
        return fillIn(KVR_TR_NOOP("Game files", "names a link, not a file: %1"), {shown});
    return std::nullopt;
}

[[noreturn]] void damaged(const fs::path& folder, const Message& why)
{
    throw GeneralError(fillIn(
        KVR_TR_NOOP("Game files",
                    "Cannot finish the last change of the game: %1 %2. Look at the game's files, then remove it."),
        {journalPath(folder).string(), why}));
}

} // namespace

fs::path journalPath(const fs::path& folder) { return (folder.empty() ? fs::path(".") : folder) / kJournalFileName; }

void writeJournal(const fs::path& folder, const std::vector<JournalEntry>& entries)
{
    std::string text = std::string(kHeading) + "\n";
    for (const JournalEntry& e : entries) {
        const fs::path kept = keptName(folder, e.target);
        // What the next writer would refuse to finish is never begun.
        if (notAGameFile(folder, kept))
            throw WriteFailure(
                fillIn(KVR_TR_NOOP("Game files", "%1 cannot be replaced together with other files of "
                                                 "the game: files that change together must be the "
                                                 "game's own, in %2 (is it a link to "
                                                 "elsewhere?)"),
                       {absoluteOf(e.target).string(), (folder.empty() ? fs::path(".") : folder).string()}));
        text += escaped(kept) + "\t" + escaped(e.temp.filename()) + "\n";
    }
    text += "end " + std::to_string(entries.size()) + "\n";
    replaceFile(journalPath(folder), std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

std::optional<std::vector<JournalEntry>> readJournal(const fs::path& folder)
{
    const fs::path file = journalPath(folder);
    std::error_code ec;
    if (fs::symlink_status(file, ec).type() == fs::file_type::not_found)
        return std::nullopt;
    std::vector<std::uint8_t> bytes;
    try {
        bytes = readInputFile(file, kMaxJournalBytes);
    } catch (const InputFileError& e) {
        damaged(folder, fillIn(KVR_TR_NOOP("Game files", "cannot be read: %1"), {messageOf(e)}));
    }
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    std::string line;
    if (!std::getline(in, line) || line != kHeading)
        damaged(folder, KVR_TR_NOOP("Game files", "is not a note of this program"));
    std::vector<JournalEntry> entries;
    while (std::getline(in, line)) {
        if (line.starts_with("end ")) {
            if (line != "end " + std::to_string(entries.size()) || in.peek() != std::char_traits<char>::eof())
                damaged(folder, KVR_TR_NOOP("Game files", "is damaged"));
            return entries;
        }
        const std::size_t tab = line.find('\t');
        const auto target = unescaped(line.substr(0, tab));
        const auto temp = tab == std::string::npos ? std::nullopt : unescaped(line.substr(tab + 1));
        if (!target || !temp || target->empty() || temp->has_parent_path())
            damaged(folder, KVR_TR_NOOP("Game files", "is damaged"));
        if (const auto why = notAGameFile(folder, *target))
            damaged(folder, *why);
        JournalEntry e;
        e.target = folder / *target;
        e.temp = e.target.parent_path() / *temp;
        if (!isTempOf(e.temp, e.target))
            damaged(folder, fillIn(KVR_TR_NOOP("Game files", "names a file that is not one of its own: %1"),
                                   {e.temp.string()}));
        entries.push_back(std::move(e));
    }
    damaged(folder, KVR_TR_NOOP("Game files", "is cut short"));
}

void removeJournal(const fs::path& folder)
{
    platform::removeFile(journalPath(folder));
    platform::flushFolder(folder.empty() ? fs::path(".") : folder);
}

} // namespace kvr
