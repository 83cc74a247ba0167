// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/tuning/patch_list.h"

#include "core/errors.h"
#include "core/input_file.h"
#include "core/safe_write.h"


namespace kvr {

namespace {
// The shipped list holds a handful of records; a megabyte is far beyond any real one.
constexpr std::uint64_t kMaxPatchListBytes = 1024 * 1024;
} // namespace

std::vector<PatchRecord> readPatchList(const std::filesystem::path& file)
{
    std::vector<std::uint8_t> bytes;
    try {
        bytes = readInputFile(file, kMaxPatchListBytes);
    } catch (const InputFileError& e) {
        if (e.cannotOpen())
            throw GeneralError(fillIn(KVR_TR_NOOP("Messages", "File not found: %1"), {file.string()}));
        throw;
    }
    if (bytes.empty() || bytes.size() % kPatchRecordSize != 0)
        throw GeneralError(
            fillIn(KVR_TR_NOOP("Game files", "The patch list %1 is damaged: it must hold whole records of %2 bytes."),
                   {file.string(), std::to_string(kPatchRecordSize)}));
    std::vector<PatchRecord> records;
    for (std::size_t i = 0; i < bytes.size(); i += kPatchRecordSize) {
        PatchRecord r;
        r.position = std::int32_t(std::uint32_t(bytes[i]) | std::uint32_t(bytes[i + 1]) << 8 |
                                  std::uint32_t(bytes[i + 2]) << 16 | std::uint32_t(bytes[i + 3]) << 24);
        r.offValue = bytes[i + 4];
        r.onValue = bytes[i + 5];
        records.push_back(r);
    }
    return records;
}

void writePatchList(const std::filesystem::path& file, const std::vector<PatchRecord>& records)
{
    std::vector<std::uint8_t> bytes;
    for (const PatchRecord& r : records) {
        const auto p = std::uint32_t(r.position);
        bytes.insert(bytes.end(), {std::uint8_t(p), std::uint8_t(p >> 8), std::uint8_t(p >> 16),
                                   std::uint8_t(p >> 24), r.offValue, r.onValue});
    }
    try {
        replaceFile(file, bytes);
    } catch (const WriteFailure& e) {
        throw GeneralError(messageOf(e));
    }
}

std::vector<PatchRecord> defaultPatchList()
{
    // A conditional jump and the two compares that feed it, in the lap timing code.
    return {
        {0x0A5C40, 0x75, 0xEB},
        {0x0A5C52, 0x7C, 0xEB},
        {0x0A5D0E, 0x74, 0x90},
    };
}

} // namespace kvr
