// SPDX-License-Identifier: GPL-3.0-or-later
// The core's readers answer every hostile patch and JSON form of the table as the
// command line does: the same message, the same bytes.
#include "core/errors.h"
#include "core/settings_record.h"
#include "game/record_json.h"
#include "game/record_patch.h"
#include "support/hostile_json.h"

#include <gtest/gtest.h>

namespace {

std::string edited(std::string text, const std::vector<std::pair<std::string, std::string>>& edits)
{
    for (const auto& [from, to] : edits) {
        const std::size_t at = text.find(from);
        if (at == std::string::npos)
            ADD_FAILURE() << "no " << from << " to edit";
        else
            text.replace(at, from.size(), to);
    }
    return text;
}

// What reading the row's input gives: a record, or the message it was refused with.
struct Read {
    kvr::SettingsRecord record;
    std::string message;
    bool conflict = false;
};

Read readRow(const kvrtest::HostileInput& row)
{
    Read read;
    try {
        if (row.patches.empty()) {
            read.record = kvr::recordFromJsonText(edited(kvr::recordToJson(kvr::SettingsRecord()).dump(), row.edits));
            return read;
        }
        std::vector<kvr::RecordPatch> patches;
        for (const std::string& text : row.patches)
            patches.push_back(kvr::parsePatch(text));
        const kvr::PatchOutcome out = kvr::applyPatches(kvr::SettingsRecord(), patches);
        read.record = out.record;
        if (!out.conflicts.empty()) {
            EXPECT_EQ(out.conflicts.size(), 1u);
            read.conflict = true;
            read.message = kvr::conflictText(out.conflicts[0], {"first.kvpatch", "second.kvpatch"});
        }
    } catch (const kvr::GeneralError& e) {
        EXPECT_TRUE(row.patches.empty() || dynamic_cast<const kvr::PatchError*>(&e)) << "a patch's fault is its own";
        read.message = e.what();
    }
    return read;
}

TEST(HostileJson, EachIsReadOrRefusedAsTheTableSays)
{
    for (const kvrtest::HostileInput& row : kvrtest::hostileInputs()) {
        SCOPED_TRACE(row.what);
        const Read read = readRow(row);
        EXPECT_EQ(read.message, row.exitCode == 0 ? "" : row.message);
        EXPECT_EQ(read.conflict, row.exitCode == 5);
        if (row.exitCode != 0)
            continue;
        kvr::SettingsRecord expected;
        for (const auto& [offset, value] : row.bytes)
            expected.setByte(offset, std::uint8_t(value));
        EXPECT_TRUE(read.record == expected);
    }
}

} // namespace
