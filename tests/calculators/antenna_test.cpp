// The Antenna menu: vertical capacitance, ladder line, antenna lengths and
// the four Marconi calculators.
#include <gtest/gtest.h>

#include "app/program.h"
#include "frame/scripted_toolkit.h"
#include "tests/replay_support.h"

namespace {

using sparvik::frame::Rect;
using sparvik::frame::ScriptedToolkit;
using namespace sparvik::testing;

struct Row {
    std::string label;
    int label_width;
    int field_x;
    std::string example;
};

struct Window {
    int menu;
    std::string name;
    std::string description;
    std::vector<Row> rows;
};

const std::vector<Window> windows = {
    {98,
     "ANT_VERT()",
     "Fyll i båda fälten med en punkt '.' som decimaltecken!",
     {{"Höjd i meter", 100, 220, "8.2"}, {"Diameter i mm", 100, 220, "40"}}},
    {109,
     "ANT_STEGE()",
     "Fyll i båda fälten med en punkt '.' som decimaltecken!",
     {{"Trådavstånd i mm", 100, 220, "120"}, {"Tråddiameter mm", 100, 220, "1.3"}}},
    {120,
     "ANT_METER()",
     "Beräkna olika antennlängder, fyll i båda fälten med en punkt '.' som decimaltecken!",
     {{"Frekvens i kHz", 100, 220, "27105"}, {"Index, 0.95", 100, 220, "0.95"}}},
    {131,
     "ANT_EFFEKTIV()",
     "Beräkna Marconiantennens effektiva höjd, fyll i båda fälten med en punkt '.' som decimaltecken!",
     {{"Vertikal höjd", 100, 220, "25"}, {"Horisontell längd", 100, 220, "30"}}},
    {142,
     "ANT_RL()",
     "Beräkna resistance loss RL i en Marconiantenn, fyll i båda fälten med en punkt '.' som decimaltecken!",
     {{"Uteffekt PA Watt", 150, 250, "64"}, {"RF Ampere vid antenn", 150, 250, "1.25"}}},
    {153,
     "ANT_RRAD()",
     "Beräkna radiation resistance RRad i en Marconiantenn, fyll i båda fälten med en punkt '.' som decimaltecken!",
     {{"Frekvens i kHz", 150, 250, "261"}, {"Effektiv höjd i meter", 150, 250, "18.85"}}},
    {164,
     "ANT_ERP()",
     "Beräkna ERP i en Marconiantenn, fyll i alla fälten med en punkt '.' som decimaltecken!",
     {{"RRad (radiation resistance)", 150, 280, "0.42"},
      {"RL (resistance loss)", 120, 280, "40.96"},
      {"Output PA Watt", 120, 280, "64"}}},
};

// Every control in creation order, then "Exempel" over typed text, then "Nollställ".
TEST(Antenna, WindowsHaveTheirControlsExamplesAndResets) {
    for (const Window& w : windows) {
        SCOPED_TRACE(w.name);
        const int window = w.menu + 1;
        const int first_button = window + 2 + 2 * static_cast<int>(w.rows.size());
        std::vector<int> fields;
        ScriptedToolkit toolkit;
        int step = 0;
        toolkit.set_feed([&](ScriptedToolkit& t) {
            switch (step++) {
                case 0: return t.choose_menu(w.menu);
                case 1: {
                    std::vector<int> ids;
                    for (int id = window + 1; id < first_button + 4; ++id) ids.push_back(id);
                    if (t.window(window) == nullptr || t.window(window)->controls != ids) {
                        ADD_FAILURE() << "the window or its controls are not there in creation order";
                        return false;
                    }
                    EXPECT_EQ(t.window(window)->title.substr(0, w.name.size() + 1), w.name + " ");
                    const auto* description = t.control(window + 1);
                    EXPECT_EQ(description->rect, (Rect{120, 10, 600, 20}));
                    EXPECT_EQ(description->text, w.description);
                    for (std::size_t i = 0; i < w.rows.size(); ++i) {
                        const Row& row = w.rows[i];
                        const int y = 80 + 30 * static_cast<int>(i);
                        const int label = window + 2 + 2 * static_cast<int>(i);
                        EXPECT_EQ(t.control(label)->kind, ScriptedToolkit::ControlKind::Label);
                        EXPECT_EQ(t.control(label)->rect, (Rect{120, y, row.label_width, 20}));
                        EXPECT_EQ(t.control(label)->text, row.label);
                        EXPECT_EQ(t.control(label + 1)->kind, ScriptedToolkit::ControlKind::Field);
                        EXPECT_EQ(t.control(label + 1)->rect, (Rect{row.field_x, y, 50, 20}));
                        EXPECT_EQ(t.control(label + 1)->text, "0");
                        fields.push_back(label + 1);
                    }
                    const char* buttons[] = {"Exempel", "Beräkna", "Nollställ", "Stäng"};
                    for (int b = 0; b < 4; ++b) {
                        EXPECT_EQ(t.control(first_button + b)->kind, ScriptedToolkit::ControlKind::Button);
                        EXPECT_EQ(t.control(first_button + b)->rect, (Rect{120, 220 + 30 * b, 100, 20}));
                        EXPECT_EQ(t.control(first_button + b)->text, buttons[b]);
                    }
                    for (int field : fields) t.type(field, "9");
                    return t.press(first_button);
                }
                case 2:
                    for (std::size_t i = 0; i < fields.size(); ++i) {
                        EXPECT_EQ(t.control(fields[i])->text, w.rows[i].example);
                    }
                    return t.press(first_button + 2);
                case 3:
                    for (int field : fields) EXPECT_EQ(t.control(field)->text, "0");
                    return t.press(first_button + 3);
                default: return t.click_close(0);
            }
        });
        EXPECT_EQ(sparvik::app::run_program(toolkit), 0);
        EXPECT_EQ(step, 5);
    }
}

TEST(Antenna, ExamplesGiveTheirBoxes) {
    const auto example = [](int menu) {
        const std::string exempel = std::to_string(menu == 164 ? menu + 9 : menu + 7);
        const std::string berakna = std::to_string(menu == 164 ? menu + 10 : menu + 8);
        return boxes(play("menu " + std::to_string(menu) + "\npress " + exempel + "\npress " + berakna + "\n"));
    };
    using Boxes = std::vector<Box>;
    EXPECT_EQ(example(98), (Boxes{{"ANT_VERT()", "82.95 Kapacitans i pF"}}));
    EXPECT_EQ(example(109), (Boxes{{"ANT_STEGE()", "Impendansen är 626.19 Ohm"}}));
    EXPECT_EQ(example(120), (Boxes{{"ANT_METER()",
                                    "Antennlängd 1/4 2.63 Meter\nAntennlängd 1/2 5.26 Meter\n"
                                    "Antennlängd 5/8 6.57 Meter\nAntennlängd 1/1 10.51 Meter"}}));
    EXPECT_EQ(example(131), (Boxes{{"ANT_EFFEKTIV()", "Antennens effektiva höjd är 18.75 Meter"}}));
    EXPECT_EQ(example(142), (Boxes{{"ANT_RL()", "Resistance loss RL är 40.96 Ohm"}}));
    EXPECT_EQ(example(153), (Boxes{{"ANT_RRAD()", "Radiation Resistance RRad är 0.42 Ohm"}}));
    EXPECT_EQ(example(164), (Boxes{{"ANT_ERP()", "Antennens effektivitet är 1.015 %\nAntennens ERP är 0.650 Watt"}}));
}

// Each case: the texts typed into the fields in order (empty: left at "0"),
// and the text of the one box, or nothing when no box may show.
struct Case {
    std::vector<std::string> texts;
    std::optional<std::string> text;
};

void check(int menu, const std::vector<int>& fields, int compute, const std::string& title,
           const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        std::vector<std::pair<int, std::string>> typed;
        std::string shown;
        for (std::size_t i = 0; i < c.texts.size(); ++i) {
            if (!c.texts[i].empty()) typed.emplace_back(fields[i], c.texts[i]);
            shown += c.texts[i] + " ";
        }
        std::vector<Box> expected;
        if (c.text) expected.push_back({title, *c.text});
        EXPECT_EQ(press_after_typing(menu, typed, compute), expected) << shown;
    }
}

TEST(Antenna, VerticalCapacitance) {
    const std::string pf = " Kapacitans i pF";
    check(98, {102, 104}, 106, "ANT_VERT()",
          {
              {{"10", "2"}, "63.84" + pf},
              {{"1", "2000"}, "-99.86" + pf},  // below 1 the logarithm turns negative
              {{"-8.2", "40"}, "NaN" + pf},
              {{"-1", "2000"}, "NaN" + pf},
              {{"8.2", "-40"}, std::nullopt},
              {{"8.2", ""}, std::nullopt},
              {{"", "40"}, std::nullopt},
              {{"NaN", "40"}, std::nullopt},
              {{"8.2", "nan"}, std::nullopt},
              {{"8.2", "1e-44"}, std::nullopt},  // the stored diameter in metres is 0
              {{"40", "46000"}, "+Infinity" + pf},
              {{"+Infinity", "40"}, "NaN" + pf},
              {{"8.2", "+Infinity"}, "0.00" + pf},
              // Kept in double to the text: a 32-bit result would read 362,181.78 and 8,156.88.
              {{"123000", "1"}, "362,181.80" + pf},
              {{"2000", "3"}, "8,156.87" + pf},
              {{"70000", "1"}, "212,502.32" + pf},
          });
}

TEST(Antenna, LadderLineUsesTheNaturalLogarithm) {
    const auto ohm = [](const std::string& z) { return "Impendansen är " + z + " Ohm"; };
    check(109, {113, 115}, 117, "ANT_STEGE()",
          {
              {{"150", "2"}, ohm("601.28")},
              {{"0.65", "1.3"}, ohm("0.00")},
              {{"1", "4"}, ohm("-83.18")},
              {{"-1", "-4"}, ohm("-83.18")},
              {{"-120", "1.3"}, ohm("NaN")},
              {{"0.0011", "7"}, ohm("-967.83")},  // from the stored logarithm; unstored -967.82
              {{"1e10", "1"}, ohm("2,846.28")},
              {{"1e30", "1e-30"}, ohm("+Infinity")},  // the stored ratio overflows
              {{"+Infinity", "1"}, ohm("+Infinity")},
              {{"1", "+Infinity"}, ohm("-Infinity")},
              {{"120", ""}, std::nullopt},
              {{"NaN", "1.3"}, std::nullopt},
              {{"-0", "1.3"}, std::nullopt},
          });
}

TEST(Antenna, LengthsFromFrequencyAndIndex) {
    const auto lengths = [](const std::string& q, const std::string& h, const std::string& f, const std::string& w) {
        return "Antennlängd 1/4 " + q + " Meter\nAntennlängd 1/2 " + h + " Meter\nAntennlängd 5/8 " + f +
               " Meter\nAntennlängd 1/1 " + w + " Meter";
    };
    check(120, {124, 126}, 128, "ANT_METER()",
          {
              {{"3650", "1"}, lengths("20.55", "41.10", "51.37", "82.19")},
              {{"-3650", "1"}, lengths("-20.55", "-41.10", "-51.37", "-82.19")},
              {{"1", "1"}, lengths("75,000.00", "150,000.00", "187,500.00", "300,000.00")},
              // The wavelength is not stored on its own: stored, 5/8 would read 80,357.15.
              {{"7", "3"}, lengths("32,142.86", "64,285.71", "80,357.14", "128,571.43")},
              {{"2", "0.0009"}, lengths("33.75", "67.50", "84.38", "135.00")},
              {{"1e-40", "1"}, lengths("+Infinity", "+Infinity", "+Infinity", "+Infinity")},
              {{"+Infinity", "1"}, lengths("0.00", "0.00", "0.00", "0.00")},
              {{"+Infinity", "+Infinity"}, lengths("NaN", "NaN", "NaN", "NaN")},
              {{"27105", ""}, std::nullopt},
              {{"NaN", "0.95"}, std::nullopt},
              {{"27105", "abc"}, std::nullopt},
          });
}

TEST(Antenna, MarconiEffectiveHeight) {
    const auto metres = [](const std::string& he) { return "Antennens effektiva höjd är " + he + " Meter"; };
    check(131, {135, 137}, 139, "ANT_EFFEKTIV()",
          {
              {{"10", "10"}, metres("7.27")},
              {{"20", "100"}, metres("18.06")},
              {{"-25", "-30"}, metres("-18.75")},
              {{"5", "-6"}, metres("-Infinity")},
              // Each shows a different stored step: a, b, num and den, r.
              {{"72.4", "0.592"}, metres("36.45")},
              {{"6.2e6", "1.4"}, metres("3,100,000.75")},
              {{"99000", "0.03"}, metres("49,500.02")},
              {{"9000", "7"}, metres("4,502.92")},
              {{"1e38", "1"}, metres("NaN")},  // h × 6 overflows once stored
              {{"+Infinity", "1"}, metres("NaN")},
              {{"10", ""}, std::nullopt},
              {{"", "10"}, std::nullopt},
              {{"10", "NaN"}, std::nullopt},
          });
}

TEST(Antenna, MarconiLossResistance) {
    const auto ohm = [](const std::string& r) { return "Resistance loss RL är " + r + " Ohm"; };
    check(142, {146, 148}, 150, "ANT_RL()",
          {
              {{"100", "2"}, ohm("25.00")},
              {{"100", "-2"}, ohm("25.00")},
              {{"-100", "2"}, ohm("-25.00")},
              // 0.005 and 0.075 as 32-bit values lie on the other side of the half.
              {{"2", "20"}, ohm("0.00")},
              {{"30", "20"}, ohm("0.08")},
              {{"10", "0.01"}, ohm("100,000.01")},  // I × I in double; in 32 bits 100,000.00
              {{"1", "1e-30"}, ohm("+Infinity")},
              {{"+Infinity", "-1"}, ohm("+Infinity")},
              {{"64", ""}, std::nullopt},
              {{"NaN", "1.25"}, std::nullopt},
          });
}

TEST(Antenna, MarconiRadiationResistance) {
    const auto ohm = [](const std::string& r) { return "Radiation Resistance RRad är " + r + " Ohm"; };
    check(153, {157, 159}, 161, "ANT_RRAD()",
          {
              {{"1850", "20"}, ohm("24.02")},
              {{"1000", "75"}, ohm("98.70")},
              {{"-1000", "-75"}, ohm("98.70")},
              // Each shows a different stored step: wavelength, its square, h², the ratio.
              {{"1700", "990"}, ohm("49,698.76")},
              {{"123", "9000"}, ohm("21,501.69")},
              {{"90", "33000"}, ohm("154,771.19")},
              {{"1700", "900"}, ohm("41,073.35")},
              {{"+Infinity", "1"}, ohm("+Infinity")},
              {{"1e-40", "1"}, ohm("0.00")},  // the stored wavelength overflows
              {{"1", "1e30"}, ohm("+Infinity")},
              {{"261", ""}, std::nullopt},
              {{"261", "NaN"}, std::nullopt},
          });
}

TEST(Antenna, MarconiEfficiencyAndErp) {
    const auto erp = [](const std::string& eff, const std::string& watt) {
        return "Antennens effektivitet är " + eff + " %\nAntennens ERP är " + watt + " Watt";
    };
    check(164, {168, 170, 172}, 174, "ANT_ERP()",
          {
              {{"10", "10", "100"}, erp("50.000", "50.000")},
              {{"1", "-1", "100"}, erp("+Infinity", "+Infinity")},
              {{"-1", "1", "100"}, erp("-Infinity", "-Infinity")},
              {{"+Infinity", "1", "1"}, erp("NaN", "NaN")},
              // The stored sum, the stored efficiency, and steps in double (25,714.287 in 32 bits).
              {{"1.7", "3", "700"}, erp("36.170", "253.192")},
              {{"1", "11", "0.33"}, erp("8.333", "0.027")},
              {{"2", "5", "90000"}, erp("28.571", "25,714.285")},
              {{"1e6", "1e-6", "1e6"}, erp("100.000", "1,000,000.000")},
              {{"", "40.96", "64"}, std::nullopt},
              {{"0.42", "", "64"}, std::nullopt},
              {{"0.42", "40.96", ""}, std::nullopt},
              {{"0.42", "40.96", "NaN"}, std::nullopt},
          });
}

}  // namespace
