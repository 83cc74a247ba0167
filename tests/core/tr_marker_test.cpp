// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tr_marker.h"

#include <gtest/gtest.h>

namespace {

struct FillCase {
    const char* pattern;
    std::vector<std::string> args;
    const char* english;
};

class FillIn : public testing::TestWithParam<FillCase> {};

TEST_P(FillIn, MakesTheEnglishTextAndKeepsItsPattern)
{
    const FillCase& c = GetParam();
    std::string text;
    switch (c.args.size()) {
    case 0:
        text = kvr::fillIn(c.pattern, {});
        break;
    case 1:
        text = kvr::fillIn(c.pattern, {c.args[0]});
        break;
    default:
        text = kvr::fillIn(c.pattern, {c.args[0], c.args[1]});
        break;
    }
    EXPECT_EQ(text, c.english);
    const auto from = kvr::filledFrom(text);
    ASSERT_TRUE(from);
    EXPECT_EQ(from->pattern, c.pattern);
    EXPECT_EQ(from->args, c.args);
}

INSTANTIATE_TEST_SUITE_P(Texts, FillIn,
                         testing::Values(FillCase{"Cannot open the settings file %1",
                                                  {"/games/A.KVS"},
                                                  "Cannot open the settings file /games/A.KVS"},
                                         // An argument is put in as it is, even when it looks like a place of its own.
                                         FillCase{"%1 and %2", {"%2", "x"}, "%2 and x"},
                                         FillCase{"100% done, %1", {"ok"}, "100% done, ok"},
                                         // A place without an argument stays as written.
                                         FillCase{"%1 of %3", {"one"}, "one of %3"},
                                         FillCase{"no places", {}, "no places"}));

TEST(FilledFrom, KnowsOnlyTextsMadeLately)
{
    EXPECT_FALSE(kvr::filledFrom("never made by fillIn"));
    const std::string first = kvr::fillIn("first %1", {"text"});
    for (int i = 0; i < 200; ++i)
        kvr::fillIn("other %1", {std::to_string(i)});
    EXPECT_FALSE(kvr::filledFrom(first));
    EXPECT_TRUE(kvr::filledFrom("other 199"));
}

} // namespace
