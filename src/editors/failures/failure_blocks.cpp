// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/failures/failure_blocks.h"

#include "core/errors.h"
#include "core/codecs.h"
#include "core/positions.h"
#include "core/settings_record.h"
#include "core/number_text.h"
#include "editors/names/names_rules.h"

#include <algorithm>
#include <stdexcept>

namespace kvr {
namespace {

constexpr std::uint32_t kBlockBytes = failures::kSlots * 2;

void checkSlot(int slot)
{
    if (slot < 1 || slot > failures::kSlots)
        throw std::out_of_range("failure slot");
}

} // namespace

void readFailures(GameFile& exe, SettingsRecord& record, int version)
{
    const std::uint32_t at = positionOf(Row::Failures, version);
    enterBlock(exe, at, kBlockBytes);
    for (int slot = 1; slot <= failures::kSlots; ++slot)
        record.setWord(rec::failure(slot), kPlainWord.read(exe));
}

void writeFailures(GameFile& exe, const SettingsRecord& record, int version)
{
    const std::uint32_t at = positionOf(Row::Failures, version);
    enterBlock(exe, at, kBlockBytes);
    for (int slot = 1; slot <= failures::kSlots; ++slot)
        kPlainWord.write(exe, record.word(rec::failure(slot)));
}

std::uint16_t failureValue(const SettingsRecord& record, int slot)
{
    checkSlot(slot);
    return record.word(rec::failure(slot));
}

void setFailureValue(SettingsRecord& record, int slot, std::uint16_t value)
{
    checkSlot(slot);
    record.setWord(rec::failure(slot), value);
}

void editFailureValue(SettingsRecord& record, int team, std::string_view text)
{
    if (team < 1 || team > rec::kTeams)
        throw std::out_of_range("failure team");
    setFailureValue(record, team, std::uint16_t(typedInRange(text, kWordRange)));
}

void shiftFailureValues(SettingsRecord& record, int amount)
{
    for (int team : enabledTeams(record)) {
        const long long shifted =
            std::clamp<long long>(failureValue(record, team) + static_cast<long long>(amount), 0, failures::kSliderMaximum);
        setFailureValue(record, team, std::uint16_t(shifted));
    }
}

} // namespace kvr
