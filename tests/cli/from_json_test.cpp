// SPDX-License-Identifier: GPL-3.0-or-later
// from-json takes nothing it would have to cut, change or drop: each refusal names the
// key, and a record to-json wrote always comes back byte for byte.
#include "cli/cli_fixture.h"
#include "core/settings_file.h"
#include "core/settings_record.h"

#include <nlohmann/json.hpp>

#include <functional>

namespace {
namespace fs = std::filesystem;
namespace rec = kvr::rec;
using json = nlohmann::json;
using kvrtest::readFile;
using kvrtest::writeFile;

class FromJson : public kvrtest::Cli {
protected:
    json toJson(const kvr::SettingsRecord& r)
    {
        EXPECT_TRUE(kvr::writeSettingsFile(file("r.KVS"), r));
        const auto out = cli({"to-json", file("r.KVS").string()});
        EXPECT_EQ(out.exitCode, 0) << out.err;
        return json::parse(out.out);
    }
    kvrtest::RunResult fromJson(const json& j)
    {
        const std::string text = j.dump(2);
        writeFile(file("in.json"), std::vector<std::uint8_t>(text.begin(), text.end()));
        fs::remove(file("out.KVS"));
        return cli({"from-json", file("in.json").string(), "-o", file("out.KVS").string()});
    }
};

struct Refusal {
    const char* what;
    std::function<void(json&)> edit;
    std::string says;
};

TEST_F(FromJson, RefusesWhatItWouldDropNamingTheKey)
{
    const json base = toJson(kvr::SettingsRecord());
    const Refusal cases[] = {
        {"a name one longer than its field", [](json& j) { j["driver_names"][3] = std::string(25, 'x'); },
         "field driver_names[3]: 25 characters, the field holds at most 24"},
        {"a 500-character description", [](json& j) { j["description"] = std::string(500, 'd'); },
         "field description: 500 characters, the field holds at most 255"},
        {"a letter outside the code page", [](json& j) { j["team_names"][0] = "\u0141\u00f3d\u017a"; },
         "field team_names[0]: \"\u0141\" is not a character of the game's code page (Windows-1252)"},
        {"a symbol outside the code page", [](json& j) { j["engine_names"][13] = "V10 \U0001F3C1"; },
         "field engine_names[13]: \"\U0001F3C1\" is not a character of the game's code page (Windows-1252)"},
        {"an unknown key", [](json& j) { j["colour"] = 1; }, "field colour: no such field"},
        {"an unknown key inside an object", [](json& j) { j["car_tuning"]["turbo"] = true; },
         "field car_tuning.turbo: no such field"},
        {"an unknown key inside an element", [](json& j) { j["car_numbers"][0]["colour"] = 1; },
         "field car_numbers[0].colour: no such field"},
        {"an extra array element", [](json& j) { j["nose_cones"].push_back(0); },
         "field nose_cones[14]: no such element: the array holds 14"},
        {"an extra element of an inner array", [](json& j) { j["cameras"][2].push_back(7); },
         "field cameras[2][8]: no such element: the array holds 8"},
        {"an array where an object belongs", [](json& j) { j["pit_line"] = json::array(); },
         "field pit_line: expected an object"},
        {"an unused place past the record", [](json& j) { j["unused"]["0xC00"] = "00"; },
         "field unused.0xC00: no such field: the unused bytes are at 0x000, 0x74B and 0xB12"},
        {"raw bytes past the end", [](json& j) { j["raw_bytes"] = {{"0xB1D", "4142"}}; },
         "field raw_bytes.0xB1D: 2 bytes run past the end of the record (its last byte is 0xB1D)"},
        {"a raw place past the record", [](json& j) { j["raw_bytes"] = {{"0xB1E", "41"}}; },
         "field raw_bytes.0xB1E: bad offset, expected a place from 0x000 to 0xB1D"},
        {"an on/off switch of 2", [](json& j) { j["number_zero"] = 2; }, "field number_zero: expected true or false"},
        {"a selected flag of 5", [](json& j) { j["car_numbers"][7]["selected"] = 5; },
         "field car_numbers[7].selected: expected true or false"},
    };
    for (const Refusal& c : cases) {
        json j = base;
        c.edit(j);
        const auto r = fromJson(j);
        EXPECT_EQ(r.exitCode, 3) << c.what;
        EXPECT_EQ(r.err, "kvrdesk-cli: " + c.says + "\n") << c.what;
        EXPECT_FALSE(fs::exists(file("out.KVS"))) << c.what;
    }
}

TEST_F(FromJson, TakesWhatFitsAndKeepsOddFlagBytes)
{
    kvr::SettingsRecord odd;
    odd.setByte(rec::kNumberZero, 5);
    odd.setByte(rec::carSelected(2), 2);
    json j = toJson(odd);
    EXPECT_EQ(j["number_zero"], true) << "an on/off switch shows as one";
    // Within bounds, at the edges: the whole field, the code page's own high characters,
    // and 0 or 1 for a switch.
    j["driver_names"][3] = std::string(24, 'x');
    j["team_names"][0] = "\u20ac\u00ff\u0178";
    j["car_numbers"][0]["selected"] = 1;
    const auto r = fromJson(j);
    ASSERT_EQ(r.exitCode, 0) << r.err;

    kvr::SettingsRecord expected = odd;
    expected.setShortString(rec::driverName(4), rec::kDriverNameChars, std::string(24, 'x'));
    expected.setShortString(rec::teamName(1), rec::kTeamNameChars, "\x80\xff\x9f");
    expected.setByte(rec::carSelected(1), 1);
    const auto bytes = readFile(file("out.KVS"));
    EXPECT_EQ(bytes, std::vector<std::uint8_t>(expected.bytes().begin(), expected.bytes().end()))
        << "the switch bytes 5 and 2 come back through raw_bytes";
}

} // namespace
