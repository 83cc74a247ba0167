// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/record_fields.h"

#include "core/ansi.h"
#include "core/settings_record.h"

namespace kvr {
namespace {

std::string idx(int i)
{
    std::string key = "#";
    key += std::to_string(i);
    return key;
}
std::string num(int i) { return std::to_string(i); }

constexpr const char* kCockpitParts[] = {"cockpit", "mirrors", "front wing"};
constexpr const char* kCameraWords[] = {"X distance", "height",       "Y distance",   "X angle",
                                        "Z angle",    "Y angle",      "tuning value 1", "tuning value 2"};
constexpr const char* kTrackBytes[] = {"front wing", "rear wing", "1st gear", "2nd gear", "3rd gear",
                                       "4th gear",   "5th gear",  "6th gear", "tyre type"};

struct Table {
    std::vector<RecordField> fields;

    void add(std::vector<std::string> path, std::size_t offset, FieldKind kind, std::optional<Editor> editor,
             std::string label, std::string unit = {}, std::size_t capacity = 0)
    {
        fields.push_back({std::move(path), offset, kind, capacity, editor, std::move(label), std::move(unit)});
    }
};

std::string driverOfSlot(int slot)
{
    if (slot > 2 * rec::kTeams)
        return "Driver slot " + num(slot);
    return "Team " + num((slot + 1) / 2) + (slot % 2 ? " 1st" : " 2nd") + " driver";
}

// The track consumption words as they are shown (one value each) or as the JSON form
// keeps them (a low and a high byte each).
enum class TrackWords { Whole, AsBytes };

std::vector<RecordField> makeFields(TrackWords trackWords)
{
    using K = FieldKind;
    using E = Editor;
    Table t;
    for (int car = 1; car <= rec::kDrivers; ++car)
        t.add({"driver_names", idx(car - 1)}, rec::driverName(car), K::Text, E::Names, "Driver of car " + num(car), {},
              rec::kDriverNameChars);
    for (int team = 1; team <= rec::kTeams; ++team)
        t.add({"team_names", idx(team - 1)}, rec::teamName(team), K::Text, E::Names, "Team " + num(team) + " name", {},
              rec::kTeamNameChars);
    for (int team = 1; team <= rec::kTeams; ++team)
        t.add({"engine_names", idx(team - 1)}, rec::engineName(team), K::Text, E::Names,
              "Team " + num(team) + " engine name", {}, rec::kTeamNameChars);
    for (int slot = 1; slot <= rec::kDrivers; ++slot) {
        t.add({"car_numbers", idx(slot - 1), "number"}, rec::carNumber(slot), K::Byte, E::Names,
              driverOfSlot(slot) + "'s car number");
        t.add({"car_numbers", idx(slot - 1), "selected"}, rec::carSelected(slot), K::Flag, E::Names,
              driverOfSlot(slot) + " selected");
    }
    for (int team = 1; team <= rec::kTeamSlots; ++team)
        t.add({"engine_power", "qualifying", idx(team - 1)}, rec::enginePowerQualifying(team), K::Word, E::Power,
              "Team " + num(team) + " engine, qualifying", "BHP");
    for (int team = 1; team <= rec::kTeamSlots; ++team)
        t.add({"engine_power", "race", idx(team - 1)}, rec::enginePowerRace(team), K::Word, E::Power,
              "Team " + num(team) + " engine, other sessions", "BHP");
    t.add({"engine_power", "human_qualifying"}, rec::kHumanPowerQualifying, K::Word, E::Power,
          "Human driver engine, qualifying", "BHP");
    t.add({"engine_power", "human_race"}, rec::kHumanPowerRace, K::Word, E::Power, "Human driver engine, other sessions",
          "BHP");
    t.add({"engine_power", "random"}, rec::kRandomEnginePower, K::Flag, E::Power, "Random engine power");
    for (int car = 1; car <= rec::kDrivers; ++car)
        t.add({"grip", "qualifying", idx(car - 1)}, rec::gripQualifying(car), K::Word, E::Grip,
              "Car " + num(car) + " grip, qualifying");
    for (int car = 1; car <= rec::kDrivers; ++car)
        t.add({"grip", "race", idx(car - 1)}, rec::gripRace(car), K::Word, E::Grip,
              "Car " + num(car) + " grip, other sessions");
    for (int car = 1; car <= rec::kDrivers; ++car)
        t.add({"grip", "random_range", idx(car - 1)}, rec::gripRange(car), K::Word, E::Grip,
              "Car " + num(car) + " random grip range");
    for (int team = 1; team <= rec::kTeamSlots; ++team)
        t.add({"failures", idx(team - 1)}, rec::failure(team), K::Word, E::Failures,
              "Team " + num(team) + " car failure");
    // Switched on and off with the first driver's number: not a value of the game's own.
    for (int team = 1; team <= rec::kTeamSlots; ++team)
        t.add({"team_enabled", idx(team - 1)}, rec::teamEnabled(team), K::Flag, std::nullopt,
              "Team " + num(team) + " enabled");
    for (int p = 1; p <= rec::kTeams; ++p)
        t.add({"pit_line", "order", idx(p - 1)}, rec::pitOrder(p), K::Byte, E::PitLine, "Team at pit " + num(p));
    t.add({"pit_line", "speed_check"}, rec::kPitSpeedCheck, K::Flag, E::PitLine, "Check speed in pit line");
    t.add({"pit_line", "speed_limit"}, rec::kPitSpeedLimit, K::Word, E::PitLine, "Pit line speed limit");
    for (int team = 1; team <= rec::kTeamSlots; ++team)
        for (int part = 0; part < 3; ++part)
            t.add({"cockpit_colours", idx(team - 1), idx(part)}, rec::cockpitColour(team, part), K::Byte, E::Cockpit,
                  "Team " + num(team) + " " + kCockpitParts[part] + " colour");
    for (int team = 1; team <= rec::kTeams; ++team)
        for (int group = 0; group < 16; ++group)
            t.add({"pit_crew_colours", idx(team - 1), idx(group)}, rec::pitCrewColour(team, group), K::Byte,
                  E::PitCrew, "Team " + num(team) + " pit crew colour " + num(group));
    for (int r = 0; r < rec::kCameraRecords; ++r)
        for (int w = 0; w < 8; ++w)
            t.add({"cameras", idx(r), idx(w)}, rec::camera(r, w), K::Word, E::Cameras,
                  (r < 9 ? "Camera " + num(r + 1) : "Camera record " + num(r)) + " " + kCameraWords[w]);
    t.add({"number_zero"}, rec::kNumberZero, K::Flag, E::Names, "First driver - '0'");
    t.add({"car_tuning", "opponents_fuel_shown"}, rec::kOpponentFuelSwitch, K::Flag, E::Tuning,
          "Show opponents fuel load");
    t.add({"car_tuning", "team_dependent_performance"}, rec::kTeamPerformanceSwitch, K::Flag, E::Tuning,
          "Player's car performance depends on selected team");
    t.add({"car_tuning", "split_comparison"}, rec::kSplitSwitch, K::Flag, E::Tuning, "Split comparison");
    t.add({"car_tuning", "human_weight"}, rec::kHumanWeight, K::Word, E::Tuning, "Human player car weight", "lb");
    t.add({"car_tuning", "computer_weight"}, rec::kComputerWeight, K::Word, E::Tuning, "Computer car weight", "lb");
    t.add({"car_tuning", "practice_fuel"}, rec::kPracticeFuel, K::Byte, E::Tuning, "Initial practice fuel load", "laps");
    t.add({"car_tuning", "qualifying_fuel"}, rec::kQualifyingFuel, K::Byte, E::Tuning,
          "Initial qualifying fuel load (laps - 1)");
    for (int led = 0; led < 4; ++led) {
        t.add({"car_tuning", "leds", idx(led), "colour"}, rec::kLedColour[led], K::Byte, E::Tuning,
              "LED " + num(led + 1) + " colour");
        if (led > 0)
            t.add({"car_tuning", "leds", idx(led), "threshold"}, rec::kLedThreshold[led], K::Word, E::Tuning,
                  "LED " + num(led + 1) + " threshold (RPM - 6154)");
    }
    t.add({"description"}, rec::kDescription, K::Text, std::nullopt, "Settings description", {},
          rec::kDescriptionChars);
    for (int team = 1; team <= rec::kTeams; ++team)
        t.add({"nose_cones", idx(team - 1)}, rec::nose(team), K::Byte, E::Noses,
              "Team " + num(team) + " nose cone raised");
    for (int track = 0; track < rec::kTracks; ++track) {
        const std::string name = "Track " + num(track + 1) + " ";
        for (int b = 0; b < 9; ++b)
            t.add({"track_data", idx(track), idx(b)}, rec::trackData(track, b), K::Byte, E::Tracks, name + kTrackBytes[b]);
        for (const auto& [first, what] : {std::pair{9, "fuel consumption"}, std::pair{11, "tyre consumption"}}) {
            if (trackWords == TrackWords::Whole) {
                t.add({"track_data", idx(track), idx(first) + ".." + num(first + 1)}, rec::trackData(track, first),
                      K::Word, E::Tracks, name + what);
                continue;
            }
            for (int b = first; b <= first + 1; ++b)
                t.add({"track_data", idx(track), idx(b)}, rec::trackData(track, b), K::Byte, E::Tracks,
                      name + what + ", " + (b == first ? "low" : "high") + " byte");
        }
    }
    return t.fields;
}

} // namespace

const std::vector<RecordField>& recordFields()
{
    static const std::vector<RecordField> fields = makeFields(TrackWords::AsBytes);
    return fields;
}

const std::vector<RecordField>& shownFields()
{
    static const std::vector<RecordField> fields = makeFields(TrackWords::Whole);
    return fields;
}

std::string fieldName(const RecordField& field)
{
    std::string s;
    for (const std::string& key : field.path) {
        if (key[0] == '#')
            s += "[" + key.substr(1) + "]";
        else
            s += (s.empty() ? "" : ".") + key;
    }
    return s;
}

std::string fieldValueText(const RecordField& field, const SettingsRecord& record)
{
    switch (field.kind) {
    case FieldKind::Byte: return std::to_string(record.byte(field.offset));
    case FieldKind::Word: return std::to_string(record.word(field.offset));
    case FieldKind::Flag: {
        const std::uint8_t b = record.byte(field.offset);
        return b == 0 ? "off" : b == 1 ? "on" : std::to_string(b);
    }
    case FieldKind::Text: return "\"" + ansiToUtf8(record.shortString(field.offset, field.capacity)) + "\"";
    }
    return {};
}

} // namespace kvr
