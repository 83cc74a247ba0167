// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/input_file.h"

#include "core/platform/native_file.h"
#include "core/tr_marker.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace kvr {

namespace {

std::string sizeText(std::uint64_t bytes)
{
    constexpr std::uint64_t kMiB = 1024 * 1024;
    if (bytes >= kMiB && bytes % kMiB == 0)
        return std::to_string(bytes / kMiB) + " MiB";
    return std::to_string(bytes) + " bytes";
}

} // namespace

std::vector<std::uint8_t> readInputFile(const std::filesystem::path& file, std::uint64_t limit, Longer longer)
{
    const std::string name = file.string();
    // Never blocks, so that opening a FIFO without a writer returns at once.
    platform::NativeFile in;
    if (const int error = in.openToRead(file); error != 0)
        throw InputFileError(fillIn(KVR_TR_NOOP("Messages", "Cannot open %1: %2"), {name, std::strerror(error)}), true);
    platform::FileKind kind;
    if (const int error = in.kind(kind); error != 0)
        throw InputFileError(fillIn(KVR_TR_NOOP("Messages", "Cannot open %1: %2"), {name, std::strerror(error)}), true);
    if (!kind.regular)
        throw InputFileError(
            fillIn(KVR_TR_NOOP("Messages", "Cannot read %1: it is %2, not a regular file"), {name, kind.otherKind}),
            false);
    const std::uint64_t size = kind.size;
    if (longer == Longer::Refuse && size > limit)
        throw InputFileError(
            fillIn(KVR_TR_NOOP("Messages", "Cannot read %1: it is larger than %2"), {name, sizeText(limit)}), false);

    // One byte past the limit shows a file that grew while we read it.
    const std::uint64_t want = longer == Longer::Refuse ? limit + 1 : limit;
    // Room for one byte more than the size, so that a file read whole ends in a short read
    // rather than in growing (and copying) a large buffer.
    std::vector<std::uint8_t> bytes;
    bytes.reserve(std::size_t(std::min(size + 1, want)));
    platform::adviseLargePages(bytes);
    bytes.resize(bytes.capacity());
    std::size_t got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got >= want)
                break;
            bytes.resize(std::size_t(std::min<std::uint64_t>(want, got + 65536)));
        }
        std::size_t n = 0;
        if (const int error = in.readSome(std::span(bytes).subspan(got), n); error != 0)
            throw InputFileError(fillIn(KVR_TR_NOOP("Messages", "Cannot read %1: %2"), {name, std::strerror(error)}),
                                 false);
        if (n == 0)
            break;
        got += n;
    }
    bytes.resize(got);
    if (longer == Longer::Refuse && got > limit)
        throw InputFileError(
            fillIn(KVR_TR_NOOP("Messages", "Cannot read %1: it is larger than %2"), {name, sizeText(limit)}), false);
    return bytes;
}

} // namespace kvr
