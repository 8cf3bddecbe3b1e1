// The Wire/Cable menu: coax velocity factor, wire resistance and weight.
#include <gtest/gtest.h>

#include "tests/replay_support.h"
#include "tests/window_support.h"

namespace {

using namespace sparvik::testing;
using Kind = sparvik::frame::ScriptedToolkit::ControlKind;

TEST(Wire, WindowsFollowTheirLayout) {
    EXPECT_EQ(opened_window(261, 262),
              (std::vector<Shown>{
                  {Kind::Label,
                   263,
                   {120, 10, 600, 20},
                   "Beräkna hastighetsfaktorn i koaxialkabel, mät med SWR-meter på öppen ände, punkt '.' som "
                   "decimaltecken."},
                  {Kind::Label, 264, {120, 80, 120, 20}, "Antal meter"},
                  {Kind::Field, 265, {240, 80, 50, 20}, "0"},
                  {Kind::Label, 266, {120, 110, 120, 20}, "Min. SWR i MHz"},
                  {Kind::Field, 267, {240, 110, 50, 20}, "0"},
                  {Kind::Button, 268, {120, 200, 100, 20}, "Exempel"},
                  {Kind::Button, 269, {120, 230, 100, 20}, "Beräkna"},
                  {Kind::Button, 270, {120, 260, 100, 20}, "Nollställ"},
                  {Kind::Button, 271, {120, 290, 100, 20}, "Stäng"},
              }));
    EXPECT_EQ(opened_window(272, 273),
              (std::vector<Shown>{
                  {Kind::Label,
                   274,
                   {120, 10, 600, 20},
                   "Beräkna trådens totala resistans och vikt, fälten fylls i med en punkt '.' som decimaltecken."},
                  {Kind::Label, 275, {120, 80, 100, 20}, "Material"},
                  {Kind::List, 276, {240, 80, 100, 20}, "Koppar|Aluminium|Stål||"},
                  {Kind::Label, 277, {120, 110, 120, 20}, "Diameter i mm"},
                  {Kind::Field, 278, {240, 110, 50, 20}, "0"},
                  {Kind::Label, 279, {120, 140, 120, 20}, "Längd i meter"},
                  {Kind::Field, 280, {240, 140, 50, 20}, "0"},
                  {Kind::Button, 281, {120, 200, 100, 20}, "Exempel"},
                  {Kind::Button, 282, {120, 230, 100, 20}, "Beräkna"},
                  {Kind::Button, 283, {120, 260, 100, 20}, "Nollställ"},
                  {Kind::Button, 284, {120, 290, 100, 20}, "Stäng"},
              }));
}

TEST(Wire, ExamplesGiveTheirBoxes) {
    EXPECT_EQ(boxes(play("menu 261\npress 268\npress 269\n")), (std::vector<Box>{{"Hastighetsfaktorn är ", "0.68"}}));
    EXPECT_EQ(boxes(play("menu 272\npress 281\npress 282\n")),
              (std::vector<Box>{{"Total resistans och vikt på tråden", "0.94 Ohm och vikten är 1,386 gram"}}));
}

TEST(Wire, VelocityFactorIsAPlainFraction) {
    struct Case {
        std::string length, mhz, shown;  // empty: no box
    };
    const Case cases[] = {
        {"10", "7.5", "1.00"},
        {"3.3", "14.2", "0.62"},
        {"-7", "7.3", "-0.68"},
        {"7 m", "7.3", "0.68"},
        {"3,3", "74.98", "3.00"},
        // 74.98 held in 32 bits: as a double constant these give 20.26 ...
        {"11.3", "134.4", "20.25"},
        // ... and a 32-bit product gives 30.75.
        {"16.2", "142.3", "30.74"},
        // The product is taken in double precision, so it does not overflow.
        {"1e20", "1e20", "133,368,901,036,519,103,955,520,213,846,444,736,512.00"},
        {"1e30", "1e30", "+Infinity"},
        {"+Infinity", "-2", "-Infinity"},
        {"+Infinity", "-0.000", ""},
        {"NaN", "7", ""},
        {"7", "abc", ""},
    };
    for (const Case& c : cases) {
        const std::vector<Box> expected =
            c.shown.empty() ? std::vector<Box>{} : std::vector<Box>{{"Hastighetsfaktorn är ", c.shown}};
        EXPECT_EQ(press_after_typing(261, {{265, c.length}, {267, c.mhz}}, 269), expected)
            << c.length << " m, " << c.mhz << " MHz";
    }
}

TEST(Wire, ResistanceAndWeightByMaterial) {
    struct Case {
        int material;  // list position
        std::string diameter, length, shown;
    };
    const Case cases[] = {
        {0, "2.2", "135", "0.61 Ohm och vikten är 4,598 gram"},
        {1, "2.2", "135", "0.94 Ohm och vikten är 1,386 gram"},
        {2, "2.2", "135", "5.68 Ohm och vikten är 4,003 gram"},
        {0, "1", "1000", "21.90 Ohm och vikten är 7,037 gram"},
        {0, "-1", "1000", "21.90 Ohm och vikten är 7,037 gram"},
        {0, "1", "-1000", "-21.90 Ohm och vikten är -7,037 gram"},
        // The radius and the resistivity stay in double precision: in 32 bits, 1,949.07.
        {0, "0.1", "890", "1,949.08 Ohm och vikten är 63 gram"},
        // The cross-section too: in 32 bits, 4,309.87.
        {0, "0.1", "1968", "4,309.86 Ohm och vikten är 138 gram"},
        // Pi with ten digits, not the full double: 3,142.36 with it.
        {2, "0.2", "617", "3,142.35 Ohm och vikten är 151 gram"},
        {1, "1000", "1e6", "0.03 Ohm och vikten är 2,120,575,090,688 gram"},
        {1, "+Infinity", "10", "0.00 Ohm och vikten är +Infinity gram"},
        {1, "1e-30", "10", "+Infinity Ohm och vikten är 0 gram"},
        {0, "1", "NaN", ""},
        {0, "0", "1000", ""},
        {2, "2.2", "x", ""},
        {3, "2.2", "135", ""},
    };
    for (const Case& c : cases) {
        const std::string session = "menu 272\npick 276 " + std::to_string(c.material) + "\ntype 278 " + c.diameter +
                                    "\ntype 280 " + c.length + "\npress 282\n";
        const std::vector<Box> expected =
            c.shown.empty() ? std::vector<Box>{} : std::vector<Box>{{"Total resistans och vikt på tråden", c.shown}};
        EXPECT_EQ(boxes(play(session)), expected) << c.material << ": " << c.diameter << " mm, " << c.length << " m";
    }
}

TEST(Wire, MaterialListFollowsExampleAndReset) {
    // Opens on the empty item, so typed values alone give nothing; "Exempel"
    // and "Nollställ" choose their item whatever the user picked; a new
    // window starts on the empty item again.
    const Played played = play(
        "menu 272\nread 276\ntype 278 2.2\ntype 280 135\npress 282\n"
        "pick 276 2\ntype 278 9\npress 281\nread 276\nread 278\nread 280\n"
        "pick 276 0\npress 283\nread 276\nread 278\nread 280\npress 282\n"
        "pick 276 2\npress 284\nmenu 272\nread 276\n");
    EXPECT_TRUE(boxes(played).empty());
    std::vector<std::string> reads;
    for (const std::string& line : played.lines) {
        if (line.rfind("{\"read\"", 0) == 0) reads.push_back(line);
    }
    EXPECT_EQ(reads, (std::vector<std::string>{
                         R"({"read": 276, "pos": 3, "text": ""})",
                         R"({"read": 276, "pos": 1, "text": "Aluminium"})",
                         R"({"read": 278, "text": "2.2"})",
                         R"({"read": 280, "text": "135"})",
                         R"({"read": 276, "pos": 3, "text": ""})",
                         R"({"read": 278, "text": "0"})",
                         R"({"read": 280, "text": "0"})",
                         R"({"read": 276, "pos": 3, "text": ""})",
                     }));
}

}  // namespace
