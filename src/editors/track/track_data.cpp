// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/track/track_data.h"

#include "core/checksum.h"
#include "core/errors.h"
#include "core/game_dir.h"
#include "core/game_file.h"
#include "core/positions.h"
#include "core/settings_record.h"
#include "core/number_text.h"

#include <cstdio>
#include <stdexcept>

namespace kvr {
namespace fs = std::filesystem;

namespace {

using track::kSetupStep;
using track::kTrackOpenStep;
using track::kTyreTableSeekStep;
using track::kTyreTableStep;
constexpr std::uint32_t kTyreTableBytes = rec::kTracks * 2;
constexpr std::size_t kNameCount = rec::kTracks;

void checkTrack(int track)
{
    if (track < 0 || track >= rec::kTracks)
        throw std::out_of_range("track index");
}

std::uint32_t tyreTable(const GameFile& exe, int version)
{
    const std::uint32_t at = positionOf(Row::TrackDataWords, version);
    if (at > exe.size())
        throw FileAccessError(
            track::errorText(kTyreTableSeekStep),
            fillIn(KVR_TR_NOOP("Game files", "%1: the tyre table lies beyond the end"), {exe.path().string()}));
    if (std::uint64_t(at) + kTyreTableBytes > exe.size())
        throw FileAccessError(
            track::errorText(kTyreTableStep),
            fillIn(KVR_TR_NOOP("Game files", "%1: the tyre table runs past the end"), {exe.path().string()}));
    return at;
}

bool overlaps(std::uint32_t from, std::uint32_t count, std::uint32_t otherFrom, std::uint32_t otherCount)
{
    return from < otherFrom + otherCount && otherFrom < from + count;
}

struct OpenTrack {
    GameFile* file;
    std::uint32_t setup = 0;
};

// Finds a track file's setup, which must lie where writing it cannot break the file.
OpenTrack findSetup(GameFile& file)
{
    file.setErrorText(track::errorText(kTrackOpenStep));
    file.seek(track::kSetupWordPosition);
    const std::uint32_t setup = trackSetupPosition(file.readWord());
    file.seek(setup);
    file.setErrorText(track::errorText(kSetupStep));
    if (const auto problem = trackSetupProblem(setup, file.size()))
        throw FileAccessError(file.errorText(),
                              fillIn(KVR_TR_NOOP("Game files", "%1: %2"), {file.path().string(), *problem}));
    return {&file, setup};
}

std::vector<OpenTrack> findSetups(std::span<GameFile> tracks)
{
    if (tracks.size() != std::size_t(rec::kTracks))
        throw std::invalid_argument("the track data needs the 16 track files");
    std::vector<OpenTrack> found;
    for (GameFile& file : tracks)
        found.push_back(findSetup(file));
    return found;
}

TrackSetup readTrackFile(OpenTrack& t)
{
    TrackSetup s;
    GameFile& f = *t.file;
    f.seek(t.setup);
    s.frontWing = std::uint8_t(f.readByte() - track::kSetupBias);
    s.rearWing = std::uint8_t(f.readByte() - track::kSetupBias);
    for (std::uint8_t& gear : s.gears)
        gear = std::uint8_t(f.readByte() - track::kSetupBias);
    s.tyreType = std::uint8_t(f.readByte() - track::kTyreBias);
    f.seek(t.setup + track::kFuelOffset);
    s.fuelConsumption = f.readWord();
    return s;
}

void writeTrackFile(OpenTrack& t, const TrackSetup& s)
{
    GameFile& f = *t.file;
    f.seek(t.setup);
    f.writeByte(std::uint8_t(s.frontWing + track::kSetupBias));
    f.writeByte(std::uint8_t(s.rearWing + track::kSetupBias));
    for (std::uint8_t gear : s.gears)
        f.writeByte(std::uint8_t(gear + track::kSetupBias));
    f.writeByte(std::uint8_t(s.tyreType + track::kTyreBias));
    f.seek(t.setup + track::kFuelOffset);
    f.writeWord(s.fuelConsumption);
}

} // namespace

Message track::errorText(int step)
{
    // Whole texts, as the game's own: each is the system's text for its step.
    static constexpr Marked kTexts[] = {
        KVR_TR_NOOP("Game files", "0) File access error! "), KVR_TR_NOOP("Game files", "1) File access error! "),
        KVR_TR_NOOP("Game files", "2) File access error! "), KVR_TR_NOOP("Game files", "3) File access error! ")};
    if (step >= 0 && step < int(std::size(kTexts)))
        return kTexts[step];
    return Message(std::to_string(step) + ") File access error! ");
}

std::string trackFileName(int track)
{
    checkTrack(track);
    char name[32];
    std::snprintf(name, sizeof name, "F1CT%02d.DAT", track + 1);
    return name;
}

fs::path trackFilePath(const fs::path& gameDir, int track)
{
    return findInDir(gameDir, "CIRCUITS/" + trackFileName(track));
}

std::uint16_t trackSetupPosition(std::uint16_t word) { return std::uint16_t(word + track::kSetupWordOffset); }

std::optional<std::string> trackSetupProblem(std::uint32_t setup, std::uint64_t size)
{
    const std::uint32_t setupCount = track::kTyreOffset + 1;
    const std::uint32_t fuel = setup + track::kFuelOffset;
    const std::uint64_t usable = size > kChecksumSize ? size - kChecksumSize : 0;
    if (std::uint64_t(setup) + setupCount > usable || std::uint64_t(fuel) + 2 > usable)
        return std::string(KVR_TR_NOOP("Game files", "the setup values run into the checksum or past the end"));
    if (overlaps(setup, setupCount, track::kSetupWordPosition, 2) || overlaps(fuel, 2, track::kSetupWordPosition, 2))
        return std::string(KVR_TR_NOOP("Game files", "the setup values overlap the setup position word"));
    return std::nullopt;
}

bool holdsTrackData(const SettingsRecord& record)
{
    for (int t = 0; t < rec::kTracks; ++t)
        if (trackSetup(record, t) != TrackSetup{})
            return true;
    return false;
}

TrackSetup trackSetup(const SettingsRecord& record, int track)
{
    checkTrack(track);
    TrackSetup s;
    s.frontWing = record.byte(rec::trackData(track, track::kFrontWing));
    s.rearWing = record.byte(rec::trackData(track, track::kRearWing));
    for (int g = 0; g < track::kGears; ++g)
        s.gears[std::size_t(g)] = record.byte(rec::trackData(track, track::kFirstGear + g));
    s.tyreType = record.byte(rec::trackData(track, track::kTyreType));
    s.fuelConsumption = record.word(rec::trackData(track, track::kFuelConsumption));
    s.tyreConsumption = record.word(rec::trackData(track, track::kTyreConsumption));
    return s;
}

void setTrackSetup(SettingsRecord& record, int track, const TrackSetup& s)
{
    checkTrack(track);
    record.setByte(rec::trackData(track, track::kFrontWing), s.frontWing);
    record.setByte(rec::trackData(track, track::kRearWing), s.rearWing);
    for (int g = 0; g < track::kGears; ++g)
        record.setByte(rec::trackData(track, track::kFirstGear + g), s.gears[std::size_t(g)]);
    record.setByte(rec::trackData(track, track::kTyreType), s.tyreType);
    record.setWord(rec::trackData(track, track::kFuelConsumption), s.fuelConsumption);
    record.setWord(rec::trackData(track, track::kTyreConsumption), s.tyreConsumption);
}

std::vector<GameFile> openTrackFiles(const fs::path& gameDir)
{
    std::vector<GameFile> files;
    for (int t = 0; t < rec::kTracks; ++t)
        files.push_back(GameFile::open(trackFilePath(gameDir, t), track::errorText(kTrackOpenStep)));
    return files;
}

void readTrackData(GameFile& exe, const fs::path& gameDir, SettingsRecord& record, int version)
{
    std::vector<GameFile> files = openTrackFiles(gameDir);
    readTrackData(exe, files, record, version);
}

void readTrackData(GameFile& exe, std::span<GameFile> tracks, SettingsRecord& record, int version)
{
    std::array<TrackSetup, rec::kTracks> setups;
    exe.seek(tyreTable(exe, version));
    for (TrackSetup& s : setups)
        s.tyreConsumption = exe.readWord();
    std::vector<OpenTrack> files = findSetups(tracks);
    for (int t = 0; t < rec::kTracks; ++t) {
        const std::uint16_t tyreConsumption = setups[std::size_t(t)].tyreConsumption;
        setups[std::size_t(t)] = readTrackFile(files[std::size_t(t)]);
        setups[std::size_t(t)].tyreConsumption = tyreConsumption;
    }
    for (int t = 0; t < rec::kTracks; ++t)
        setTrackSetup(record, t, setups[std::size_t(t)]);
}

void writeTrackData(GameFile& exe, std::span<GameFile> tracks, const SettingsRecord& record, int version)
{
    const std::uint32_t table = tyreTable(exe, version);
    std::vector<OpenTrack> files = findSetups(tracks);

    // Nothing can fail from here on.
    exe.seek(table);
    for (int t = 0; t < rec::kTracks; ++t)
        exe.writeWord(trackSetup(record, t).tyreConsumption);
    for (int t = 0; t < rec::kTracks; ++t) {
        OpenTrack& file = files[std::size_t(t)];
        writeTrackFile(file, trackSetup(record, t));
        file.file->updateChecksum();
    }
}

std::vector<std::string> readTrackNames(GameFile& exe, int version)
{
    std::vector<std::string> names;
    exe.seek(positionOf(Row::TrackEditorBlock, version));
    while (names.size() < kNameCount) {
        std::string name;
        for (std::uint8_t c = exe.readByte(); c != 0; c = exe.readByte())
            name.push_back(char(c));
        names.push_back(std::move(name));
    }
    return names;
}

std::uint8_t trackByteFromText(std::string_view text, std::uint8_t previous)
{
    const std::optional<std::int64_t> value = parseWholeNumber(text);
    return value ? std::uint8_t(clampedToRange(*value, kByteRange)) : previous;
}

std::uint16_t trackWordFromText(std::string_view text, std::uint16_t previous)
{
    const std::optional<std::int64_t> value = parseWholeNumber(text);
    return value ? std::uint16_t(clampedToRange(*value, kWordRange)) : previous;
}

int tyreComboIndex(std::uint8_t tyreType) { return tyreType < track::kTyreTypes ? int(tyreType) : -1; }

} // namespace kvr
