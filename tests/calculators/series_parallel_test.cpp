// The Series/Parallel menu: voltage divider, two resistors in parallel, and
// up to five components by the sum of reciprocals.
#include <gtest/gtest.h>

#include "tests/replay_support.h"
#include "tests/window_support.h"

namespace {

using namespace sparvik::testing;
using Kind = sparvik::frame::ScriptedToolkit::ControlKind;

std::string joined(const std::vector<std::pair<int, std::string>>& fields) {
    std::string typed;
    for (const auto& [id, text] : fields) typed += std::to_string(id) + "=" + text + " ";
    return typed;
}

TEST(SeriesParallel, WindowsFollowTheirLayout) {
    EXPECT_EQ(opened_window(335, 336),
              (std::vector<Shown>{
                  {Kind::Label,
                   337,
                   {120, 10, 600, 20},
                   "Spänningsdelare, alla 3 fälten fylls i med en punkt '.' som decimaltecken"},
                  {Kind::Label, 338, {120, 80, 120, 20}, "Spänning Volt"},
                  {Kind::Field, 339, {240, 80, 50, 20}, "0"},
                  {Kind::Label, 340, {120, 110, 120, 20}, "Motstånd R1 Ohm"},
                  {Kind::Field, 341, {240, 110, 50, 20}, "0"},
                  {Kind::Label, 342, {120, 140, 120, 20}, "Motstånd R2 Ohm"},
                  {Kind::Field, 343, {240, 140, 50, 20}, "0"},
                  {Kind::Button, 344, {120, 200, 100, 20}, "Exempel"},
                  {Kind::Button, 345, {120, 230, 100, 20}, "Beräkna"},
                  {Kind::Button, 346, {120, 260, 100, 20}, "Nollställ"},
                  {Kind::Button, 347, {120, 290, 100, 20}, "Stäng"},
              }));
    EXPECT_EQ(opened_window(348, 349),
              (std::vector<Shown>{
                  {Kind::Label,
                   350,
                   {120, 10, 600, 20},
                   "Parallellkoppling av motstånd, båda fälten fylls i med en punkt '.' som decimaltecken"},
                  {Kind::Label, 351, {120, 80, 120, 20}, "Motstånd R1 Ohm"},
                  {Kind::Field, 352, {240, 80, 50, 20}, "0"},
                  {Kind::Label, 353, {120, 110, 120, 20}, "Motstånd R2 Ohm"},
                  {Kind::Field, 354, {240, 110, 50, 20}, "0"},
                  {Kind::Button, 355, {120, 200, 100, 20}, "Exempel"},
                  {Kind::Button, 356, {120, 230, 100, 20}, "Beräkna"},
                  {Kind::Button, 357, {120, 260, 100, 20}, "Nollställ"},
                  {Kind::Button, 358, {120, 290, 100, 20}, "Stäng"},
              }));
    std::vector<Shown> rlc = {{Kind::Label,
                               361,
                               {120, 10, 600, 20},
                               "Parallellkoppling av R eller L, seriekoppling av C, fyll i relevanta fält med en punkt "
                               "'.' som decimaltecken"}};
    for (int row = 0; row < 5; ++row) {
        rlc.push_back(
            {Kind::Label, 362 + 2 * row, {120, 80 + 30 * row, 120, 20}, "Komponent " + std::to_string(row + 1)});
        rlc.push_back({Kind::Field, 363 + 2 * row, {240, 80 + 30 * row, 50, 20}, "0"});
    }
    const char* const buttons[] = {"Exempel", "Beräkna", "Nollställ", "Stäng"};
    for (int i = 0; i < 4; ++i) rlc.push_back({Kind::Button, 372 + i, {120, 240 + 30 * i, 100, 20}, buttons[i]});
    EXPECT_EQ(opened_window(359, 360), rlc);
}

TEST(SeriesParallel, ExamplesGiveTheirBoxes) {
    EXPECT_EQ(boxes(play("menu 335\npress 344\npress 345\n")),
              (std::vector<Box>{{"Beräkningar ger följande resultat",
                                 "Spänning över R1 är 4.4 Volt\nSpänning över R2 är 43.6 Volt\nKopplingen förbrukar "
                                 "3.08 Watt\nKopplingen drar 0.06 Ampere\nTotala resistansen är 748 Ohm"}}));
    EXPECT_EQ(boxes(play("menu 348\npress 355\npress 356\n")),
              (std::vector<Box>{{"Parallellkoppling av motstånden", "Total resistans är 44.0 Ohm"}}));
    EXPECT_EQ(boxes(play("menu 359\npress 372\npress 373\n")),
              (std::vector<Box>{{"Parallell av (R & L) eller Serie av (C)",
                                 "Totala värdet är 41.29 resistans, induktans eller kapacitans."}}));
}

TEST(SeriesParallel, VoltageDividerStoresEachQuantityAsFound) {
    struct Case {
        std::string U, R1, R2;
        std::vector<std::string> values;  // U1, U2, P, I, Rt; empty: no box
    };
    const Case cases[] = {
        {"12", "1000", "1000", {"6.0", "6.0", "0.07", "0.01", "2,000"}},
        {"230", "-50", "150", {"-115.0", "345.0", "529.00", "2.30", "100"}},
        // The power comes from the stored current: U * U / Rt would give 0.22.
        {"12", "254", "386", {"4.8", "7.2", "0.23", "0.02", "640"}},
        // R1 / Rt is not stored before it is multiplied: stored, 4.6.
        {"24", "93", "387", {"4.7", "19.4", "1.20", "0.05", "480"}},
        // The total is stored, so 16,777,217 becomes 16,777,216.
        {"1", "16777216", "1", {"1.0", "0.0", "0.00", "0.00", "16,777,216"}},
        // The later steps divide by that stored total: unstored, 4,999,893.0 and 91,145.12.
        {"5000000", "274281999", "5875", {"4,999,892.5", "107.1", "91,145.11", "0.02", "274,287,872"}},
        {"1000000", "1", "1", {"500,000.0", "500,000.0", "499,999,997,952.00", "500,000.00", "2"}},
        {"10", "100", "-100", {"+Infinity", "-Infinity", "+Infinity", "+Infinity", "0"}},
        {"1e20",
         "1e-20",
         "1e-20",
         {"50,000,001,002,043,867,136.0", "50,000,001,002,043,867,136.0", "+Infinity", "+Infinity", "0"}},
        {"+Infinity", "1", "1", {"+Infinity", "+Infinity", "+Infinity", "+Infinity", "2"}},
        {"NaN", "1", "1", {}},
        {"12", "0", "5", {}},
        {"12", "5", "-0", {}},
        {"12", "5,6", "abc", {}},
    };
    for (const Case& c : cases) {
        std::vector<Box> expected;
        if (!c.values.empty()) {
            expected.push_back({"Beräkningar ger följande resultat",
                                "Spänning över R1 är " + c.values[0] + " Volt\nSpänning över R2 är " + c.values[1] +
                                    " Volt\nKopplingen förbrukar " + c.values[2] + " Watt\nKopplingen drar " +
                                    c.values[3] + " Ampere\nTotala resistansen är " + c.values[4] + " Ohm"});
        }
        const std::vector<std::pair<int, std::string>> fields = {{339, c.U}, {341, c.R1}, {343, c.R2}};
        EXPECT_EQ(press_after_typing(335, fields, 345), expected) << joined(fields);
    }
}

TEST(SeriesParallel, ParallelResistorsStoreEachConductance) {
    struct Case {
        std::string R1, R2, shown;  // empty: no box
    };
    const Case cases[] = {
        {"100", "100", "50.0"},
        {"1e6", "3e6", "750,000.0"},
        // Unstored conductances would give 18,837.9 and 29,652.0.
        {"25169", "74890", "18,838.0"},
        {"86612", "45088", "29,651.9"},
        {"1e30", "1e30", "500,000,007,523,733,109,938,344,427,520.0"},
        {"+Infinity", "100", "100.0"},
        {"-100", "100", "+Infinity"},
        {"1", "-0", ""},
        {"NaN", "5", ""},
        {"", "5", ""},
    };
    for (const Case& c : cases) {
        const std::vector<Box> expected =
            c.shown.empty()
                ? std::vector<Box>{}
                : std::vector<Box>{{"Parallellkoppling av motstånden", "Total resistans är " + c.shown + " Ohm"}};
        const std::vector<std::pair<int, std::string>> fields = {{352, c.R1}, {354, c.R2}};
        EXPECT_EQ(press_after_typing(348, fields, 356), expected) << joined(fields);
    }
}

TEST(SeriesParallel, CombinedTotalIsKeptWhileTheWindowIsOpen) {
    // One window, press after press: each step types all five fields (or
    // presses a button first) and shows the total after "Beräkna".
    struct Step {
        std::string before;  // a button pressed before the fields are typed, or empty
        std::vector<std::string> fields;
        std::string total;
    };
    const Step steps[] = {
        {"", {"0", "0", "0", "0", "0"}, "0.00"},
        {"372", {"47", "680", "680", "0", "0"}, "41.29"},
        {"374", {"0", "0", "0", "0", "0"}, "41.29"},
        {"", {"10", "0", "0", "0", "0"}, "10.00"},
        {"", {"47", "680", "0", "100", "100"}, "43.96"},
        {"", {"1", "2", "3", "4", "5"}, "0.44"},
        {"", {"1000", "1000", "1000", "1000", "abc"}, "250.00"},
        // Only the sum of the reciprocals is stored: storing each gives 22,624.04.
        {"", {"93824", "70524", "51645", "0", "0"}, "22,624.03"},
        {"", {"NaN", "3", "0", "0", "0"}, "22,624.03"},
        {"", {"3", "NaN", "5", "0", "0"}, "3.00"},
        {"", {"0.5", "-0.5", "0", "0", "0"}, "+Infinity"},
        {"374", {"-0", "0", "0", "0", "0"}, "+Infinity"},
        {"", {"1e30", "1e30", "1e30", "1e30", "1e30"}, "200,000,003,009,493,243,975,337,771,008.00"},
        {"", {"1e-30", "1e-30", "0", "0", "0"}, "0.00"},
        {"", {"-2200", "0", "0", "0", "0"}, "-2,200.00"},
    };
    std::string session = "menu 359\n";
    std::vector<Box> expected;
    for (const Step& step : steps) {
        if (!step.before.empty()) session += "press " + step.before + "\n";
        for (int i = 0; i < 5; ++i) {
            session += "type " + std::to_string(363 + 2 * i) + " " + step.fields[static_cast<std::size_t>(i)] + "\n";
        }
        session += "press 373\n";
        expected.push_back({"Parallell av (R & L) eller Serie av (C)",
                            "Totala värdet är " + step.total + " resistans, induktans eller kapacitans."});
    }
    // Closed and opened again: the total starts over.
    session += "press 375\nmenu 359\npress 373\n";
    expected.push_back(
        {"Parallell av (R & L) eller Serie av (C)", "Totala värdet är 0.00 resistans, induktans eller kapacitans."});
    EXPECT_EQ(boxes(play(session)), expected);
}

}  // namespace
