// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Patches and JSON forms of a settings file as a hostile or careless user writes them,
// with what the programs must answer: the command line's exit code and the message,
// which the core's readers give as well. Run by tests/cli and tests/game.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace kvrtest {

struct HostileInput {
    const char* what;
    // One patch (read alone), two (laid over each other, named first.kvpatch and
    // second.kvpatch), or none: then edits of the JSON form of an all-zero record, each
    // replacing the first place its text stands.
    std::vector<std::string> patches;
    std::vector<std::pair<std::string, std::string>> edits;
    int exitCode;
    // Without the file's name in front; with exit code 0 the command line's note. Empty: none.
    std::string message;
    // Where the input is taken: bytes of the record made, over an all-zero record.
    std::vector<std::pair<std::size_t, int>> bytes = {};
};

inline std::string nested(std::size_t depth, const std::string& inner = "")
{
    return std::string(depth, '[') + inner + std::string(depth, ']');
}

inline std::string patchWith(const std::string& changes)
{
    return R"({"kvpatch": 1, "changes": [)" + changes + "]}";
}

inline std::string change(const std::string& field, const std::string& from, const std::string& to)
{
    return R"({"field": ")" + field + R"(", "from": )" + from + R"(, "to": )" + to + "}";
}

// "[0][0]...", the place of the first element of arrays in arrays.
inline std::string indices(std::size_t depth)
{
    std::string s;
    for (std::size_t i = 0; i < depth; ++i)
        s += "[0]";
    return s;
}

// What a message shows of a long name: 48 characters, then "...".
inline std::string cut(const std::string& text)
{
    return text.substr(0, 48) + "...";
}

inline const std::vector<HostileInput>& hostileInputs()
{
    static const std::vector<HostileInput> table = [] {
        const std::string megabyte(1 << 20, 'x');
        std::vector<HostileInput> t = {
            // Nesting: refused before anything walks the value, the place cut short.
            {"a version nested 100,000 deep",
             {R"({"kvpatch": )" + nested(100000) + R"(, "changes": []})"},
             {},
             3,
             cut("kvpatch" + indices(32)) + ": nested deeper than 32 levels"},
            {"a new value nested one level too deep",
             {patchWith(change("grip.race[3]", "0", nested(30, "1")))},
             {},
             3,
             cut("changes[0].to" + indices(30)) + ": nested deeper than 32 levels"},
            {"a new value nested just as deep as allowed",
             {patchWith(change("grip.race[3]", "0", nested(29, "1")))},
             {},
             3,
             "field grip.race[3]: expected a whole number from 0 to 65535"},
            {"a settings description nested 50,000 deep",
             {},
             {{"{", R"({"description": )" + nested(50000) + ","}},
             3,
             cut("description" + indices(31)) + ": nested deeper than 32 levels"},

            // A key given twice, at each level.
            {"\"changes\" twice",
             {R"({"kvpatch": 1, "changes": [], "changes": []})"},
             {},
             3,
             "key \"changes\" is given twice"},
            {"\"kvpatch\" twice",
             {R"({"kvpatch": 2, "kvpatch": 1, "changes": []})"},
             {},
             3,
             "key \"kvpatch\" is given twice"},
            {"\"to\" twice in a change",
             {patchWith(R"({"field": "grip.race[3]", "from": 0, "to": 5, "to": 7})")},
             {},
             3,
             "key \"changes[0].to\" is given twice"},
            {"a key twice inside a value",
             {patchWith(change("grip.race[3]", "0", "1") + "," + change("grip.race[4]", "0", R"({"a": 1, "a": 2})"))},
             {},
             3,
             "key \"changes[1].to.a\" is given twice"},
            {"\"description\" twice in a settings file",
             {},
             {{"{", R"({"description": "mine",)"}},
             3,
             "key \"description\" is given twice"},
            {"a key twice in an element of a settings file",
             {},
             {{R"("selected":false)", R"("selected":false,"selected":true)"}},
             3,
             "key \"car_numbers[0].selected\" is given twice"},

            // One byte by two names, in one patch.
            {"a word and its high byte",
             {patchWith(change("grip.race[3]", "0", "16500") + "," + change("raw_bytes.0x668", "0", "1"))},
             {},
             3,
             "field raw_bytes.0x668: changes byte 0x668, which grip.race[3] changes too"},
            {"a switch and its byte",
             {patchWith(change("raw_bytes.0x927", "0", "2") + "," + change("engine_power.random", "false", "true"))},
             {},
             3,
             "field engine_power.random: changes byte 0x927, which raw_bytes.0x927 changes too"},
            {"a letter of a new name",
             {patchWith(change("team_names[0]", R"("")", R"("Corvane RT")") + "," +
                        change("raw_bytes.0x3F1", "0", "65"))},
             {},
             3,
             "field raw_bytes.0x3F1: changes byte 0x3F1, which team_names[0] changes too"},
            {"a byte after a new name's end", // what the editor writes for a name's leftovers
             {patchWith(change("team_names[0]", R"("")", R"("Corvane")") + "," + change("raw_bytes.0x3F1", "0", "65"))},
             {},
             0,
             "",
             {{0x3E9, 7},
              {0x3EA, 'C'},
              {0x3EB, 'o'},
              {0x3EC, 'r'},
              {0x3ED, 'v'},
              {0x3EE, 'a'},
              {0x3EF, 'n'},
              {0x3F0, 'e'},
              {0x3F1, 65}}},

            // One byte by two names, in two patches.
            {"a name and a byte of it set differently",
             {patchWith(change("team_names[0]", R"("")", R"("Corvane RT")")),
              patchWith(change("raw_bytes.0x3F1", "0", "65"))},
             {},
             5,
             "team_names[0] and raw_bytes.0x3F1 share byte 0x3F1: first.kvpatch sets team_names[0] to \"Corvane "
             "RT\", second.kvpatch sets raw_bytes.0x3F1 to 65"},
            {"a switch and its byte set differently",
             {patchWith(change("engine_power.random", "false", "true")),
              patchWith(change("raw_bytes.0x927", "0", "2"))},
             {},
             5,
             "engine_power.random and raw_bytes.0x927 share byte 0x927: first.kvpatch sets engine_power.random to "
             "true, second.kvpatch sets raw_bytes.0x927 to 2"},
            {"a word and its high byte set alike", // 16500 is 0x4074
             {patchWith(change("grip.race[3]", "0", "16500")), patchWith(change("raw_bytes.0x668", "0", "64"))},
             {},
             0,
             "",
             {{0x667, 0x74}, {0x668, 0x40}}},

            // A byte given twice in a settings file.
            {"a raw byte over a word",
             {},
             {{"{", R"({"raw_bytes": {"0x667": "05"},)"}},
             3,
             "field raw_bytes.0x667: byte 0x667 is given by grip.race[3] already"},
            {"a raw byte saying what its word says",
             {},
             {{"{", R"({"raw_bytes": {"0x668": "00"},)"}},
             3,
             "field raw_bytes.0x668: byte 0x668 is given by grip.race[3] already"},
            {"a raw byte over an unused place",
             {},
             {{"{", R"({"raw_bytes": {"0x74C": "05"},)"}},
             3,
             "field raw_bytes.0x74C: byte 0x74C is given by unused.0x74B already"},
            {"two runs of raw bytes over each other",
             {},
             {{"{", R"({"raw_bytes": {"0x017": "0505", "0x018": "07"},)"}},
             3,
             "field raw_bytes.0x018: byte 0x018 is given by raw_bytes.0x017 already"},
            {"one raw byte spelt twice",
             {},
             {{"{", R"({"raw_bytes": {"0x018": "05", "0x0018": "07"},)"}},
             3,
             "field raw_bytes.0x018: byte 0x018 is given by raw_bytes.0x0018 already"},
            {"a raw byte turning a switch off",
             {},
             {{"{", R"({"raw_bytes": {"0x926": "00"},)"}, {R"("number_zero":false)", R"("number_zero":true)"}},
             3,
             "field raw_bytes.0x926: byte 0x926 is given by number_zero already"},
            {"a raw byte saying which on a switch is", // what to-json writes for a switch byte of 2
             {},
             {{"{", R"({"raw_bytes": {"0x927": "02"},)"}, {R"("random":false)", R"("random":true)"}},
             0,
             "",
             {{0x927, 2}}},
            {"a raw place without 0x",
             {},
             {{"{", R"({"raw_bytes": {"018": "05"},)"}},
             3,
             "field raw_bytes.018: bad offset, expected a place from 0x000 to 0xB1D"},

            // Long and odd texts are quoted short and escaped.
            {"a field name of a megabyte",
             {patchWith(change(megabyte, "0", "1"))},
             {},
             3,
             "field " + cut(megabyte) + ": no such field"},
            {"a key of a megabyte",
             {R"({"kvpatch": 1, "changes": [], ")" + megabyte + R"(": 1})"},
             {},
             3,
             "unknown key \"" + cut(megabyte) + "\": a patch holds only \"kvpatch\", \"title\", \"author\", "
             "\"description\", \"made_with\" and \"changes\""},
            {"a key of a thousand control characters", // each escape counts six of the 48
             {R"({"kvpatch": 1, "changes": [], ")" + std::string(1000, '\x7f') + R"(": 1})"},
             {},
             3,
             "unknown key \"" + std::string("\\u007F\\u007F\\u007F\\u007F\\u007F\\u007F\\u007F\\u007F") +
                 "...\": a patch holds only \"kvpatch\", \"title\", \"author\", \"description\", \"made_with\" "
                 "and \"changes\""},
            {"a version of a megabyte",
             {R"({"kvpatch": ")" + megabyte + R"(", "changes": []})"},
             {},
             3,
             "patch format " + cut("\"" + megabyte) + ": this editor reads format 1"},
            {"a name of a megabyte",
             {patchWith(change("team_names[0]", R"("")", "\"" + megabyte + "\""))},
             {},
             3,
             "field team_names[0]: 1048576 characters, the field holds at most 13"},
            {"a NUL and an escape in a field name",
             {patchWith(change(R"(grip\u0000\u001b[2J)", "0", "1"))},
             {},
             3,
             "field grip\\u0000\\u001B[2J: no such field"},
            {"a key of a megabyte in a settings file",
             {},
             {{"{", "{\"" + megabyte + "\": 1,"}},
             3,
             "field " + cut(megabyte) + ": no such field"},
            {"a string that never ends",
             {R"({"kvpatch": 1, "changes": [")" + megabyte},
             {},
             3,
             "not JSON: [json.exception.parse_error.101] parse error at line 1, column 1048605: syntax error while "
             "parsing value - invalid string: missing closing quote; last read: '\"" +
                 std::string(41, 'x') + "..."},
            {"an escape in the value a patch expects", // the note shows it, the terminal does not obey it
             {patchWith(change("team_names[0]", R"("\u001b[2J")", R"("X")"))},
             {},
             0,
             "team_names[0] (Team 1 name) was \"\", the patch expects \"\\u001B[2J\"; changed all the same",
             {{0x3E9, 1}, {0x3EA, 'X'}}},

            // What a patch says about itself: texts of bounded length, no control characters.
            {"a title, author, description and label, as the editor writes them",
             {R"({"kvpatch": 1, "title": "Wet weekend \u00e9", "author": "Ann", "description": "Line 1\nLine 2\t!",
                 "made_with": "kvrdesk 0.1", "changes": [{"field": "grip.race[3]", "label": "anything at all",
                 "from": 0, "to": 7}]})"},
             {},
             0,
             "",
             {{0x667, 7}}},
            {"a label that is no text", // ignored as every label is
             {patchWith(R"({"field": "grip.race[3]", "label": [1, {"x": null}], "from": 0, "to": 7})")},
             {},
             0,
             "",
             {{0x667, 7}}},
            {"a title that is a number",
             {R"({"kvpatch": 1, "title": 5, "changes": []})"},
             {},
             3,
             "\"title\": expected text"},
            {"a title of a megabyte",
             {R"({"kvpatch": 1, "title": ")" + megabyte + R"(", "changes": []})"},
             {},
             3,
             "\"title\": 1048576 characters, it may hold at most 100"},
            {"a description one character too long, in letters of two bytes",
             {R"({"kvpatch": 1, "description": ")" + [] {
                  std::string s;
                  for (int i = 0; i < 4001; ++i)
                      s += "\u00e9";
                  return s;
              }() + R"(", "changes": []})"},
             {},
             3,
             "\"description\": 4001 characters, it may hold at most 4000"},
            {"an escape in the author",
             {R"({"kvpatch": 1, "author": "Ann\u001b[2J", "changes": []})"},
             {},
             3,
             "\"author\": holds the control character \\u001B"},
            {"a line break in the title",
             {R"({"kvpatch": 1, "title": "two\nlines", "changes": []})"},
             {},
             3,
             "\"title\": holds the control character \\u000A"},
            {"a C1 control in the program's name",
             {R"({"kvpatch": 1, "made_with": "x\u009b2J", "changes": []})"},
             {},
             3,
             "\"made_with\": holds the control character \\u009B"},
            {"a title given twice",
             {R"({"kvpatch": 1, "title": "a", "title": "b", "changes": []})"},
             {},
             3,
             "key \"title\" is given twice"},
            {"a byte of 2^32 + 255", // a long of 32 bits would take it for 255
             {patchWith(change("raw_bytes.0x74B", "0", "4294967551"))},
             {},
             3,
             "field raw_bytes.0x74B: expected a whole number from 0 to 255"},
        };
        return t;
    }();
    return table;
}

} // namespace kvrtest
