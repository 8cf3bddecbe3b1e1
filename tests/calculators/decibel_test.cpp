// The Decibel menu: dB and power ratios, cable loss, dBm and milliwatts.
#include <gtest/gtest.h>

#include <algorithm>

#include "calculators/calculators.h"
#include "frame/scripted_toolkit.h"
#include "tests/replay_support.h"
#include "tests/window_support.h"

namespace {

using namespace sparvik::testing;
using sparvik::frame::Rect;
using sparvik::frame::ScriptedToolkit;

const std::string gain = "Förstärkning/Dämpning ";
const std::string loss = "Beräknad förlust på kabellängden";

std::string dbm_title(const std::string& number) {
    return number + " dBm motsvarar vid 50 Ohm";
}

TEST(Decibel, ExamplesGiveTheirBoxes) {
    EXPECT_EQ(boxes(play("menu 285\npress 292\npress 293\n")), (std::vector<Box>{{gain, "9.44 antal dB"}}));
    // 3.3 / 100 * 25 is 0.825 in decimal, but its 32-bit value lies just below.
    EXPECT_EQ(boxes(play("menu 296\npress 305\npress 306\n")), (std::vector<Box>{{loss, "0.82 dB"}}));
    EXPECT_EQ(boxes(play("menu 309\npress 318\npress 319\n")), (std::vector<Box>{{loss, "1.08 dB"}}));
    EXPECT_EQ(boxes(play("menu 322\npress 331\npress 332\n")),
              (std::vector<Box>{{dbm_title("13"),
                                 "0.02 W - 1.05 V - 0.02 A\r\r21.88 mW - 1,045.89 mV - 20.92 mA\r\r21,877.61 uW - "
                                 "1,045,887.44 uV - 20,917.75 uA"}}));
}

TEST(Decibel, RatioShowsEachDirectionThatIsFilledIn) {
    check_cases(285, 293,
                {
                    {{{289, "3"}, {291, "0"}}, {{gain, "2.0 antal gånger"}}},
                    {{{289, "-3"}, {291, "0"}}, {{gain, "0.5 antal gånger"}}},
                    {{{289, "100"}, {291, "0"}}, {{gain, "10,000,000,000.0 antal gånger"}}},
                    {{{289, "3"}, {291, "2"}}, {{gain, "2.0 antal gånger"}, {gain, "3.01 antal dB"}}},
                    {{{289, "0"}, {291, "1000000"}}, {{gain, "60.00 antal dB"}}},
                    // D / 10 is rounded to 32 bits before the power is taken.
                    {{{289, "59.74"}, {291, "0"}}, {{gain, "941,889.6 antal gånger"}}},
                    {{{289, "43.41"}, {291, "0"}}, {{gain, "21,928.1 antal gånger"}}},
                    {{{289, "0"}, {291, "-2"}}, {{gain, "NaN antal dB"}}},
                    {{{289, "400"}, {291, "0"}}, {{gain, "+Infinity antal gånger"}}},
                    {{{289, "-Infinity"}, {291, "0"}}, {{gain, "0.0 antal gånger"}}},
                    {{{289, "0"}, {291, "+Infinity"}}, {{gain, "+Infinity antal dB"}}},
                    {{{289, "0"}, {291, "1e-45"}}, {{gain, "-448.53 antal dB"}}},
                    {{{289, "0"}, {291, "0"}}, {}},
                    {{{289, "NaN"}, {291, "abc"}}, {}},
                });
}

TEST(Decibel, LossOverLengthNeedsAllThreeFields) {
    check_cases(296, 306,
                {
                    // Divided first, then multiplied, rounded once.
                    {{{300, "192"}, {302, "13.2"}, {304, "292"}}, {{loss, "20.07 dB"}}},
                    {{{300, "408"}, {302, "6.3"}, {304, "238"}}, {{loss, "3.68 dB"}}},
                    {{{300, "880"}, {302, "14.1"}, {304, "660"}}, {{loss, "10.57 dB"}}},
                    {{{300, "112"}, {302, "1.27"}, {304, "616"}}, {{loss, "6.99 dB"}}},
                    {{{300, "1"}, {302, "1000"}, {304, "1000"}}, {{loss, "1,000,000.00 dB"}}},
                    {{{300, "100"}, {302, "-3.3"}, {304, "25"}}, {{loss, "-0.82 dB"}}},
                    {{{300, "1e-30"}, {302, "1e30"}, {304, "1e30"}}, {{loss, "+Infinity dB"}}},
                    {{{300, "+Infinity"}, {302, "1"}, {304, "+Infinity"}}, {{loss, "NaN dB"}}},
                    {{{300, "0"}, {302, "3.3"}, {304, "25"}}, {}},
                    {{{300, "100"}, {302, "abc"}, {304, "25"}}, {}},
                    {{{300, "100"}, {302, "3.3"}, {304, "NaN"}}, {}},
                });
}

TEST(Decibel, LossFromPowersRoundsTheQuotientAndTheLogarithm) {
    check_cases(309, 319,
                {
                    {{{313, "50"}, {315, "100"}}, {{loss, "-3.01 dB"}}},
                    {{{313, "708"}, {315, "1063"}}, {{loss, "-1.76 dB"}}},
                    {{{313, "1086"}, {315, "61"}}, {{loss, "12.50 dB"}}},
                    {{{313, "-100"}, {315, "78"}}, {{loss, "NaN dB"}}},
                    {{{313, "+Infinity"}, {315, "1"}}, {{loss, "+Infinity dB"}}},
                    {{{313, "1"}, {315, "+Infinity"}}, {{loss, "-Infinity dB"}}},
                    {{{313, "1e30"}, {315, "1e-30"}}, {{loss, "+Infinity dB"}}},
                    {{{313, "100"}, {315, "0"}}, {}},
                    {{{313, "NaN"}, {315, "78"}}, {}},
                });
}

TEST(Decibel, DbmGivesOneGroupPerPrefixDownToItsRange) {
    check_cases(
        322, 332,
        {
            {{{326, "30"}}, {{dbm_title("30"), "1.00 W - 7.07 V - 0.14 A\r\r1,000.00 mW - 7,071.07 mV - 141.42 mA"}}},
            {{{326, "29.9"}},
             {{dbm_title("30"),
               "0.98 W - 6.99 V - 0.14 A\r\r977.24 mW - 6,990.13 mV - 139.80 mA\r\r977,237.25 uW - 6,990,126.50 uV - "
               "139,802.53 uA"}}},
            {{{326, "-29.9"}},
             {{dbm_title("-30"),
               "0.00 W - 0.01 V - 0.00 A\r\r0.00 mW - 7.15 mV - 0.14 mA\r\r1.02 uW - 7,152.95 uV - 143.06 "
               "uA\r\r1,023.29 "
               "nW - 7,152,947.50 nV - 143,058.94 nA"}}},
            {{{326, "-30"}},
             {{dbm_title("-30"),
               "0.00 W - 0.01 V - 0.00 A\r\r0.00 mW - 7.07 mV - 0.14 mA\r\r1.00 uW - 7,071.07 uV - 141.42 "
               "uA\r\r1,000.00 "
               "nW - 7,071,068.00 nV - 141,421.36 nA\r\r1,000,000.06 pW - 7,071,068,160.00 pV - 141,421,360.00 pA"}}},
            // The constants 0.001 and 1e12 are 32-bit values, not exact ones.
            {{{326, "-8.3"}},
             {{dbm_title("-8"),
               "0.00 W - 0.09 V - 0.00 A\r\r0.15 mW - 86.00 mV - 1.72 mA\r\r147.91 uW - 85,997.34 uV - 1,719.95 "
               "uA\r\r147,910.81 nW - 85,997,336.00 nV - 1,719,946.75 nA"}}},
            {{{326, "-92.8"}},
             {{dbm_title("-93"),
               "0.00 W - 0.00 V - 0.00 A\r\r0.00 mW - 0.01 mV - 0.00 mA\r\r0.00 uW - 5.12 uV - 0.10 uA\r\r0.00 nW - "
               "5,122.53 nV - 102.45 nA\r\r0.52 pW - 5,122,531.50 pV - 102,450.63 pA"}}},
            // The currents scale the unrounded root, not the stored current.
            {{{326, "-42.1"}},
             {{dbm_title("-42"),
               "0.00 W - 0.00 V - 0.00 A\r\r0.00 mW - 1.76 mV - 0.04 mA\r\r0.06 uW - 1,755.84 uV - 35.12 uA\r\r61.66 "
               "nW - "
               "1,755,840.12 nV - 35,116.80 nA\r\r61,659.49 pW - 1,755,840,128.00 pV - 35,116,804.00 pA"}}},
            {{{326, "+Infinity"}},
             {{dbm_title("+Infinity"),
               "+Infinity W - +Infinity V - +Infinity A\r\r+Infinity mW - +Infinity mV - +Infinity mA"}}},
            {{{326, "-Infinity"}},
             {{dbm_title("-Infinity"),
               "0.00 W - 0.00 V - 0.00 A\r\r0.00 mW - 0.00 mV - 0.00 mA\r\r0.00 uW - 0.00 uV - 0.00 uA\r\r0.00 nW - "
               "0.00 "
               "nV - 0.00 nA\r\r0.00 pW - 0.00 pV - 0.00 pA"}}},
        });
}

TEST(Decibel, DbmTitleRoundsHalvesToEvenAndSaturates) {
    const std::pair<std::string, std::string> cases[] = {
        {"12.5", "12"},
        {"13.5", "14"},
        {"-2.5", "-2"},
        {"13.4", "13"},
        {"1e19", "9223372036854775807"},
        {"-1e30", "-9223372036854775808"},
    };
    for (const auto& [typed, number] : cases) {
        const auto shown = press_after_typing(322, {{326, typed}}, 332);
        ASSERT_EQ(shown.size(), 1U) << typed;
        EXPECT_EQ(shown[0].title, dbm_title(number)) << typed;
    }
}

TEST(Decibel, MilliwattsToDbmAndWhenNothingFires) {
    const std::string m = "Motsvarar ";
    check_cases(322, 332,
                {
                    {{{326, "0"}, {328, "1000"}}, {{m, "30.000 dBm"}}},
                    {{{326, "0"}, {328, "1"}}, {{m, "0.000 dBm"}}},
                    {{{326, "0"}, {328, "0.5"}}, {{m, "-3.010 dBm"}}},
                    {{{326, "NaN"}, {328, "2"}}, {{m, "3.010 dBm"}}},
                    {{{326, "0"}, {328, "-1"}}, {{m, "NaN dBm"}}},
                    {{{326, "0"}, {328, "+Infinity"}}, {{m, "+Infinity dBm"}}},
                    {{{326, "0"}, {328, "1e-45"}}, {{m, "-448.535 dBm"}}},
                    {{{326, "0"}, {328, "0"}}, {}},
                    {{{326, "NaN"}, {328, "0"}}, {}},
                    {{{326, "-73"}, {328, "1"}}, {}},
                });
}

std::string read_line(int id, const std::string& text) {
    return "{\"read\": " + std::to_string(id) + ", \"text\": \"" + text + "\"}";
}

std::string list_line(int position, const std::string& text) {
    return "{\"read\": 330, \"pos\": " + std::to_string(position) + ", \"text\": \"" + text + "\"}";
}

TEST(Decibel, EverySMeterPickFillsTheDbmField) {
    const std::pair<std::string, std::string> readings[] = {
        {"S1", "-121"},   {"S2", "-115"},   {"S3", "-109"},   {"S4", "-103"},   {"S5", "-97"},
        {"S6", "-91"},    {"S7", "-85"},    {"S8", "-79"},    {"S9", "-73"},    {"S9+10", "-63"},
        {"S9+20", "-53"}, {"S9+30", "-43"}, {"S9+40", "-33"}, {"S9+50", "-23"}, {"S9+60", "-13"},
    };
    std::string session = "menu 322\ntype 326 5\npick 330 0\nread 326\n";
    std::vector<std::string> expected = {read_line(326, "5")};  // the heading changes nothing
    for (std::size_t i = 0; i < std::size(readings); ++i) {
        session += "pick 330 " + std::to_string(i + 1) + "\nread 330\nread 326\n";
        expected.push_back(list_line(static_cast<int>(i + 1), readings[i].first));
        expected.push_back(read_line(326, readings[i].second));
    }
    std::vector<std::string> reads;
    for (const std::string& line : play(session).lines) {
        if (line.rfind("{\"read\"", 0) == 0) reads.push_back(line);
    }
    EXPECT_EQ(reads, expected);

    // Each reading computes as if typed: five groups below -30 dBm, four above.
    for (std::size_t i = 0; i < std::size(readings); ++i) {
        const auto shown = boxes(play("menu 322\npick 330 " + std::to_string(i + 1) + "\npress 332\n"));
        ASSERT_EQ(shown.size(), 1U) << readings[i].first;
        EXPECT_EQ(shown[0], press_after_typing(322, {{326, readings[i].second}}, 332)[0]);
        EXPECT_EQ(shown[0].title, dbm_title(readings[i].second));
        const auto groups = 1 + std::count(shown[0].text.begin(), shown[0].text.end(), '\r') / 2;
        EXPECT_EQ(groups, std::stoi(readings[i].second) <= -30 ? 5 : 4) << readings[i].first;
    }
    EXPECT_EQ(boxes(play("menu 322\npick 330 9\npress 332\n"))[0].text,
              "0.00 W - 0.00 V - 0.00 A\r\r0.00 mW - 0.05 mV - 0.00 mA\r\r0.00 uW - 50.06 uV - 1.00 uA\r\r0.05 nW - "
              "50,059.32 nV - 1,001.19 nA\r\r50.12 pW - 50,059,316.00 pV - 1,001,186.31 pA");
}

TEST(Decibel, SMeterSelectionLastsUntilReset) {
    const Played played = play(
        "menu 322\ntype 328 2\npick 330 5\npress 332\nread 330\npress 331\nread 330\nread 326\nread 328\n"
        "pick 330 5\npress 333\nread 330\nread 326\nread 328\n");
    EXPECT_TRUE(boxes(played).empty()) << "a pick leaves the mW field, so both fields are filled";
    const std::vector<std::string> expected = {
        list_line(5, "S5"),           list_line(5, "S5"),  read_line(326, "13.4"), read_line(328, "0"),
        list_line(0, "S-värden dBm"), read_line(326, "0"), read_line(328, "0"),
    };
    EXPECT_EQ(std::vector<std::string>(played.lines.end() - 7, played.lines.end()), expected);
}

// Identifiers in creation order (316, 317 and 329 are never used) and the
// rectangles of the buttons and the list.
TEST(Decibel, WindowsHoldTheirControlsInOrder) {
    struct Expected {
        void (*procedure)(sparvik::frame::Shell&);
        int window;
        std::vector<int> ids;
        std::vector<std::pair<int, Rect>> rects;
    };
    const Expected windows[] = {
        {sparvik::DB_GGR,
         286,
         {287, 288, 289, 290, 291, 292, 293, 294, 295},
         {{292, {120, 200, 100, 20}}, {295, {120, 290, 100, 20}}}},
        {sparvik::DB_LOSS,
         297,
         {298, 299, 300, 301, 302, 303, 304, 305, 306, 307, 308},
         {{304, {240, 140, 50, 20}}, {305, {120, 200, 100, 20}}, {308, {120, 290, 100, 20}}}},
        {sparvik::DB_EFFEKT,
         310,
         {311, 312, 313, 314, 315, 318, 319, 320, 321},
         {{318, {120, 200, 100, 20}}, {321, {120, 290, 100, 20}}}},
        {sparvik::DB_DBM,
         323,
         {324, 325, 326, 327, 328, 331, 330, 332, 333, 334},
         {{331, {120, 200, 100, 21}},
          {330, {250, 201, 100, 19}},
          {332, {120, 230, 100, 21}},
          {333, {120, 260, 100, 21}},
          {334, {120, 290, 100, 21}}}},
    };
    for (const Expected& expected : windows) {
        look_at(expected.procedure, expected.ids.back(), [&](const ScriptedToolkit& t) {
            const auto* window = t.window(expected.window);
            ASSERT_NE(window, nullptr);
            EXPECT_EQ(window->controls, expected.ids);
            for (const auto& [id, rect] : expected.rects) EXPECT_EQ(t.control(id)->rect, rect) << id;
            EXPECT_EQ(t.control(expected.ids.back())->text, "Stäng");
        });
    }
}

}  // namespace
