// The Reactance menu: capacitive and inductive reactance.
#include <gtest/gtest.h>

#include "tests/replay_support.h"

namespace {

using namespace sparvik::testing;

TEST(Reactance, ExamplesRefillEveryField) {
    // The typed third field is put back to 0 by "Exempel".
    EXPECT_EQ(boxes(play("menu 203\ntype 211 5\npress 212\npress 213\n")),
              (std::vector<Box>{{"Kapacitiv reaktans", "48.93 Ohm"}}));
    EXPECT_EQ(boxes(play("menu 216\ntype 222 5\npress 225\npress 226\n")),
              (std::vector<Box>{{"Induktansen är ", "0.29 uH"}}));
    EXPECT_TRUE(boxes(play("menu 203\npress 212\npress 214\npress 213\n")).empty());
    EXPECT_TRUE(boxes(play("menu 216\npress 225\npress 227\npress 226\n")).empty());
}

TEST(Reactance, CapacitiveFindsTheFieldLeftAtZero) {
    check_cases(203, 213,
                {
                    {{{209, "120"}, {211, "48.93"}}, {{"Frekvensen är", "27.11 MHz"}}},
                    {{{207, "27.105"}, {211, "48.93"}}, {{"Kapacitansen är", "120.00 pF"}}},
                    {{{207, "-27.105"}, {209, "120"}}, {{"Kapacitiv reaktans", "-48.93 Ohm"}}},
                    // Formed in float, F * C would show 14,696.68.
                    {{{207, "1.490"}, {209, "7.268"}}, {{"Kapacitiv reaktans", "14,696.67 Ohm"}}},
                    // NaN, text and -0 count as zero.
                    {{{207, "NaN"}, {209, "120"}, {211, "48.93"}}, {{"Frekvensen är", "27.11 MHz"}}},
                    {{{207, "abc"}, {209, "120"}, {211, "48.93"}}, {{"Frekvensen är", "27.11 MHz"}}},
                    {{{207, "1"}, {209, "-0"}, {211, "1"}}, {{"Kapacitansen är", "159,155.00 pF"}}},
                    {{{207, "1e-30"}, {209, "1e-30"}}, {{"Kapacitiv reaktans", "+Infinity Ohm"}}},
                    {{{207, "1e-20"}, {211, "-1e-20"}}, {{"Kapacitansen är", "-Infinity pF"}}},
                    {{{207, "+Infinity"}, {209, "1"}}, {{"Kapacitiv reaktans", "0.00 Ohm"}}},
                    {{{207, "1"}, {209, "2"}, {211, "3"}}, {}},
                    {{{207, "1"}}, {}},
                    {{{209, "1"}}, {}},
                    {{{211, "1"}}, {}},
                });
}

TEST(Reactance, InductiveFindsTheFieldLeftAtZero) {
    check_cases(216, 226,
                {
                    {{{220, "27.105"}, {222, "0.29"}}, {{"Induktiv reaktans", "49.39 Ohm"}}},
                    {{{222, "0.29"}, {224, "50"}}, {{"Frekvensen är ", "27.44 MHz"}}},
                    {{{220, "-27.105"}, {222, "0.29"}}, {{"Induktiv reaktans", "-49.39 Ohm"}}},
                    // F * 2 pi in float would show 431,403.03; 2 pi in double 1,183,123.75.
                    {{{220, "90.82"}, {222, "756"}}, {{"Induktiv reaktans", "431,403.00 Ohm"}}},
                    {{{220, "538"}, {222, "350"}}, {{"Induktiv reaktans", "1,183,123.88 Ohm"}}},
                    {{{220, "0.014"}, {224, "980"}}, {{"Induktansen är ", "11,140.85 uH"}}},
                    {{{220, "-1e-3"}, {224, "1"}}, {{"Induktansen är ", "-159.15 uH"}}},
                    {{{220, "1"}, {222, "NaN"}, {224, "50"}}, {{"Induktansen är ", "7.96 uH"}}},
                    {{{220, "1e20"}, {222, "1e20"}}, {{"Induktiv reaktans", "+Infinity Ohm"}}},
                    {{{222, "+Infinity"}, {224, "+Infinity"}}, {{"Frekvensen är ", "NaN MHz"}}},
                    {{{220, "1"}, {222, "2"}, {224, "3"}}, {}},
                    {{{222, "1"}}, {}},
                });
}

}  // namespace
