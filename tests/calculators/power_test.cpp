// The Power menu: Ohm's law, Joule's law, RMS and peak voltage.
#include <gtest/gtest.h>

#include "tests/replay_support.h"

namespace {

using namespace sparvik::testing;

TEST(Power, ExamplesGiveTheirBoxes) {
    EXPECT_EQ(boxes(play("menu 59\npress 68\npress 69\n")), (std::vector<Box>{{"Ohms lag", "6.00 Ohm"}}));
    EXPECT_EQ(boxes(play("menu 72\npress 83\npress 84\n")),
              (std::vector<Box>{{"EFF_JOULE()", "800.00 Watt och 200.00 Volt"}}));
    EXPECT_EQ(boxes(play("menu 87\npress 94\npress 95\n")),
              (std::vector<Box>{{"EFF_TOPP()", "Effektivvärdet är 7.07 Volt och Vpp är 20.00 Volt"}}));
}

TEST(Power, OhmsLawGivesOneBoxPerZeroField) {
    const std::string t = "Ohms lag";
    check_cases(59, 69,
                {
                    {{}, {{t, "0.00 Volt"}, {t, "NaN Ohm"}, {t, "NaN Ampere"}}},
                    {{{63, "12"}}, {{t, "+Infinity Ohm"}, {t, "+Infinity Ampere"}}},
                    {{{63, "-12"}}, {{t, "-Infinity Ohm"}, {t, "-Infinity Ampere"}}},
                    {{{65, "4.7"}, {67, "0.1"}}, {{t, "0.47 Volt"}}},
                    {{{63, "230"}, {65, "1000"}}, {{t, "0.23 Ampere"}}},
                    {{{63, "1"}, {65, "2"}, {67, "3"}}, {}},
                    {{{63, "NaN"}, {65, "2"}, {67, "3"}}, {{t, "6.00 Volt"}}},
                    {{{63, "+Infinity"}, {65, "+infinity"}}, {{t, "NaN Ampere"}}},
                    {{{65, "1e30"}, {67, "1e30"}}, {{t, "+Infinity Volt"}}},
                    {{{65, "1000"}, {67, "1000"}}, {{t, "1,000,000.00 Volt"}}},
                    {{{63, "3,3"}, {67, "1,1"}}, {{t, "3.00 Ohm"}}},
                    {{{63, "1"}, {67, "3"}}, {{t, "0.33 Ohm"}}},
                });
}

TEST(Power, JoulesLawNeedsExactlyTwoFields) {
    const std::string t = "EFF_JOULE()";
    check_cases(72, 84,
                {
                    {{{76, "100"}, {78, "230"}}, {{t, "0.43 Ampere och 529.00 Ohm"}}},
                    {{{76, "100"}, {82, "50"}}, {{t, "70.71 Volt och 1.41 Ampere"}}},
                    {{{78, "12"}, {80, "2"}}, {{t, "24.00 Watt"}}},
                    {{{76, "60"}, {80, "0.5"}}, {{t, "120.00 Volt och 240.00 Ohm"}}},
                    {{{78, "230"}, {82, "1000"}}, {{t, "52.90 Watt och 0.23 Ampere"}}},
                    {{{80, "3"}, {82, "7"}}, {{t, "63.00 Watt och 21.00 Volt"}}},
                    {{{76, "-100"}, {82, "50"}}, {{t, "NaN Volt och NaN Ampere"}}},
                    {{{76, "100"}, {78, "-0"}}, {}},
                    {{{76, "1"}}, {}},
                    {{{76, "1"}, {78, "2"}, {80, "3"}}, {}},
                    {{{76, "1"}, {78, "2"}, {80, "3"}, {82, "4"}}, {}},
                    {{{78, "1e20"}, {80, "1e20"}}, {{t, "+Infinity Watt"}}},
                });
}

TEST(Power, JoulesLawTakesTheSecondQuantityFromTheStoredFirst) {
    // R = U / I with I stored as 0.43478259, not as 100/230 exactly.
    const auto shown = press_after_typing(72, {{76, "100"}, {78, "230"}}, 84);
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(shown[0].text, "0.43 Ampere och 529.00 Ohm");
    EXPECT_EQ(press_after_typing(72, {{76, "1"}, {78, "3"}}, 84)[0].text, "0.33 Ampere och 9.00 Ohm");
}

TEST(Power, RmsKeepsTheDecimalsOfThePower) {
    const std::string t = "EFF_TOPP()";
    check_cases(87, 95,
                {
                    {{{91, "10"}, {93, "8"}}, {{t, "7.071 Volt och 6.25 Watt"}}},
                    {{{91, "1"}, {93, "8"}}, {{t, "0.707 Volt och 0.06 Watt"}}},
                    {{{91, "325"}}, {{t, "Effektivvärdet är 229.81 Volt och Vpp är 650.00 Volt"}}},
                    {{{91, "-10"}}, {{t, "Effektivvärdet är -7.07 Volt och Vpp är -20.00 Volt"}}},
                    {{{91, "0"}, {93, "8"}}, {}},
                    {{{91, "NaN"}, {93, "8"}}, {}},
                    {{{91, "+Infinity"}, {93, "8"}}, {{t, "+Infinity Volt och +Infinity Watt"}}},
                    {{{91, "10"}, {93, "-8"}}, {{t, "7.071 Volt och -6.25 Watt"}}},
                    {{{91, "1e30"}, {93, "1e-30"}},
                     {{t, "707,106,756,521,694,677,431,515,873,280.000 Volt och +Infinity Watt"}}},
                });
}

TEST(Power, ResetPutsZerosBack) {
    const Played played = play("menu 72\npress 83\npress 85\nread 76\nread 78\nread 80\nread 82\npress 84\n");
    EXPECT_TRUE(boxes(played).empty());
    for (std::size_t i = played.lines.size() - 4; i < played.lines.size(); ++i) {
        EXPECT_EQ(json_strings(played.lines[i]).back(), "0");
    }
}

}  // namespace
