// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/errors.h"
#include "core/tr_marker.h"

#include <gtest/gtest.h>

namespace {

struct FillCase {
    kvr::Marked pattern;
    std::vector<std::string> args;
    const char* english;
};

class FillIn : public testing::TestWithParam<FillCase> {};

TEST_P(FillIn, MakesTheEnglishTextAndKeepsItsParts)
{
    const FillCase& c = GetParam();
    std::vector<kvr::Message> args(c.args.begin(), c.args.end());
    const kvr::Message m(c.pattern, args);
    EXPECT_EQ(m.english(), c.english);
    EXPECT_EQ(m.context(), "ctx");
    EXPECT_EQ(m.pattern(), c.pattern.text);
    ASSERT_EQ(m.args().size(), c.args.size());
    for (std::size_t i = 0; i < c.args.size(); ++i)
        EXPECT_EQ(m.args()[i].english(), c.args[i]);
}

INSTANTIATE_TEST_SUITE_P(Texts, FillIn,
                         testing::Values(FillCase{KVR_TR_NOOP("ctx", "Cannot open the settings file %1"),
                                                  {"/games/A.KVS"},
                                                  "Cannot open the settings file /games/A.KVS"},
                                         // An argument is put in as it is, even when it looks like a place of its own.
                                         FillCase{KVR_TR_NOOP("ctx", "%1 and %2"), {"%2", "x"}, "%2 and x"},
                                         FillCase{KVR_TR_NOOP("ctx", "100% done, %1"), {"ok"}, "100% done, ok"},
                                         // A place without an argument stays as written.
                                         FillCase{KVR_TR_NOOP("ctx", "%1 of %3"), {"one"}, "one of %3"},
                                         FillCase{KVR_TR_NOOP("ctx", "no places"), {}, "no places"}));

TEST(Message, KeepsMessagesInsideMessagesAndTextsAsTheyAre)
{
    const kvr::Message inner = kvr::fillIn(KVR_TR_NOOP("in", "cannot write: %1"), {"No space left on device"});
    const kvr::Message outer = kvr::fillIn(KVR_TR_NOOP("out", "%1: %2"), {"/g/KVR.EXE", inner});
    EXPECT_EQ(outer.english(), "/g/KVR.EXE: cannot write: No space left on device");
    EXPECT_FALSE(outer.args()[0].marked());
    EXPECT_EQ(outer.args()[1].context(), "in");
    // Put together, each part keeps what it is; a text with a "%1" of its own stays.
    const kvr::Message joined = kvr::Message("100%1 ") + outer + "\n";
    EXPECT_EQ(joined.english(), "100%1 /g/KVR.EXE: cannot write: No space left on device\n");
    EXPECT_FALSE(joined.marked());
}

TEST(Message, JoinsMoreThanNinePartsInOrder)
{
    std::vector<kvr::Message> parts;
    std::string expected;
    for (int i = 0; i < 23; ++i) {
        parts.push_back(std::to_string(i));
        expected += (i ? "," : "") + std::to_string(i);
    }
    EXPECT_EQ(kvr::Message::joined(parts, ",").english(), expected);
}

TEST(Message, AnErrorCarriesItsMessage)
{
    const kvr::Message m = kvr::fillIn(KVR_TR_NOOP("ctx", "bad %1"), {"x"});
    try {
        throw kvr::GeneralError(m);
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "bad x");
        EXPECT_EQ(kvr::messageOf(e).context(), "ctx");
    }
    EXPECT_FALSE(kvr::messageOf(std::runtime_error("plain")).marked());
}

} // namespace
