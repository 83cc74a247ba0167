// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/codecs.h"
#include "editors/names/names_blocks.h"
#include "editors/noses/nose_blocks.h"
#include "editors/pitline/pit_line_blocks.h"
#include "editors/tuning/tuning_blocks.h"

#include <gtest/gtest.h>

namespace {

struct SwitchRow {
    const char* what;
    kvr::CodeSwitch codec;
    std::uint8_t on;  // what is written for on and off
    std::uint8_t off;
    std::uint8_t foreign; // a byte that is neither
    bool foreignReads;
};

// Each switch of the game: what it writes, and how a byte it never writes reads.
const SwitchRow kSwitches[] = {
    {"number zero: only 0xFF is on", kvr::names::kNumberZero, 0xFF, 0xDE, 0x12, false},
    {"pit speed check: only 0x74 is on", kvr::pitline::kCheck, 0x74, 0xEB, 0x75, false},
    {"opponents fuel: anything but 0x74 is on", kvr::tuning::kOpponentFuel, 0xEB, 0x74, 0x00, true},
    {"team performance: anything but 0xFF is on", kvr::tuning::kTeamPerformance, 0x00, 0xFF, 0x01, true},
    {"nose table B: anything but 0 is raised", kvr::noses::kTableB, 0x01, 0x00, 0x02, true},
};

TEST(Codecs, SwitchesWriteTheirBytesAndReadForeignOnesByTheirRule)
{
    for (const SwitchRow& r : kSwitches) {
        SCOPED_TRACE(r.what);
        EXPECT_EQ(r.codec.encode(true), r.on);
        EXPECT_EQ(r.codec.encode(false), r.off);
        EXPECT_TRUE(r.codec.decode(r.on));
        EXPECT_FALSE(r.codec.decode(r.off));
        EXPECT_EQ(r.codec.decode(r.foreign), r.foreignReads);
    }
}

TEST(Codecs, BiasedWordsAndPaletteBytesRoundTripEveryValue)
{
    constexpr kvr::BiasedWord word{0x3D87};
    for (int v = 0; v < 0x10000; ++v)
        ASSERT_EQ(word.decode(word.encode(std::uint16_t(v))), v);
    EXPECT_EQ(word.decode(0x3D86), 0xFFFF) << "below the bias wraps";
    for (int b = 0; b < 256; ++b)
        ASSERT_EQ(kvr::PaletteByte::encode(kvr::PaletteByte::decode(std::uint8_t(b))), b);
}

} // namespace
