// The Frequency menu: resonance of L and C, period time, Q value.
#include <gtest/gtest.h>

#include "tests/replay_support.h"

namespace {

using namespace sparvik::testing;

TEST(Frequency, ExamplesGiveTheirBoxes) {
    EXPECT_EQ(boxes(play("menu 24\npress 35\npress 36\n")),
              (std::vector<Box>{{"FQ_LC()", "471.43 kHz och 50.06 Ohm"}}));
    EXPECT_EQ(boxes(play("menu 39\npress 44\npress 45\n")), (std::vector<Box>{{"FQ_TID()", "0.03689 tid i uS"}}));
    EXPECT_EQ(boxes(play("menu 48\npress 55\npress 56\n")), (std::vector<Box>{{"Q-Värdet är ", "16.15"}}));
    // After "Nollställ" every field is 0 again.
    EXPECT_TRUE(boxes(play("menu 24\npress 35\npress 37\npress 36\n")).empty());
    EXPECT_TRUE(boxes(play("menu 48\npress 55\npress 57\npress 56\n")).empty());
    EXPECT_EQ(boxes(play("menu 39\npress 44\npress 46\npress 45\n")),
              (std::vector<Box>{{"FQ_TID()", "+Infinity tid i uS"}}));
}

TEST(Frequency, LcExampleLeavesFrequencyAndImpedanceAlone) {
    const Played played = play("menu 24\ntype 32 100\npress 35\nread 28\nread 30\nread 32\nread 34\npress 36\n");
    ASSERT_EQ(played.lines.size(), 6U);
    EXPECT_EQ(json_strings(played.lines[2]).back(), "16.9");
    EXPECT_EQ(json_strings(played.lines[3]).back(), "6744");
    EXPECT_EQ(json_strings(played.lines[4]).back(), "100");
    EXPECT_EQ(json_strings(played.lines[5]).back(), "0");
    EXPECT_TRUE(boxes(played).empty());  // three fields given: no rule
}

TEST(Frequency, LcTwoFieldsGiveTheOtherTwo) {
    const std::string t = "FQ_LC()";
    check_cases(24, 36,
                {
                    {{{28, "16.9"}, {32, "471.4"}}, {{t, "6,745 pF och 50.1 Ohm"}}},
                    {{{28, "16.9"}, {34, "50.06"}}, {{t, "471.4 kHz och 6,743.8 pF"}}},
                    {{{30, "6744"}, {32, "471.4"}}, {{t, "16.9 uH och 50.1 Ohm"}}},
                    {{{32, "471.4"}, {34, "50.06"}}, {{t, "6,744.3 pF och 16.9 uH"}}},
                    {{{28, "0.1"}, {30, "1"}}, {{t, "503,292.09 kHz och 316.23 Ohm"}}},
                    // NaN and -0 count as not given.
                    {{{28, "16.9"}, {30, "6744"}, {32, "NaN"}, {34, "-0"}}, {{t, "471.43 kHz och 50.06 Ohm"}}},
                    {{{30, "6744"}, {34, "50.06"}}, {}},  // capacitance and impedance: no rule
                    {{{28, "16.9"}}, {}},
                    {{{28, "1"}, {30, "2"}, {32, "3"}}, {}},
                    {{{28, "1"}, {30, "2"}, {32, "3"}, {34, "4"}}, {}},
                });
}

TEST(Frequency, LcSignsAndInfinities) {
    const std::string t = "FQ_LC()";
    check_cases(24, 36,
                {
                    {{{28, "-16.9"}, {30, "6744"}}, {{t, "NaN kHz och NaN Ohm"}}},
                    {{{32, "471.4"}, {34, "-50.06"}}, {{t, "-6,744.3 pF och -16.9 uH"}}},
                    {{{28, "16.9"}, {32, "-471.4"}}, {{t, "6,745 pF och 50.1 Ohm"}}},
                    {{{28, "-16.9"}, {32, "471.4"}}, {{t, "-6,745 pF och 50.1 Ohm"}}},
                    {{{28, "+Infinity"}, {30, "1"}}, {{t, "0.00 kHz och +Infinity Ohm"}}},
                    {{{28, "1e-30"}, {30, "1e-30"}}, {{t, "+Infinity kHz och 1,000.00 Ohm"}}},
                    {{{30, "6744"}, {32, "+Infinity"}}, {{t, "0.0 uH och 0.0 Ohm"}}},
                });
}

// Each case shows other digits if a 32-bit step is kept in double precision
// or a double-precision step is done in 32 bits.
TEST(Frequency, LcRoundsExactlyWhereItStores) {
    const std::string t = "FQ_LC()";
    check_cases(24, 36,
                {
                    {{{28, "1.159"}, {30, "2.177"}}, {{t, "100,195.73 kHz och 729.65 Ohm"}}},
                    {{{28, "41.02"}, {32, "7.006"}}, {{t, "12,580,685 pF och 1.8 Ohm"}}},
                    {{{28, "1.115"}, {32, "3.538"}}, {{t, "1,814,887,396 pF och 0.0 Ohm"}}},
                    {{{28, "8.496"}, {34, "2.887"}}, {{t, "54.1 kHz och 1,019,344.2 pF"}}},
                    {{{30, "8.221"}, {32, "7.001"}}, {{t, "62,863,050.9 uH och 2,765,256.5 Ohm"}}},
                    {{{30, "61"}, {32, "7.58"}}, {{t, "7,227,232.1 uH och 344,208.1 Ohm"}}},
                    {{{32, "2.558"}, {34, "7.680"}}, {{t, "8,101,368.1 pF och 477.8 uH"}}},
                });
}

TEST(Frequency, PeriodIsOneOverTheFrequencyStored) {
    const std::string t = "FQ_TID()";
    check_cases(39, 45,
                {
                    {{{43, "0"}}, {{t, "+Infinity tid i uS"}}},
                    {{{43, "abc"}}, {{t, "+Infinity tid i uS"}}},
                    {{{43, "-0"}}, {{t, "-Infinity tid i uS"}}},
                    {{{43, "1"}}, {{t, "1.00000 tid i uS"}}},
                    {{{43, "3"}}, {{t, "0.33333 tid i uS"}}},
                    {{{43, "-2"}}, {{t, "-0.50000 tid i uS"}}},
                    // 1 / 0.001F is 999.99998 in double; stored it is 999.99994.
                    {{{43, "0.001"}}, {{t, "999.99994 tid i uS"}}},
                    {{{43, "1e-6"}}, {{t, "1,000,000.00000 tid i uS"}}},
                    {{{43, "1e-40"}}, {{t, "+Infinity tid i uS"}}},
                    {{{43, "NaN"}}, {{t, "NaN tid i uS"}}},
                    {{{43, "-Infinity"}}, {{t, "0.00000 tid i uS"}}},
                });
}

TEST(Frequency, QIsReactanceOverResistance) {
    const std::string t = "Q-Värdet är ";
    check_cases(48, 56,
                {
                    {{{52, "1"}, {54, "3"}}, {{t, "3.00"}}},
                    {{{52, "59.45"}, {54, "3.68"}}, {{t, "0.06"}}},
                    {{{52, "244"}, {54, "62.22"}}, {{t, "0.25"}}},  // 0.255 in double, 0.25499 stored
                    {{{52, "0.001"}, {54, "1000"}}, {{t, "999,999.94"}}},
                    {{{52, "1e-30"}, {54, "1e30"}}, {{t, "+Infinity"}}},
                    {{{52, "+Infinity"}, {54, "+Infinity"}}, {{t, "NaN"}}},
                    // Both must be greater than 0.
                    {{{52, "0"}, {54, "3"}}, {}},
                    {{{52, "1"}, {54, "0"}}, {}},
                    {{{52, "-1"}, {54, "3"}}, {}},
                    {{{52, "1"}, {54, "-3"}}, {}},
                    {{{52, "NaN"}, {54, "3"}}, {}},
                    {{{52, "1"}, {54, "-Infinity"}}, {}},
                });
}

}  // namespace
