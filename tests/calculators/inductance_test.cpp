// The Inductance menu: air coil and toroid turns.
#include <gtest/gtest.h>

#include "tests/replay_support.h"

namespace {

using namespace sparvik::testing;

const std::string coil_l = "Spolens induktans och trådlängd ";
const std::string coil_n = "Spolens antal varv och trådlängd ";

TEST(Inductance, ExamplesRefillEveryField) {
    EXPECT_EQ(boxes(play("menu 229\ntype 243 5\npress 244\npress 245\n")),
              (std::vector<Box>{{coil_l, "488.1 uH och trådlängden är 30,159 mm"}}));
    EXPECT_EQ(boxes(play("menu 248\ntype 256 5\npress 257\npress 258\n")),
              (std::vector<Box>{{"Antal varv på toroidkärnan är ", "70 varv."}}));
    EXPECT_TRUE(boxes(play("menu 229\npress 244\npress 246\npress 245\n")).empty());
    EXPECT_TRUE(boxes(play("menu 248\npress 257\npress 259\npress 258\n")).empty());
}

TEST(Inductance, CoilFromTurnsOrTurnsFromInductance) {
    check_cases(229, 245,
                {
                    {{{234, "80"}, {237, "150"}, {243, "488.1"}}, {{coil_n, "120 varv och trådlängden är 30,159 mm"}}},
                    {{{234, "80"}, {237, "150"}, {243, "100"}}, {{coil_n, "54 varv och trådlängden är 13,572 mm"}}},
                    {{{234, "10"}, {237, "20"}, {240, "15"}}, {{coil_l, "0.9 uH och trådlängden är 471 mm"}}},
                    {{{234, "10"}, {237, "20"}, {243, "1.2"}}, {{coil_n, "17 varv och trådlängden är 534 mm"}}},
                    // Fractional turns enter both formulas as typed.
                    {{{234, "80"}, {237, "150"}, {240, "120.5"}}, {{coil_l, "492.1 uH och trådlängden är 30,285 mm"}}},
                    {{{234, "80"}, {237, "150"}, {240, "-120"}}, {{coil_l, "488.1 uH och trådlängden är -30,159 mm"}}},
                    {{{234, "-80"}, {237, "150"}, {240, "120"}}, {{coil_l, "796.3 uH och trådlängden är -30,159 mm"}}},
                    {{{234, "80"}, {237, "150"}, {240, "120"}, {243, "NaN"}},
                     {{coil_l, "488.1 uH och trådlängden är 30,159 mm"}}},
                    {{{234, "80"}, {237, "150"}, {240, "NaN"}, {243, "100"}},
                     {{coil_n, "54 varv och trådlängden är 13,572 mm"}}},
                    // Diameter and length are required; exactly one of turns and uH.
                    {{{234, "80"}, {240, "120"}}, {}},
                    {{{237, "150"}, {240, "120"}}, {}},
                    {{{234, "80"}, {237, "150"}, {240, "120"}, {243, "1"}}, {}},
                    {{{234, "80"}, {237, "150"}}, {}},
                });
}

TEST(Inductance, CoilWireUsesWholeTurnsRoundedToEven) {
    check_cases(
        229, 245,
        {
            // 16.5 and 17.5 turns exactly: wound as 16 and 18.
            {{{234, "10"}, {237, "20"}, {243, "1.089"}}, {{coil_n, "16 varv och trådlängden är 503 mm"}}},
            {{{234, "10"}, {237, "20"}, {243, "1.225"}}, {{coil_n, "18 varv och trådlängden är 565 mm"}}},
            // Far beyond the 32-bit integers the count is still whole.
            {{{234, "80"}, {237, "150"}, {243, "1e19"}},
             {{coil_n, "17,230,061,568 varv och trådlängden är 4,330,386,882,560 mm"}}},
            {{{234, "80"}, {237, "150"}, {243, "-100"}}, {{coil_n, "NaN varv och trådlängden är NaN mm"}}},
            {{{234, "80"}, {237, "150"}, {243, "+Infinity"}},
             {{coil_n, "+Infinity varv och trådlängden är +Infinity mm"}}},
            {{{234, "80"}, {237, "150"}, {240, "+Infinity"}},
             {{coil_l, "+Infinity uH och trådlängden är +Infinity mm"}}},
            // These change their digits when a stored step is skipped.
            {{{234, "646"}, {237, "168"}, {240, "716"}}, {{coil_l, "459,407.9 uH och trådlängden är 1,453,100 mm"}}},
            {{{234, "735"}, {237, "30"}, {240, "772.15"}}, {{coil_l, "879,443.6 uH och trådlängden är 1,782,949 mm"}}},
            {{{234, "872"}, {237, "115"}, {240, "988"}}, {{coil_l, "1,440,896.0 uH och trådlängden är 2,706,595 mm"}}},
            {{{234, "813"}, {237, "432"}, {240, "911"}}, {{coil_l, "677,224.8 uH och trådlängden är 2,326,799 mm"}}},
            {{{234, "8.244"}, {237, "8.179"}, {243, "6.455"}}, {{coil_n, "34 varv och trådlängden är 881 mm"}}},
        });
}

TEST(Inductance, ToroidTwoOfThree) {
    const std::string turns = "Antal varv på toroidkärnan är ";
    check_cases(248, 258,
                {
                    {{{252, "12"}, {256, "70"}}, {{"Induktansen är ", "58.80 uH."}}},
                    {{{254, "58.5"}, {256, "70"}}, {{"AL-värdet är ", "12 nH."}}},
                    {{{252, "abc"}, {254, "5"}, {256, "70"}}, {{"AL-värdet är ", "1 nH."}}},
                    {{{252, "12"}, {254, "-58.5"}}, {{turns, "NaN varv."}}},
                    {{{252, "0.001"}, {254, "1e12"}}, {{turns, "1,000,000,000 varv."}}},
                    {{{254, "1e6"}, {256, "-3"}}, {{"AL-värdet är ", "111,111,112 nH."}}},
                    {{{252, "12"}, {254, "58.5"}, {256, "70"}}, {}},
                    {{{252, "12"}}, {}},
                });
}

TEST(Inductance, ToroidTurnsAreAWholeNumber) {
    const std::string turns = "Antal varv på toroidkärnan är ";
    check_cases(248, 258,
                {
                    // Rounded to the nearest, halves to even; what rounds to 0 is not given.
                    {{{252, "12"}, {256, "2.5"}}, {{"Induktansen är ", "0.05 uH."}}},
                    {{{252, "12"}, {256, "1.5"}}, {{"Induktansen är ", "0.05 uH."}}},
                    {{{252, "12"}, {254, "58.5"}, {256, "0.4"}}, {{turns, "70 varv."}}},
                    {{{252, "12"}, {254, "58.5"}, {256, "-0.5"}}, {{turns, "70 varv."}}},
                    {{{252, "12"}, {254, "58.5"}, {256, "0.6"}}, {}},
                    {{{252, "12"}, {254, "58.5"}, {256, "NaN"}}, {{turns, "70 varv."}}},
                    // N * N beyond the 32-bit integers.
                    {{{252, "1"}, {256, "70000"}}, {{"Induktansen är ", "4,900,000.00 uH."}}},
                    // Beyond the 32-bit range the turns stop at its limits.
                    {{{252, "1e-6"}, {256, "3e9"}}, {{"Induktansen är ", "4,611,685,888.00 uH."}}},
                    {{{252, "1e-6"}, {256, "-3e9"}}, {{"Induktansen är ", "4,611,685,888.00 uH."}}},
                    {{{252, "1e-6"}, {256, "+Infinity"}}, {{"Induktansen är ", "4,611,685,888.00 uH."}}},
                    {{{254, "1"}, {256, "3e9"}}, {{"AL-värdet är ", "0 nH."}}},
                });
}

}  // namespace
