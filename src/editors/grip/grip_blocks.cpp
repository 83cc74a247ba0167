#include "editors/grip/grip_blocks.h"

#include "core/game_file.h"
#include "core/positions.h"
#include "core/settings_record.h"

namespace kvr {

void readGrip(GameFile& exe, SettingsRecord& record, int version)
{
    const std::uint32_t at = positionOf(Row::Grip, version);
    exe.require(at, grip::kBlockSize);
    exe.seek(at);
    for (int car = 1; car <= rec::kDrivers; ++car) {
        record.setWord(rec::gripQualifying(car), gripFromStored(exe.readWord()));
        record.setWord(rec::gripRace(car), gripFromStored(exe.readWord()));
    }
}

void writeGrip(GameFile& exe, const SettingsRecord& record, int version)
{
    const std::uint32_t at = positionOf(Row::Grip, version);
    exe.require(at, grip::kBlockSize);
    exe.seek(at);
    for (int car = 1; car <= rec::kDrivers; ++car) {
        exe.writeWord(gripToStored(record.word(rec::gripQualifying(car))));
        exe.writeWord(gripToStored(record.word(rec::gripRace(car))));
    }
}

void readGripRange(GameFile& exe, SettingsRecord& record, int version)
{
    const std::uint32_t at = positionOf(Row::GripRange, version);
    exe.require(at, grip::kBlockSize);
    exe.seek(at);
    for (int car = 1; car <= rec::kDrivers; ++car) {
        record.setWord(rec::gripRange(car), exe.readWord());
        exe.skip(grip::kRangeGap);
    }
}

void writeGripRange(GameFile& exe, const SettingsRecord& record, int version)
{
    const std::uint32_t at = positionOf(Row::GripRange, version);
    exe.require(at, grip::kBlockSize);
    exe.seek(at);
    for (int car = 1; car <= rec::kDrivers; ++car) {
        exe.writeWord(record.word(rec::gripRange(car)));
        exe.skip(grip::kRangeGap);
    }
}

} // namespace kvr
