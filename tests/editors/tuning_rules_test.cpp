// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/tuning/tuning_rules.h"

#include <gtest/gtest.h>

namespace {

using namespace kvr;

struct WeightRow {
    const char* what;
    int pounds;
    int kilograms;
};

TEST(TuningRules, PoundsToKilograms)
{
    const WeightRow rows[] = {
        {"155 lb is 70.30645 kg", 155, 70},
        {"1530 lb is 693.99 kg", 1530, 694},
        {"0", 0, 0},
        {"1 lb is 0.45 kg", 1, 0},
        {"2 lb is 0.907 kg", 2, 1},
        {"the bar's end, 10000 lb is 4535.9 kg", 10000, 4536},
        {"an exact half rounds to even (22679.5 -> 22680)", 50000, 22680},
        {"an exact half rounds to even (68038.5 -> 68038)", 150000, 68038},
    };
    for (const WeightRow& r : rows) {
        SCOPED_TRACE(r.what);
        EXPECT_EQ(kilograms(r.pounds), r.kilograms);
    }
    EXPECT_EQ(poundsText(155), "155 lb");
    EXPECT_EQ(kilogramsText(155), "70 kg");
}

struct TypedRow {
    const char* what;
    long long typed;
    int stored;
};

TEST(TuningRules, ThresholdFromTypedEngineSpeed)
{
    const TypedRow rows[] = {
        {"6154 stores 0", 6154, 0},
        {"below 6154 stores 0", 5000, 0},
        {"6155 stores 1", 6155, 1},
        {"12000 stores 5846", 12000, 5846},
        {"a negative speed stores 0, not a wrapped huge value", -1, 0},
        {"the top of the word", 6154 + 65535, 65535},
        {"beyond the word stays at the top", 100000, 65535},
    };
    for (const TypedRow& r : rows) {
        SCOPED_TRACE(r.what);
        EXPECT_EQ(thresholdFromTyped(r.typed), r.stored);
    }
    EXPECT_EQ(thresholdShown(0), 6154);
    EXPECT_EQ(thresholdShown(5846), 12000);
    EXPECT_EQ(thresholdShown(65535), 71689);
}

TEST(TuningRules, FuelLoads)
{
    const TypedRow qualifying[] = {
        {"1 lap stores 0", 1, 0},
        {"5 laps store 4", 5, 4},
        {"256 laps is the most the byte holds", 256, 255},
        {"0 laps cannot be stored: the least is 1 lap", 0, 0},
        {"300 laps stay at the most, not 44", 300, 255},
    };
    for (const TypedRow& r : qualifying) {
        SCOPED_TRACE(r.what);
        EXPECT_EQ(qualifyingFuelFromTyped(r.typed), r.stored);
    }
    const TypedRow practice[] = {
        {"20 laps", 20, 20}, {"0 laps", 0, 0}, {"255 laps", 255, 255}, {"256 laps stay 255, not 0", 256, 255},
        {"negative is 0", -3, 0},
    };
    for (const TypedRow& r : practice) {
        SCOPED_TRACE(r.what);
        EXPECT_EQ(practiceFuelFromTyped(r.typed), r.stored);
    }
    EXPECT_EQ(qualifyingLapsShown(0), 1);
    EXPECT_EQ(qualifyingLapsShown(255), 256);
}

TEST(TuningRules, LedColourItems)
{
    EXPECT_EQ(ledColourItem(1), 0);
    EXPECT_EQ(ledColourItem(2), 1);
    EXPECT_EQ(ledColourItem(3), 2);
    EXPECT_EQ(ledColourItem(0), std::nullopt);
    EXPECT_EQ(ledColourItem(4), std::nullopt);
    for (int item = 0; item < 3; ++item)
        EXPECT_EQ(ledColourItem(ledColourOfItem(item)), item);
}

TEST(TuningRules, WeightBarRange)
{
    EXPECT_EQ(weightFromBar(0), 0);
    EXPECT_EQ(weightFromBar(10000), 10000);
    EXPECT_EQ(weightFromBar(10001), 10000);
    EXPECT_EQ(weightFromBar(-5), 0);
}

} // namespace
