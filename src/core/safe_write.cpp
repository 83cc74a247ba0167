// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/safe_write.h"

#include "core/input_file.h"
#include "core/platform/native_file.h"
#include "core/tr_marker.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>

namespace kvr {
namespace fs = std::filesystem;
using platform::NativeFile;

namespace {

constexpr const char* kTempMark = ".kvrtmp-";
constexpr std::size_t kTempRandomChars = 6;
constexpr int kMaxLinks = 40;

std::function<void(WriteStep, const fs::path&)>& hook()
{
    static std::function<void(WriteStep, const fs::path&)> h;
    return h;
}

// The error with which the test seam fails this step of writing `file`, or 0.
int stepError(WriteStep s, const fs::path& file)
{
    if (!hook())
        return 0;
    try {
        hook()(s, file);
    } catch (const std::system_error& e) {
        return e.code().value();
    }
    return 0;
}

// The file a symlink chain ends at (which may not exist yet); other paths as given.
fs::path resolveLinks(const fs::path& target)
{
    fs::path p = target;
    for (int i = 0; i < kMaxLinks; ++i) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec)))
            return p;
        const fs::path next = fs::read_symlink(p, ec);
        if (ec)
            throw WriteFailure(WriteStep::Create, p, ec.value());
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    throw WriteFailure(WriteStep::Create, target, ELOOP);
}

// Runs one step of writing `file`: the test seam first, then the system call.
template <class Action>
void step(WriteStep s, const fs::path& file, Action&& action)
{
    int e = stepError(s, file);
    if (e == 0)
        e = action();
    if (e != 0)
        throw WriteFailure(s, file, e);
}

// Writes `data` into a new temp file beside `final`, flushed and closed. Every error
// leaves no temp file behind.
fs::path writeTempBeside(const fs::path& final, std::span<const std::uint8_t> data, const platform::Permissions& keep)
{
    const fs::path dir = final.parent_path();
    fs::path name = ".";
    name += final.filename();
    name += kTempMark;
    name += std::string(kTempRandomChars, 'X');
    fs::path tmp = (dir.empty() ? fs::path(".") : dir) / name;

    NativeFile file;
    step(WriteStep::Create, final, [&] { return file.createUnique(tmp); });
    try {
        step(WriteStep::Write, final, [&] { return file.writeAll(data); });
        file.give(keep);
        step(WriteStep::Flush, final, [&] {
            const int flushed = file.flushToDisk();
            return flushed != 0 ? flushed : file.close();
        });
    } catch (...) {
        file = NativeFile();
        platform::removeFile(tmp);
        throw;
    }
    return tmp;
}

enum class Finish { Replace, KeepExisting };

// Writes `data` beside `final` and moves it into place: over the old file, or only if
// nothing is there yet. Returns false when `final` already existed (KeepExisting).
bool writeBeside(const fs::path& final, std::span<const std::uint8_t> data, const platform::Permissions& keep,
                 Finish finish)
{
    const fs::path tmp = writeTempBeside(final, data, keep);
    bool placed = false;
    try {
        if (finish == Finish::Replace) {
            step(WriteStep::Rename, final, [&] { return platform::replaceWith(tmp, final); });
            placed = true;
        } else {
            step(WriteStep::Rename, final, [&] {
                const int moved = platform::moveWithoutReplacing(tmp, final);
                placed = moved == 0;
                return moved == EEXIST ? 0 : moved;
            });
        }
    } catch (...) {
        platform::removeFile(tmp);
        throw;
    }
    if (!placed)
        platform::removeFile(tmp);
    platform::flushFolder(final.parent_path());
    return placed;
}

Message stepReason(WriteStep step, int error)
{
    Marked action = KVR_TR_NOOP("Game files", "cannot write: %1");
    switch (step) {
    case WriteStep::Create:
        action = KVR_TR_NOOP("Game files", "cannot create a file in its folder: %1");
        break;
    case WriteStep::Write:
        action = KVR_TR_NOOP("Game files", "cannot write: %1");
        break;
    case WriteStep::Flush:
        action = KVR_TR_NOOP("Game files", "cannot flush to disk: %1");
        break;
    case WriteStep::Rename:
        action = KVR_TR_NOOP("Game files", "cannot put the new file in place: %1");
        break;
    }
    return fillIn(action, {std::strerror(error)});
}

} // namespace

WriteFailure::WriteFailure(WriteStep step, fs::path file, int error)
    : WriteFailure(fillIn(KVR_TR_NOOP("Game files", "%1: %2"), {file.string(), stepReason(step, error)}))
{
    m_step = step;
    m_file = std::move(file);
    m_error = error;
}

WriteFailure::WriteFailure(Message what) : std::runtime_error(what.english()), MessageCarrier(std::move(what)) {}

Message WriteFailure::reason() const { return m_file.empty() ? message() : stepReason(m_step, m_error); }


void setWriteStepHook(std::function<void(WriteStep)> h)
{
    if (!h) {
        hook() = nullptr;
        return;
    }
    hook() = [h = std::move(h)](WriteStep s, const fs::path&) { h(s); };
}

void setWriteFileHook(std::function<void(WriteStep, const fs::path&)> h) { hook() = std::move(h); }

fs::path originalCopyPath(const fs::path& target)
{
    fs::path p = target;
    p += ".orig";
    return p;
}

bool isTempFileName(const std::string& name)
{
    const std::string mark = kTempMark;
    if (name.size() < 1 + mark.size() + kTempRandomChars || name[0] != '.')
        return false;
    const std::size_t at = name.size() - kTempRandomChars - mark.size();
    return at >= 1 && name.compare(at, mark.size(), mark) == 0;
}

void removeStaleTempFiles(const fs::path& dir)
{
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code kindError;
        if (isTempFileName(it->path().filename().string()) && it->is_regular_file(kindError) &&
            !it->is_symlink(kindError))
            platform::removeFile(it->path());
    }
}

void replaceFile(const fs::path& target, std::span<const std::uint8_t> data)
{
    const fs::path real = resolveLinks(target);
    writeBeside(real, data, platform::permissionsOf(real), Finish::Replace);
}

StagedFile stageFile(const fs::path& target, std::span<const std::uint8_t> data)
{
    const fs::path real = resolveLinks(target);
    return {real, writeTempBeside(real, data, platform::permissionsOf(real))};
}

void placeStagedFile(const StagedFile& staged)
{
    step(WriteStep::Rename, staged.target, [&] { return platform::replaceWith(staged.temp, staged.target); });
}

void discardStagedFile(const StagedFile& staged) { platform::removeFile(staged.temp); }

void writeOutputFile(const fs::path& target, std::span<const std::uint8_t> data)
{
    if (platform::isRegularOrMissing(target)) {
        replaceFile(target, data);
        return;
    }
    NativeFile file;
    int error = stepError(WriteStep::Create, target);
    if (error == 0)
        error = file.openToWrite(target);
    if (error != 0)
        throw WriteFailure(WriteStep::Create, target, error);
    error = stepError(WriteStep::Write, target);
    if (error == 0)
        error = file.writeAll(data);
    if (error == 0)
        error = file.close();
    if (error != 0)
        throw WriteFailure(WriteStep::Write, target, error);
}

void keepOriginalCopy(const fs::path& target)
{
    const fs::path copy = originalCopyPath(target);
    std::error_code ec;
    if (fs::exists(fs::symlink_status(copy, ec)))
        return;
    std::vector<std::uint8_t> bytes;
    try {
        bytes = readInputFile(target, kMaxGameFileBytes);
    } catch (const InputFileError& e) {
        throw WriteFailure(
            fillIn(KVR_TR_NOOP("Game files", "cannot keep a copy of %1: %2"), {target.string(), messageOf(e)}));
    }
    writeBeside(copy, bytes, platform::permissionsOf(target), Finish::KeepExisting);
}

} // namespace kvr
