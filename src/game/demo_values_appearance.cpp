// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/demo_values.h"

#include "core/checksum.h"
#include "core/settings_record.h"
#include "editors/cameras/camera_blocks.h"
#include "editors/failures/failure_blocks.h"
#include "editors/noses/nose_blocks.h"
#include "editors/pitline/pit_line_blocks.h"
#include "editors/track/track_data.h"

#include <array>
#include <stdexcept>

namespace kvr {
namespace {

// A made-up track's computer car setup; the demo track files carry the same values.
TrackSetup demoTrackSetup(int track)
{
    TrackSetup s;
    s.frontWing = std::uint8_t(8 + (track * 7) % 20);
    s.rearWing = std::uint8_t(6 + (track * 5) % 18);
    const int firstGear = 24 + track % 5;
    for (int g = 0; g < track::kGears; ++g)
        s.gears[std::size_t(g)] = std::uint8_t(firstGear + g * 11 + (track * g) % 4);
    s.tyreType = std::uint8_t(track % track::kTyreTypes);
    s.fuelConsumption = std::uint16_t(2400 + track * 37);
    s.tyreConsumption = std::uint16_t(900 + track * 23);
    return s;
}

constexpr std::array<std::uint8_t, pitline::kPositions> kDemoPitOrder = {5, 2, 9, 1, 12, 7, 3, 14, 6, 10, 4, 13, 8, 11};
constexpr std::uint16_t kDemoPitSpeed = 16384;  // 81 kph

// Base colours that keep every run on the swatch grid (11..230).
constexpr int kFirstSwatch = 11;
constexpr int kSwatchSpan = 200;

constexpr std::uint32_t kDemoTrackSize = 0x2400;
constexpr std::uint32_t kDemoSetupPosition = 0x1C00;

} // namespace

void fillDemoAppearance(SettingsRecord& record)
{
    for (int team = 1; team <= rec::kTeams; ++team)
        setNoseRaised(record, team, team % 3 != 0);

    for (int p = 1; p <= pitline::kPositions; ++p)
        record.setByte(rec::pitOrder(p), kDemoPitOrder[std::size_t(p - 1)]);
    setPitSpeedChecked(record, true);
    record.setWord(rec::kPitSpeedLimit, kDemoPitSpeed);

    for (int r = 0; r < rec::kCameraRecords; ++r) {
        record.setWord(rec::camera(r, cameras::DistanceX), std::uint16_t(r % 2 == 0 ? 0 : -60));
        record.setWord(rec::camera(r, cameras::Height), std::uint16_t(180 + r * 12));
        record.setWord(rec::camera(r, cameras::DistanceY), std::uint16_t(-400 + r * 85));
        record.setWord(rec::camera(r, cameras::AngleX), cameraAngleWord(0.0));
        record.setWord(rec::camera(r, cameras::AngleZ), cameraAngleWord(-4.0 + r));
        record.setWord(rec::camera(r, cameras::AngleY), cameraAngleWord(r % 3 == 0 ? 0.0 : 180.0 - r * 2));
        record.setWord(rec::camera(r, cameras::Tuning1), std::uint16_t(0x4000 + r * 0x100));
        record.setWord(rec::camera(r, cameras::Tuning2), std::uint16_t(0x0800 + r));
    }

    for (int slot = 1; slot <= failures::kSlots; ++slot)
        setFailureValue(record, slot, slot <= rec::kTeams ? std::uint16_t(250 + slot * 45) : 0);

    for (int slot = 1; slot <= rec::kTeamSlots; ++slot) {
        record.setByte(rec::cockpitColour(slot, 0), std::uint8_t(kFirstSwatch + (slot * 13) % kSwatchSpan));
        record.setByte(rec::cockpitColour(slot, 1), std::uint8_t(kFirstSwatch + (slot * 29 + 50) % kSwatchSpan));
        record.setByte(rec::cockpitColour(slot, 2), std::uint8_t(kFirstSwatch + (slot * 41 + 100) % kSwatchSpan));
    }

    for (int team = 1; team <= rec::kTeams; ++team) {
        // Groups 0 and 1 are not edited; the game keeps them at their own runs.
        record.setByte(rec::pitCrewColour(team, 0), 10);
        record.setByte(rec::pitCrewColour(team, 1), 26);
        for (int g = 2; g < 16; ++g)
            record.setByte(rec::pitCrewColour(team, g), std::uint8_t(kFirstSwatch + (team * 17 + g * 23) % kSwatchSpan));
    }

    for (int t = 0; t < rec::kTracks; ++t)
        setTrackSetup(record, t, demoTrackSetup(t));
}

std::vector<std::uint8_t> makeDemoTrackFile(int track)
{
    if (track < 0 || track >= rec::kTracks)
        throw std::out_of_range("track index");
    const std::uint32_t size = kDemoTrackSize + std::uint32_t(track) * 0x40;
    std::vector<std::uint8_t> bytes(size);
    std::uint32_t state = 0x9E3779B9u ^ std::uint32_t(track);
    for (std::uint8_t& b : bytes) {
        state = state * 1664525u + 1013904223u;
        b = std::uint8_t(state >> 24);
    }

    const std::uint32_t setup = kDemoSetupPosition + std::uint32_t(track) * 0x20;
    const auto word = std::uint16_t(setup - track::kSetupWordOffset);
    bytes[track::kSetupWordPosition] = std::uint8_t(word & 0xFF);
    bytes[track::kSetupWordPosition + 1] = std::uint8_t(word >> 8);

    const TrackSetup s = demoTrackSetup(track);
    std::uint32_t at = setup;
    bytes[at++] = std::uint8_t(s.frontWing + track::kSetupBias);
    bytes[at++] = std::uint8_t(s.rearWing + track::kSetupBias);
    for (std::uint8_t gear : s.gears)
        bytes[at++] = std::uint8_t(gear + track::kSetupBias);
    bytes[at] = std::uint8_t(s.tyreType + track::kTyreBias);
    const std::uint32_t fuel = setup + track::kFuelOffset;
    bytes[fuel] = std::uint8_t(s.fuelConsumption & 0xFF);
    bytes[fuel + 1] = std::uint8_t(s.fuelConsumption >> 8);

    writeChecksumTrailer(bytes);
    return bytes;
}

} // namespace kvr
