// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/pitline/pit_line_blocks.h"

#include "core/codecs.h"
#include "core/positions.h"
#include "core/settings_record.h"

#include <algorithm>
#include <utility>

namespace kvr {
namespace {

// Speed conversion constants of the game's own display.
constexpr std::uint32_t kSpeedScale = 4736;
constexpr std::uint32_t kSpeedScaleDivisor = 16384;
constexpr std::uint32_t kKphFactor = 1123;
constexpr std::uint32_t kMphFactor = 698;
constexpr std::uint32_t kSpeedDivisor = 65536;

} // namespace

void readPitOrder(GameFile& exe, SettingsRecord& record, int version)
{
    const std::uint32_t at = positionOf(Row::PitOrder, version);
    enterBlock(exe, at, pitline::kPositions);
    for (int p = 1; p <= pitline::kPositions; ++p)
        record.setByte(rec::pitOrder(p), exe.readByte());
}

void writePitOrder(GameFile& exe, const SettingsRecord& record, int version)
{
    const std::uint32_t at = positionOf(Row::PitOrder, version);
    enterBlock(exe, at, pitline::kPositions);
    for (int p = 1; p <= pitline::kPositions; ++p)
        exe.writeByte(record.byte(rec::pitOrder(p)));
}

void readPitCheck(GameFile& exe, SettingsRecord& record, int version)
{
    const std::uint32_t at = positionOf(Row::PitSpeedCheck, version);
    enterBlock(exe, at, 1);
    setPitSpeedChecked(record, pitline::kCheck.read(exe));
}

void writePitCheck(GameFile& exe, const SettingsRecord& record, int version)
{
    const std::uint32_t at = positionOf(Row::PitSpeedCheck, version);
    enterBlock(exe, at, 1);
    pitline::kCheck.write(exe, pitSpeedChecked(record));
}

void readPitSpeed(GameFile& exe, SettingsRecord& record, int version)
{
    const std::uint32_t at = positionOf(Row::PitSpeedLimit, version);
    enterBlock(exe, at, 2);
    record.setWord(rec::kPitSpeedLimit, kPlainWord.read(exe));
}

void writePitSpeed(GameFile& exe, const SettingsRecord& record, int version)
{
    const std::uint32_t at = positionOf(Row::PitSpeedLimit, version);
    enterBlock(exe, at, 2);
    kPlainWord.write(exe, record.word(rec::kPitSpeedLimit));
}

PitSpeed pitSpeedToKphMph(std::uint16_t stored)
{
    const std::uint32_t a = std::uint32_t(stored) * kSpeedScale / kSpeedScaleDivisor;
    return {int(a * kKphFactor / kSpeedDivisor), int(a * kMphFactor / kSpeedDivisor)};
}

int pitSpeedBarPosition(std::uint16_t stored) { return stored / 2; }

std::uint16_t pitSpeedFromBar(int position)
{
    return std::uint16_t(2 * std::clamp(position, 0, pitline::kBarMaximum));
}

bool pitSpeedChecked(const SettingsRecord& record) { return record.byte(rec::kPitSpeedCheck) != 0; }

void setPitSpeedChecked(SettingsRecord& record, bool on) { record.setByte(rec::kPitSpeedCheck, on ? 1 : 0); }

std::vector<PitLineEntry> pitLineEntries(const SettingsRecord& record)
{
    std::vector<PitLineEntry> entries;
    for (int p = 1; p <= pitline::kPositions; ++p) {
        const int team = record.byte(rec::pitOrder(p));
        // A team number outside 1..14 has no enabled flag and is not listed.
        if (team >= 1 && team <= rec::kTeams && record.byte(rec::teamEnabled(team)) != 0)
            entries.push_back({p, team});
    }
    return entries;
}

bool dropPitLine(SettingsRecord& record, int dragged, int target)
{
    const std::vector<PitLineEntry> entries = pitLineEntries(record);
    const int lines = int(entries.size());
    if (dragged < 0 || target < 0 || dragged >= lines || target >= lines || dragged == target)
        return false;
    const std::size_t from = rec::pitOrder(entries[std::size_t(dragged)].position);
    const std::size_t to = rec::pitOrder(entries[std::size_t(target)].position);
    const std::uint8_t team = record.byte(from);
    record.setByte(from, record.byte(to));
    record.setByte(to, team);
    return true;
}

} // namespace kvr
