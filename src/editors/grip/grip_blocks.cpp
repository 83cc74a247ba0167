// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/grip/grip_blocks.h"

#include "core/positions.h"
#include "core/settings_record.h"

namespace kvr {

void readGrip(GameFile& exe, SettingsRecord& record, int version)
{
    const std::uint32_t at = positionOf(Row::Grip, version);
    enterBlock(exe, at, grip::kBlockSize);
    for (int car = 1; car <= rec::kDrivers; ++car) {
        record.setWord(rec::gripQualifying(car), grip::kWord.read(exe));
        record.setWord(rec::gripRace(car), grip::kWord.read(exe));
    }
}

void writeGrip(GameFile& exe, const SettingsRecord& record, int version)
{
    const std::uint32_t at = positionOf(Row::Grip, version);
    enterBlock(exe, at, grip::kBlockSize);
    for (int car = 1; car <= rec::kDrivers; ++car) {
        grip::kWord.write(exe, record.word(rec::gripQualifying(car)));
        grip::kWord.write(exe, record.word(rec::gripRace(car)));
    }
}

void readGripRange(GameFile& exe, SettingsRecord& record, int version)
{
    const std::uint32_t at = positionOf(Row::GripRange, version);
    enterBlock(exe, at, grip::kBlockSize);
    for (int car = 1; car <= rec::kDrivers; ++car) {
        record.setWord(rec::gripRange(car), exe.readWord());
        exe.skip(grip::kRangeGap);
    }
}

void writeGripRange(GameFile& exe, const SettingsRecord& record, int version)
{
    const std::uint32_t at = positionOf(Row::GripRange, version);
    enterBlock(exe, at, grip::kBlockSize);
    for (int car = 1; car <= rec::kDrivers; ++car) {
        exe.writeWord(record.word(rec::gripRange(car)));
        exe.skip(grip::kRangeGap);
    }
}

} // namespace kvr
