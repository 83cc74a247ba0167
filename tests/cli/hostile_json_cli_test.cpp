// SPDX-License-Identifier: GPL-3.0-or-later
// apply and from-json on the table of hostile inputs: the exit code, the message on
// stderr naming the file, and nothing written unless the input is taken.
#include "cli/cli_fixture.h"
#include "core/settings_file.h"
#include "core/settings_record.h"
#include "support/hostile_json.h"

#include <nlohmann/json.hpp>

namespace {
namespace fs = std::filesystem;
using kvrtest::readFile;

using HostileJsonCli = kvrtest::Cli;

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

TEST_F(HostileJsonCli, EachIsTakenOrRefusedWithItsExitCodeAndMessage)
{
    ASSERT_TRUE(kvr::writeSettingsFile(file("zero.KVS"), kvr::SettingsRecord()));
    const auto zero = cli({"to-json", file("zero.KVS").string()});
    ASSERT_EQ(zero.exitCode, 0) << zero.err;
    // to-json indents; the table edits the form as one line.
    const std::string form = nlohmann::ordered_json::parse(zero.out).dump();
    const fs::path out = file("out.KVS");
    for (const kvrtest::HostileInput& row : kvrtest::hostileInputs()) {
        SCOPED_TRACE(row.what);
        fs::remove(out);
        std::string expected;
        kvrtest::RunResult r;
        if (row.patches.empty()) {
            std::string text = form;
            for (const auto& [from, to] : row.edits)
                text.replace(text.find(from), from.size(), to);
            r = cli({"from-json", textFile("in.json", text).string(), "-o", out.string()});
            if (row.exitCode != 0)
                expected = "kvrdesk-cli: " + row.message + "\n";
        } else {
            std::vector<std::string> args = {"apply"};
            const char* names[] = {"first.kvpatch", "second.kvpatch"};
            for (std::size_t i = 0; i < row.patches.size(); ++i)
                args.push_back(textFile(names[i], row.patches[i]).string());
            args.insert(args.end(), {"-i", file("zero.KVS").string(), "-o", out.string()});
            r = cli(args);
            if (row.exitCode == 5)
                expected = "kvrdesk-cli: conflict: " +
                           replaced(replaced(row.message, "first.kvpatch", file("first.kvpatch").string()),
                                    "second.kvpatch", file("second.kvpatch").string()) +
                           "\nkvrdesk-cli: nothing was written; give --last-wins to keep the later patch's values\n";
            else if (row.exitCode == 3)
                expected = "kvrdesk-cli: " + args[1] + ": " + row.message + "\n";
            else if (!row.message.empty())
                expected = "kvrdesk-cli: note: " + args[1] + ": " + row.message + "\n";
        }
        EXPECT_EQ(r.exitCode, row.exitCode);
        if (row.exitCode == 0) {
            EXPECT_EQ(r.err, expected);
            std::vector<std::uint8_t> bytes(kvr::rec::kSize, 0);
            for (const auto& [offset, value] : row.bytes)
                bytes[offset] = std::uint8_t(value);
            EXPECT_EQ(readFile(out), bytes);
        } else {
            EXPECT_EQ(r.err, expected);
            EXPECT_FALSE(fs::exists(out));
        }
    }
}

} // namespace
