// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/record_fields.h"

#include "core/ansi.h"
#include "core/settings_record.h"
#include "core/tr_marker.h"
#include "editors/names/names_rules.h"

namespace kvr {
namespace {

std::string idx(int i)
{
    std::string key = "#";
    key += std::to_string(i);
    return key;
}
std::string num(int i) { return std::to_string(i); }

using S = FieldSubject;

constexpr Marked kCockpitParts[] = {KVR_TR_NOOP("Values", "%1 cockpit colour"),
                                    KVR_TR_NOOP("Values", "%1 mirrors colour"),
                                    KVR_TR_NOOP("Values", "%1 front wing colour")};
constexpr Marked kCameraWords[] = {KVR_TR_NOOP("Values", "X distance"),     KVR_TR_NOOP("Values", "height"),
                                   KVR_TR_NOOP("Values", "Y distance"),     KVR_TR_NOOP("Values", "X angle"),
                                   KVR_TR_NOOP("Values", "Z angle"),        KVR_TR_NOOP("Values", "Y angle"),
                                   KVR_TR_NOOP("Values", "tuning value 1"), KVR_TR_NOOP("Values", "tuning value 2")};
constexpr Marked kTrackBytes[] = {
    KVR_TR_NOOP("Values", "%1 front wing"), KVR_TR_NOOP("Values", "%1 rear wing"), KVR_TR_NOOP("Values", "%1 1st gear"),
    KVR_TR_NOOP("Values", "%1 2nd gear"),   KVR_TR_NOOP("Values", "%1 3rd gear"),  KVR_TR_NOOP("Values", "%1 4th gear"),
    KVR_TR_NOOP("Values", "%1 5th gear"),   KVR_TR_NOOP("Values", "%1 6th gear"),  KVR_TR_NOOP("Values", "%1 tyre type")};
constexpr Marked kBhp = KVR_TR_NOOP("Values", "BHP");

struct Table {
    std::vector<RecordField> fields;

    RecordField& add(std::vector<std::string> path, std::size_t offset, FieldKind kind, std::optional<Editor> editor,
                     Marked pattern, FieldSubject subject = S::None, int number = 0, std::vector<Message> details = {})
    {
        RecordField f;
        f.path = std::move(path);
        f.offset = offset;
        f.kind = kind;
        f.editor = editor;
        f.pattern = pattern;
        f.subject = subject;
        f.number = number;
        f.details = std::move(details);
        f.label = fieldLabel(f).english();
        fields.push_back(std::move(f));
        return fields.back();
    }
};

Message numberedSubject(FieldSubject subject, int n)
{
    switch (subject) {
    case S::None: return {};
    case S::Team: return fillIn(KVR_TR_NOOP("Values", "Team %1"), {num(n)});
    case S::TeamEngine: return fillIn(KVR_TR_NOOP("Values", "Team %1 engine"), {num(n)});
    case S::Car: return fillIn(KVR_TR_NOOP("Values", "Car %1"), {num(n)});
    case S::Slot:
        if (n > 2 * rec::kTeams)
            return fillIn(KVR_TR_NOOP("Values", "Driver slot %1"), {num(n)});
        return fillIn(n % 2 ? KVR_TR_NOOP("Values", "Team %1 1st driver") : KVR_TR_NOOP("Values", "Team %1 2nd driver"),
                      {num((n + 1) / 2)});
    case S::Track: return fillIn(KVR_TR_NOOP("Values", "Track %1"), {num(n)});
    }
    return {};
}

// The subject as the windows show it, or nothing where it has no name to show.
std::optional<std::string> namedSubject(FieldSubject subject, int n, const FieldNames& names)
{
    std::string name;
    if (names.record) {
        const SettingsRecord& r = *names.record;
        const bool team = (subject == S::Team || subject == S::TeamEngine) && n >= 1 && n <= rec::kTeams;
        if (team && !r.shortString(rec::teamName(n), rec::kTeamNameChars).empty())
            name = subject == S::Team ? r.shortString(rec::teamName(n), rec::kTeamNameChars) : teamLine(r, n);
        else if (subject == S::Car && n >= 1 && n <= rec::kDrivers)
            name = r.shortString(rec::driverName(n), rec::kDriverNameChars);
        else if (subject == S::Slot && n <= 2 * rec::kTeams)
            name = driverNameOfSlot(r, n).value_or(std::string());
    }
    if (subject == S::Track && n >= 1 && std::size_t(n) <= names.tracks.size())
        name = names.tracks[std::size_t(n - 1)];
    if (name.empty())
        return std::nullopt;
    return ansiToUtf8(name);
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
        t.add({"driver_names", idx(car - 1)}, rec::driverName(car), K::Text, E::Names,
              KVR_TR_NOOP("Values", "Driver of car %1"), S::None, car, {num(car)})
            .capacity = rec::kDriverNameChars;
    for (int team = 1; team <= rec::kTeams; ++team)
        t.add({"team_names", idx(team - 1)}, rec::teamName(team), K::Text, E::Names,
              KVR_TR_NOOP("Values", "%1 name"), S::Team, team)
            .capacity = rec::kTeamNameChars;
    for (int team = 1; team <= rec::kTeams; ++team)
        t.add({"engine_names", idx(team - 1)}, rec::engineName(team), K::Text, E::Names,
              KVR_TR_NOOP("Values", "%1 engine name"), S::Team, team)
            .capacity = rec::kTeamNameChars;
    for (int slot = 1; slot <= rec::kDrivers; ++slot) {
        t.add({"car_numbers", idx(slot - 1), "number"}, rec::carNumber(slot), K::Byte, E::Names,
              KVR_TR_NOOP("Values", "%1's car number"), S::Slot, slot);
        t.add({"car_numbers", idx(slot - 1), "selected"}, rec::carSelected(slot), K::Flag, E::Names,
              KVR_TR_NOOP("Values", "%1 selected"), S::Slot, slot);
    }
    for (int team = 1; team <= rec::kTeamSlots; ++team)
        t.add({"engine_power", "qualifying", idx(team - 1)}, rec::enginePowerQualifying(team), K::Word, E::Power,
              KVR_TR_NOOP("Values", "%1, qualifying"), S::TeamEngine, team)
            .unit = kBhp;
    for (int team = 1; team <= rec::kTeamSlots; ++team)
        t.add({"engine_power", "race", idx(team - 1)}, rec::enginePowerRace(team), K::Word, E::Power,
              KVR_TR_NOOP("Values", "%1, other sessions"), S::TeamEngine, team)
            .unit = kBhp;
    t.add({"engine_power", "human_qualifying"}, rec::kHumanPowerQualifying, K::Word, E::Power,
          KVR_TR_NOOP("Values", "Human driver engine, qualifying"))
        .unit = kBhp;
    t.add({"engine_power", "human_race"}, rec::kHumanPowerRace, K::Word, E::Power,
          KVR_TR_NOOP("Values", "Human driver engine, other sessions"))
        .unit = kBhp;
    t.add({"engine_power", "random"}, rec::kRandomEnginePower, K::Flag, E::Power,
          KVR_TR_NOOP("Values", "Random engine power"));
    for (int car = 1; car <= rec::kDrivers; ++car)
        t.add({"grip", "qualifying", idx(car - 1)}, rec::gripQualifying(car), K::Word, E::Grip,
              KVR_TR_NOOP("Values", "%1 grip, qualifying"), S::Car, car);
    for (int car = 1; car <= rec::kDrivers; ++car)
        t.add({"grip", "race", idx(car - 1)}, rec::gripRace(car), K::Word, E::Grip,
              KVR_TR_NOOP("Values", "%1 grip, other sessions"), S::Car, car);
    for (int car = 1; car <= rec::kDrivers; ++car)
        t.add({"grip", "random_range", idx(car - 1)}, rec::gripRange(car), K::Word, E::Grip,
              KVR_TR_NOOP("Values", "%1 random grip range"), S::Car, car);
    for (int team = 1; team <= rec::kTeamSlots; ++team)
        t.add({"failures", idx(team - 1)}, rec::failure(team), K::Word, E::Failures,
              KVR_TR_NOOP("Values", "%1 car failure"), S::Team, team);
    // Switched on and off with the first driver's number: not a value of the game's own.
    for (int team = 1; team <= rec::kTeamSlots; ++team)
        t.add({"team_enabled", idx(team - 1)}, rec::teamEnabled(team), K::Flag, std::nullopt,
              KVR_TR_NOOP("Values", "%1 enabled"), S::Team, team);
    for (int p = 1; p <= rec::kTeams; ++p)
        t.add({"pit_line", "order", idx(p - 1)}, rec::pitOrder(p), K::Byte, E::PitLine,
              KVR_TR_NOOP("Values", "Team at pit %1"), S::None, p, {num(p)});
    t.add({"pit_line", "speed_check"}, rec::kPitSpeedCheck, K::Flag, E::PitLine,
          KVR_TR_NOOP("Values", "Check speed in pit line"));
    t.add({"pit_line", "speed_limit"}, rec::kPitSpeedLimit, K::Word, E::PitLine,
          KVR_TR_NOOP("Values", "Pit line speed limit"));
    for (int team = 1; team <= rec::kTeamSlots; ++team)
        for (int part = 0; part < 3; ++part)
            t.add({"cockpit_colours", idx(team - 1), idx(part)}, rec::cockpitColour(team, part), K::Byte, E::Cockpit,
                  kCockpitParts[part], S::Team, team);
    for (int team = 1; team <= rec::kTeams; ++team)
        for (int group = 0; group < 16; ++group)
            t.add({"pit_crew_colours", idx(team - 1), idx(group)}, rec::pitCrewColour(team, group), K::Byte,
                  E::PitCrew, KVR_TR_NOOP("Values", "%1 pit crew colour %2"), S::Team, team, {num(group)});
    for (int r = 0; r < rec::kCameraRecords; ++r)
        for (int w = 0; w < 8; ++w)
            t.add({"cameras", idx(r), idx(w)}, rec::camera(r, w), K::Word, E::Cameras,
                  r < 9 ? KVR_TR_NOOP("Values", "Camera %1 %2") : KVR_TR_NOOP("Values", "Camera record %1 %2"), S::None,
                  r, {num(r < 9 ? r + 1 : r), kCameraWords[w]});
    t.add({"number_zero"}, rec::kNumberZero, K::Flag, E::Names, KVR_TR_NOOP("Values", "First driver - '0'"));
    t.add({"car_tuning", "opponents_fuel_shown"}, rec::kOpponentFuelSwitch, K::Flag, E::Tuning,
          KVR_TR_NOOP("Values", "Show opponents fuel load"));
    t.add({"car_tuning", "team_dependent_performance"}, rec::kTeamPerformanceSwitch, K::Flag, E::Tuning,
          KVR_TR_NOOP("Values", "Player's car performance depends on selected team"));
    t.add({"car_tuning", "split_comparison"}, rec::kSplitSwitch, K::Flag, E::Tuning,
          KVR_TR_NOOP("Values", "Split comparison"));
    t.add({"car_tuning", "human_weight"}, rec::kHumanWeight, K::Word, E::Tuning,
          KVR_TR_NOOP("Values", "Human player car weight"))
        .unit = KVR_TR_NOOP("Values", "lb");
    t.add({"car_tuning", "computer_weight"}, rec::kComputerWeight, K::Word, E::Tuning,
          KVR_TR_NOOP("Values", "Computer car weight"))
        .unit = KVR_TR_NOOP("Values", "lb");
    t.add({"car_tuning", "practice_fuel"}, rec::kPracticeFuel, K::Byte, E::Tuning,
          KVR_TR_NOOP("Values", "Initial practice fuel load"))
        .unit = KVR_TR_NOOP("Values", "laps");
    t.add({"car_tuning", "qualifying_fuel"}, rec::kQualifyingFuel, K::Byte, E::Tuning,
          KVR_TR_NOOP("Values", "Initial qualifying fuel load (laps - 1)"));
    for (int led = 0; led < 4; ++led) {
        t.add({"car_tuning", "leds", idx(led), "colour"}, rec::kLedColour[led], K::Byte, E::Tuning,
              KVR_TR_NOOP("Values", "LED %1 colour"), S::None, led + 1, {num(led + 1)});
        if (led > 0)
            t.add({"car_tuning", "leds", idx(led), "threshold"}, rec::kLedThreshold[led], K::Word, E::Tuning,
                  KVR_TR_NOOP("Values", "LED %1 threshold (RPM - 6154)"), S::None, led + 1, {num(led + 1)});
    }
    t.add({"description"}, rec::kDescription, K::Text, std::nullopt, KVR_TR_NOOP("Values", "Settings description"))
        .capacity = rec::kDescriptionChars;
    for (int team = 1; team <= rec::kTeams; ++team)
        t.add({"nose_cones", idx(team - 1)}, rec::nose(team), K::Byte, E::Noses,
              KVR_TR_NOOP("Values", "%1 nose cone raised"), S::Team, team);
    for (int track = 0; track < rec::kTracks; ++track) {
        for (int b = 0; b < 9; ++b)
            t.add({"track_data", idx(track), idx(b)}, rec::trackData(track, b), K::Byte, E::Tracks, kTrackBytes[b],
                  S::Track, track + 1);
        const std::pair<int, Marked> words[] = {{9, KVR_TR_NOOP("Values", "%1 fuel consumption")},
                                                {11, KVR_TR_NOOP("Values", "%1 tyre consumption")}};
        const std::pair<int, Marked> bytes[] = {
            {9, KVR_TR_NOOP("Values", "%1 fuel consumption, low byte")},
            {10, KVR_TR_NOOP("Values", "%1 fuel consumption, high byte")},
            {11, KVR_TR_NOOP("Values", "%1 tyre consumption, low byte")},
            {12, KVR_TR_NOOP("Values", "%1 tyre consumption, high byte")}};
        if (trackWords == TrackWords::Whole) {
            for (const auto& [first, what] : words)
                t.add({"track_data", idx(track), idx(first) + ".." + num(first + 1)}, rec::trackData(track, first),
                      K::Word, E::Tracks, what, S::Track, track + 1);
            continue;
        }
        for (const auto& [b, what] : bytes)
            t.add({"track_data", idx(track), idx(b)}, rec::trackData(track, b), K::Byte, E::Tracks, what, S::Track,
                  track + 1);
    }
    return t.fields;
}

} // namespace

Message fieldLabel(const RecordField& field, const FieldNames* names)
{
    std::vector<Message> args;
    if (field.subject != S::None) {
        const auto named = names ? namedSubject(field.subject, field.number, *names) : std::nullopt;
        args.push_back(named ? Message(*named) : numberedSubject(field.subject, field.number));
    }
    args.insert(args.end(), field.details.begin(), field.details.end());
    return Message(field.pattern, std::move(args));
}

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

Message fieldValue(const RecordField& field, const SettingsRecord& record)
{
    if (field.kind == FieldKind::Flag) {
        const std::uint8_t b = record.byte(field.offset);
        if (b == 0)
            return KVR_TR_NOOP("Values", "off");
        if (b == 1)
            return KVR_TR_NOOP("Values", "on");
    }
    return fieldValueText(field, record);
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
