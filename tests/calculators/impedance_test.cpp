// The Impedance menu: transformer turns and impedances, coaxial diameters.
#include <gtest/gtest.h>

#include "calculators/calculators.h"
#include "frame/scripted_toolkit.h"
#include "tests/replay_support.h"
#include "tests/window_support.h"

namespace {

using namespace sparvik::testing;
using sparvik::frame::Rect;
using sparvik::frame::ScriptedToolkit;

const std::string kabel = "Beräkningar ger följande resultat";

std::string diameters(const std::string& i50, const std::string& i75, const std::string& o50, const std::string& o75) {
    return "Innerledare vid 50 Ohm " + i50 + "\nInnerledare vid 75 Ohm " + i75 + "\n\nYtterledare vid 50 Ohm " + o50 +
           "\nYtterledare vid 75 Ohm  " + o75;
}

TEST(Impedance, ExamplesGiveTheirBoxes) {
    EXPECT_EQ(boxes(play("menu 177\npress 188\npress 189\n")), (std::vector<Box>{{"Sekundär ", "5 varv"}}));
    EXPECT_EQ(boxes(play("menu 192\npress 199\npress 200\n")),
              (std::vector<Box>{{kabel, diameters("0.00", "0.00", "6.45", "9.79")}}));
}

TEST(Impedance, TransformerFindsTheOneZeroQuantity) {
    const std::string p = "Primär ";
    const std::string s = "Sekundär ";
    check_cases(
        177, 189,
        {
            {{{181, "0"}, {183, "50"}, {185, "5.2"}, {187, "8"}}, {{p, "13 varv"}}},
            {{{181, "13"}, {183, "0"}, {185, "5.2"}, {187, "8"}}, {{p, "50 Ohm impendans"}}},
            {{{181, "13"}, {183, "50"}, {185, "0"}, {187, "8"}}, {{s, "5 varv"}}},
            {{{181, "13"}, {183, "50"}, {185, "5.2"}, {187, "0"}}, {{s, "8 Ohm impendans"}}},
            {{{181, "NaN"}, {183, "50"}, {185, "5.2"}, {187, "8"}}, {{p, "13 varv"}}},
            {{{181, "13"}, {183, "0"}, {185, "1"}, {187, "8"}}, {{p, "1,352 Ohm impendans"}}},
            // A negative impedance: rule 2 squares the ratio, rule 4 takes the root of Zp.
            {{{181, "13"}, {183, "0"}, {185, "5.2"}, {187, "-8"}}, {{p, "-50 Ohm impendans"}}},
            {{{181, "13"}, {183, "-50"}, {185, "5.2"}, {187, "0"}}, {{s, "NaN Ohm impendans"}}},
            {{{181, "0"}, {183, "1e38"}, {185, "1e10"}, {187, "1e-38"}}, {{p, "+Infinity varv"}}},
            {{{181, "1"}, {183, "1"}, {185, "0"}, {187, "+Infinity"}}, {{s, "+Infinity varv"}}},
            // Large results show every digit of the 32-bit value; t is not rounded before squaring.
            {{{181, "0.8"}, {183, "240"}, {185, "5924.27"}, {187, "0"}}, {{s, "13,161,365,504 Ohm impendans"}}},
            {{{181, "150"}, {183, "371.75"}, {185, "402027.2"}, {187, "0"}}, {{s, "2,670,418,432 Ohm impendans"}}},
            // Anything but exactly one zero shows nothing.
            {{{181, "13"}, {183, "50"}, {185, "5.2"}, {187, "8"}}, {}},
            {{{181, "0"}, {183, "0"}, {185, "5"}, {187, "8"}}, {}},
            {{{181, "13"}, {183, "50"}, {185, "0"}, {187, "abc"}}, {}},
            {{}, {}},
        });
}

TEST(Impedance, CableGivesBothPairsWithTheirDecimals) {
    check_cases(
        192, 200,
        {
            {{{196, "7"}, {198, "0"}}, {{kabel, diameters("3.04", "2.00", "0.00", "0.00")}}},
            {{{196, "22"}, {198, "7.1"}}, {{kabel, diameters("9.55", "6.29", "16.35", "24.82")}}},
            {{{196, "0"}, {198, "1000"}}, {{kabel, diameters("0.00", "0.00", "2,303.13", "3,495.25")}}},
            {{{196, "12345"}, {198, "0.5"}}, {{kabel, diameters("5,360.10", "3,531.94", "1.15", "1.75")}}},
            // The ratios are 32-bit values, not the decimal constants.
            {{{196, "883.4"}, {198, "1918.27"}}, {{kabel, diameters("383.57", "252.74", "4,418.02", "6,704.83")}}},
            {{{196, "-7"}, {198, "-2.8"}}, {{kabel, diameters("-3.04", "-2.00", "-6.45", "-9.79")}}},
            {{{196, "3,3"}, {198, "x"}}, {{kabel, diameters("1.30", "0.86", "0.00", "0.00")}}},
            // NaN counts as zero in the condition but still enters its own results.
            {{{196, "NaN"}, {198, "2.8"}}, {{kabel, diameters("NaN", "NaN", "6.45", "9.79")}}},
            {{{196, "+Infinity"}, {198, "0"}}, {{kabel, diameters("+Infinity", "+Infinity", "0.00", "0.00")}}},
            {{{196, "0"}, {198, "1e38"}},
             {{kabel,
               diameters("0.00", "0.00", "230,312,987,749,213,038,726,741,190,158,856,486,912.00", "+Infinity")}}},
            {{{196, "0"}, {198, "0"}}, {}},
            {{{196, "NaN"}, {198, "NaN"}}, {}},
        });
}

// Identifiers in creation order, with the rectangles of the buttons.
TEST(Impedance, WindowsHoldTheirControlsInOrder) {
    struct Expected {
        void (*procedure)(sparvik::frame::Shell&);
        int window;
        std::vector<int> ids;
        Rect first_button;
        Rect last_button;
    };
    const Expected windows[] = {
        {sparvik::IMP_TRAFO,
         178,
         {179, 180, 181, 182, 183, 184, 185, 186, 187, 188, 189, 190, 191},
         {120, 230, 100, 20},
         {120, 320, 100, 20}},
        {sparvik::IMP_KABEL,
         193,
         {194, 195, 196, 197, 198, 199, 200, 201, 202},
         {120, 200, 100, 20},
         {120, 290, 100, 20}},
    };
    for (const Expected& expected : windows) {
        look_at(expected.procedure, expected.ids.back(), [&](const ScriptedToolkit& t) {
            const auto* window = t.window(expected.window);
            ASSERT_NE(window, nullptr);
            EXPECT_EQ(window->controls, expected.ids);
            EXPECT_EQ(t.control(expected.ids[expected.ids.size() - 4])->rect, expected.first_button);
            EXPECT_EQ(t.control(expected.ids.back())->rect, expected.last_button);
            EXPECT_EQ(t.control(expected.ids.back())->text, "Stäng");
        });
    }
}

}  // namespace
