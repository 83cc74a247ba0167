// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/input_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {
using kvrtest::TempDir;

TEST(InputFile, ReadsWithinItsLimitOrRefusesOrCuts)
{
    const struct {
        const char* what;
        std::size_t size;
        std::uint64_t limit;
        kvr::Longer longer;
        long expected; // bytes read, or -1 for refused
    } cases[] = {
        {"at the limit", 2846, 2846, kvr::Longer::Refuse, 2846},
        {"one past the limit", 2847, 2846, kvr::Longer::Refuse, -1},
        {"longer, cut at the limit", 5000, 2846, kvr::Longer::Cut, 2846},
        {"shorter than the limit", 100, 2846, kvr::Longer::Cut, 100},
        {"empty", 0, 10, kvr::Longer::Refuse, 0},
    };
    TempDir dir;
    for (const auto& c : cases) {
        std::vector<std::uint8_t> bytes(c.size);
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = std::uint8_t(i * 7);
        kvrtest::writeFile(dir / "f", bytes);
        if (c.expected < 0) {
            EXPECT_THROW(kvr::readInputFile(dir / "f", c.limit, c.longer), kvr::InputFileError) << c.what;
            continue;
        }
        const auto got = kvr::readInputFile(dir / "f", c.limit, c.longer);
        EXPECT_EQ(got, std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + c.expected)) << c.what;
    }
    try {
        kvr::readInputFile(dir / "missing", 10);
        FAIL();
    } catch (const kvr::InputFileError& e) {
        EXPECT_TRUE(e.cannotOpen()) << "a missing file is one that cannot be opened";
    }
}

} // namespace
