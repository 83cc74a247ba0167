#include "cli/record_json.h"

#include "core/ansi.h"
#include "core/errors.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

namespace kvrcli {
using nlohmann::json;
using nlohmann::ordered_json;
namespace rec = kvr::rec;

namespace {

std::string hex(std::span<const std::uint8_t> bytes)
{
    std::string s;
    char buf[3];
    for (std::uint8_t b : bytes) {
        std::snprintf(buf, sizeof buf, "%02x", b);
        s += buf;
    }
    return s;
}

std::vector<std::uint8_t> unhex(const std::string& s, const std::string& field)
{
    if (s.size() % 2 != 0)
        throw kvr::GeneralError("field " + field + ": hex text of odd length");
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i < s.size(); i += 2) {
        unsigned v = 0;
        if (std::sscanf(s.substr(i, 2).c_str(), "%2x", &v) != 1 || !std::isxdigit(static_cast<unsigned char>(s[i])) ||
            !std::isxdigit(static_cast<unsigned char>(s[i + 1])))
            throw kvr::GeneralError("field " + field + ": not hex: " + s.substr(i, 2));
        out.push_back(std::uint8_t(v));
    }
    return out;
}

std::string offsetKey(std::size_t offset)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "0x%03zX", offset);
    return buf;
}

// A raw_bytes key: hex digits, with or without "0x", naming a place inside the record.
// Signs, blanks and anything past the record are refused rather than wrapped around.
std::size_t recordOffset(const std::string& key)
{
    std::string_view digits = key;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X'))
        digits.remove_prefix(2);
    std::size_t offset = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), offset, 16);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || offset >= rec::kSize)
        throw kvr::GeneralError("raw_bytes: bad offset \"" + key + "\": expected a place from 0x000 to " +
                                offsetKey(rec::kSize - 1));
    return offset;
}

// One description drives writing, reading and the byte-exact residue, so the three can
// never disagree.
struct Codec {
    // Walks the fields; `field` is called with a name path, the record offset, and kind.
    enum class Kind { Byte, Word, Flag, Text };
    struct Field {
        std::vector<std::string> path; // object keys; numbers become array indices
        std::size_t offset;
        Kind kind;
        std::size_t capacity = 0;
    };
    std::vector<Field> fields;

    void add(std::vector<std::string> path, std::size_t offset, Kind kind, std::size_t capacity = 0)
    {
        fields.push_back({std::move(path), offset, kind, capacity});
    }
};

std::string idx(int i) { return "#" + std::to_string(i); }

const Codec& codec()
{
    static const Codec c = [] {
        Codec k;
        using K = Codec::Kind;
        for (int car = 1; car <= rec::kDrivers; ++car)
            k.add({"driver_names", idx(car - 1)}, rec::driverName(car), K::Text, rec::kDriverNameChars);
        for (int t = 1; t <= rec::kTeams; ++t)
            k.add({"team_names", idx(t - 1)}, rec::teamName(t), K::Text, rec::kTeamNameChars);
        for (int t = 1; t <= rec::kTeams; ++t)
            k.add({"engine_names", idx(t - 1)}, rec::engineName(t), K::Text, rec::kTeamNameChars);
        for (int s = 1; s <= rec::kDrivers; ++s) {
            k.add({"car_numbers", idx(s - 1), "number"}, rec::carNumber(s), K::Byte);
            k.add({"car_numbers", idx(s - 1), "selected"}, rec::carSelected(s), K::Flag);
        }
        for (int t = 1; t <= rec::kTeamSlots; ++t)
            k.add({"engine_power", "qualifying", idx(t - 1)}, rec::enginePowerQualifying(t), K::Word);
        for (int t = 1; t <= rec::kTeamSlots; ++t)
            k.add({"engine_power", "race", idx(t - 1)}, rec::enginePowerRace(t), K::Word);
        k.add({"engine_power", "human_qualifying"}, rec::kHumanPowerQualifying, K::Word);
        k.add({"engine_power", "human_race"}, rec::kHumanPowerRace, K::Word);
        k.add({"engine_power", "random"}, rec::kRandomEnginePower, K::Flag);
        for (int car = 1; car <= rec::kDrivers; ++car)
            k.add({"grip", "qualifying", idx(car - 1)}, rec::gripQualifying(car), K::Word);
        for (int car = 1; car <= rec::kDrivers; ++car)
            k.add({"grip", "race", idx(car - 1)}, rec::gripRace(car), K::Word);
        for (int car = 1; car <= rec::kDrivers; ++car)
            k.add({"grip", "random_range", idx(car - 1)}, rec::gripRange(car), K::Word);
        for (int t = 1; t <= rec::kTeamSlots; ++t)
            k.add({"failures", idx(t - 1)}, rec::failure(t), K::Word);
        for (int t = 1; t <= rec::kTeamSlots; ++t)
            k.add({"team_enabled", idx(t - 1)}, rec::teamEnabled(t), K::Flag);
        for (int p = 1; p <= rec::kTeams; ++p)
            k.add({"pit_line", "order", idx(p - 1)}, rec::pitOrder(p), K::Byte);
        k.add({"pit_line", "speed_check"}, rec::kPitSpeedCheck, K::Flag);
        k.add({"pit_line", "speed_limit"}, rec::kPitSpeedLimit, K::Word);
        for (int t = 1; t <= rec::kTeamSlots; ++t)
            for (int part = 0; part < 3; ++part)
                k.add({"cockpit_colours", idx(t - 1), idx(part)}, rec::cockpitColour(t, part), K::Byte);
        for (int t = 1; t <= rec::kTeams; ++t)
            for (int i = 0; i < 16; ++i)
                k.add({"pit_crew_colours", idx(t - 1), idx(i)}, rec::pitCrewColour(t, i), K::Byte);
        for (int r = 0; r < rec::kCameraRecords; ++r)
            for (int w = 0; w < 8; ++w)
                k.add({"cameras", idx(r), idx(w)}, rec::camera(r, w), K::Word);
        k.add({"number_zero"}, rec::kNumberZero, K::Flag);
        k.add({"car_tuning", "opponents_fuel_shown"}, rec::kOpponentFuelSwitch, K::Flag);
        k.add({"car_tuning", "team_dependent_performance"}, rec::kTeamPerformanceSwitch, K::Flag);
        k.add({"car_tuning", "split_comparison"}, rec::kSplitSwitch, K::Flag);
        k.add({"car_tuning", "human_weight"}, rec::kHumanWeight, K::Word);
        k.add({"car_tuning", "computer_weight"}, rec::kComputerWeight, K::Word);
        k.add({"car_tuning", "practice_fuel"}, rec::kPracticeFuel, K::Byte);
        k.add({"car_tuning", "qualifying_fuel"}, rec::kQualifyingFuel, K::Byte);
        for (int led = 0; led < 4; ++led) {
            k.add({"car_tuning", "leds", idx(led), "colour"}, rec::kLedColour[led], K::Byte);
            if (led > 0)
                k.add({"car_tuning", "leds", idx(led), "threshold"}, rec::kLedThreshold[led], K::Word);
        }
        k.add({"description"}, rec::kDescription, K::Text, rec::kDescriptionChars);
        for (int t = 1; t <= rec::kTeams; ++t)
            k.add({"nose_cones", idx(t - 1)}, rec::nose(t), K::Byte);
        for (int tr = 0; tr < rec::kTracks; ++tr)
            for (int b = 0; b < int(rec::kTrackRecordSize); ++b)
                k.add({"track_data", idx(tr), idx(b)}, rec::trackData(tr, b), K::Byte);
        return k;
    }();
    return c;
}

template <typename J>
J& at(J& root, const std::vector<std::string>& path)
{
    J* node = &root;
    for (const auto& key : path) {
        if (key[0] == '#') {
            const std::size_t i = std::stoul(key.substr(1));
            if (node->is_null())
                *node = J::array();
            while (node->size() <= i)
                node->push_back(nullptr);
            node = &(*node)[i];
        } else {
            node = &(*node)[key];
        }
    }
    return *node;
}

const json* find(const json& root, const std::vector<std::string>& path)
{
    const json* node = &root;
    for (const auto& key : path) {
        if (key[0] == '#') {
            const std::size_t i = std::stoul(key.substr(1));
            if (!node->is_array() || node->size() <= i)
                return nullptr;
            node = &(*node)[i];
        } else {
            if (!node->is_object() || !node->contains(key))
                return nullptr;
            node = &(*node)[key];
        }
    }
    return node;
}

std::string pathName(const std::vector<std::string>& path)
{
    std::string s;
    for (const auto& key : path) {
        if (key[0] == '#')
            s += "[" + key.substr(1) + "]";
        else
            s += (s.empty() ? "" : ".") + key;
    }
    return s;
}

void applyField(kvr::SettingsRecord& r, const Codec::Field& f, const json& v)
{
    const std::string name = pathName(f.path);
    auto number = [&](long max) {
        if (!v.is_number_integer() || v.get<long>() < 0 || v.get<long>() > max)
            throw kvr::GeneralError("field " + name + ": expected a whole number from 0 to " + std::to_string(max));
        return v.get<long>();
    };
    switch (f.kind) {
    case Codec::Kind::Byte: r.setByte(f.offset, std::uint8_t(number(255))); break;
    case Codec::Kind::Word: r.setWord(f.offset, std::uint16_t(number(65535))); break;
    case Codec::Kind::Flag:
        if (v.is_boolean())
            r.setByte(f.offset, v.get<bool>() ? 1 : 0);
        else
            r.setByte(f.offset, std::uint8_t(number(255)));
        break;
    case Codec::Kind::Text:
        if (!v.is_string())
            throw kvr::GeneralError("field " + name + ": expected text");
        r.setShortString(f.offset, f.capacity, kvr::utf8ToAnsi(v.get<std::string>()));
        break;
    }
}

kvr::SettingsRecord fromFields(const json& j, bool requireAll)
{
    kvr::SettingsRecord r;
    for (const auto& f : codec().fields) {
        const json* v = find(j, f.path);
        if (!v) {
            if (requireAll)
                throw kvr::GeneralError("field " + pathName(f.path) + " is missing");
            continue;
        }
        applyField(r, f, *v);
    }
    return r;
}

struct Unused {
    const char* name;
    std::size_t offset;
    std::size_t size;
};
constexpr Unused kUnused[] = {
    {"0x000", rec::kUnused0, 1},
    {"0x74B", rec::kUnused74B, rec::kUnused74BSize},
    {"0xB12", rec::kUnusedB12, rec::kUnusedB12Size},
};

} // namespace

ordered_json recordToJson(const kvr::SettingsRecord& record)
{
    ordered_json j = ordered_json::object();
    for (const auto& f : codec().fields) {
        ordered_json& slot = at(j, f.path);
        switch (f.kind) {
        case Codec::Kind::Byte: slot = record.byte(f.offset); break;
        case Codec::Kind::Word: slot = record.word(f.offset); break;
        case Codec::Kind::Flag: {
            const std::uint8_t b = record.byte(f.offset);
            if (b <= 1)
                slot = b == 1;
            else
                slot = b;
            break;
        }
        case Codec::Kind::Text: slot = kvr::ansiToUtf8(record.shortString(f.offset, f.capacity)); break;
        }
    }
    ordered_json unused = ordered_json::object();
    for (const auto& u : kUnused)
        unused[u.name] = hex(record.bytes().subspan(u.offset, u.size));
    j["unused"] = unused;

    // Whatever the fields above cannot carry, byte for byte.
    kvr::SettingsRecord rebuilt = fromFields(json::parse(j.dump()), true);
    for (const auto& u : kUnused)
        std::copy_n(record.bytes().begin() + std::ptrdiff_t(u.offset), u.size,
                    rebuilt.bytes().begin() + std::ptrdiff_t(u.offset));
    ordered_json residue = ordered_json::object();
    for (std::size_t i = 0; i < rec::kSize;) {
        if (record.byte(i) == rebuilt.byte(i)) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < rec::kSize && record.byte(end) != rebuilt.byte(end))
            ++end;
        residue[offsetKey(i)] = hex(record.bytes().subspan(i, end - i));
        i = end;
    }
    if (!residue.empty())
        j["raw_bytes"] = residue;
    return j;
}

kvr::SettingsRecord recordFromJson(const json& j)
{
    if (!j.is_object())
        throw kvr::GeneralError("expected a JSON object");
    kvr::SettingsRecord r = fromFields(j, true);
    if (j.contains("unused")) {
        if (!j["unused"].is_object())
            throw kvr::GeneralError("field unused: expected an object");
        for (const auto& u : kUnused) {
            if (!j["unused"].contains(u.name))
                continue;
            const json& text = j["unused"][u.name];
            if (!text.is_string())
                throw kvr::GeneralError(std::string("field unused.") + u.name + ": expected hex text");
            const auto bytes = unhex(text.get<std::string>(), std::string("unused.") + u.name);
            if (bytes.size() != u.size)
                throw kvr::GeneralError(std::string("field unused.") + u.name + ": expected " +
                                        std::to_string(u.size) + " bytes");
            std::copy(bytes.begin(), bytes.end(), r.bytes().begin() + std::ptrdiff_t(u.offset));
        }
    }
    if (j.contains("raw_bytes")) {
        if (!j["raw_bytes"].is_object())
            throw kvr::GeneralError("field raw_bytes: expected an object");
        for (const auto& [key, value] : j["raw_bytes"].items()) {
            const std::size_t offset = recordOffset(key);
            if (!value.is_string())
                throw kvr::GeneralError("raw_bytes." + key + ": expected hex text");
            const auto bytes = unhex(value.get<std::string>(), "raw_bytes." + key);
            if (bytes.size() > rec::kSize - offset)
                throw kvr::GeneralError("raw_bytes." + key + ": beyond the end of the record");
            std::copy(bytes.begin(), bytes.end(), r.bytes().begin() + std::ptrdiff_t(offset));
        }
    }
    return r;
}

} // namespace kvrcli
