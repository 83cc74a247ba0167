// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/noses/nose_blocks.h"

#include "core/positions.h"
#include "core/settings_record.h"

namespace kvr {
namespace noses {

std::uint32_t tableA(int version) { return positionOf(Row::Noses, version); }
std::uint32_t tableB(int version) { return tableA(version) + kTableBOffset; }

} // namespace noses

namespace {

std::uint32_t recordStart(std::uint32_t table, int team) { return table + std::uint32_t(team - 1) * noses::kRecordSize; }

// Only the first byte of the last record is needed: the file may end right after it.
std::uint32_t usedSpan() { return std::uint32_t(rec::kTeams - 1) * noses::kRecordSize + 1; }

} // namespace

void readNoses(GameFile& exe, SettingsRecord& record, int version)
{
    const std::uint32_t table = noses::tableB(version);
    exe.require(table, usedSpan());
    for (int team = 1; team <= rec::kTeams; ++team) {
        exe.seek(recordStart(table, team));
        record.setByte(rec::nose(team), flagByte(noses::kTableB.read(exe)));
    }
}

void writeNoses(GameFile& exe, const SettingsRecord& record, int version)
{
    const std::uint32_t a = noses::tableA(version);
    const std::uint32_t b = noses::tableB(version);
    exe.require(a, usedSpan());
    exe.require(b, usedSpan());
    for (int team = 1; team <= rec::kTeams; ++team) {
        exe.seek(recordStart(a, team));
        noses::kTableA.write(exe, noseRaised(record, team));
    }
    for (int team = 1; team <= rec::kTeams; ++team) {
        exe.seek(recordStart(b, team));
        noses::kTableB.write(exe, noseRaised(record, team));
    }
}

bool noseRaised(const SettingsRecord& record, int team) { return record.byte(rec::nose(team)) != 0; }

void setNoseRaised(SettingsRecord& record, int team, bool raised) { record.setByte(rec::nose(team), flagByte(raised)); }

} // namespace kvr
