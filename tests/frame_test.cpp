// The calculator frame and the main window on the scripted toolkit.
#include <gtest/gtest.h>

#include <set>

#include "app/program.h"
#include "frame/calculator.h"
#include "frame/scripted_toolkit.h"
#include "tests/replay_support.h"

namespace {

using sparvik::frame::ScriptedToolkit;
using namespace sparvik::testing;

const std::string suffix =
    std::string(20, ' ') + "Brantholm - Skill through practice" + std::string(70, ' ') + "SPARVIK 0.44";

std::vector<std::string> lines_of(std::string_view session) {
    return play(session).lines;
}

std::string open_line(int window, std::string_view name) {
    return "{\"open\": " + std::to_string(window) + ", \"title\": \"" + std::string(name) + std::string(30, ' ') +
           suffix + "\"}";
}

TEST(MainWindow, StartsWithTitleLogoAndTheWholeMenu) {
    std::vector<std::pair<std::string, std::vector<std::pair<int, std::string>>>> menu;
    const ScriptedToolkit::Control* logo = nullptr;
    const sparvik::frame::Picture* picture = nullptr;
    ScriptedToolkit toolkit([&](ScriptedToolkit& t) {
        if (logo != nullptr) return false;
        for (const auto& title : t.menu()) menu.emplace_back(title.text, title.items);
        logo = t.control(6);
        picture = t.picture(5);
        EXPECT_EQ(t.window(0)->title, "MAIN" + std::string(30, ' ') + suffix);
        EXPECT_EQ(logo->rect, (sparvik::frame::Rect{0, 0, 800, 600}));
        EXPECT_EQ(logo->picture, 5);
        if (picture == nullptr) {
            ADD_FAILURE() << "no logo picture";
            return false;
        }
        EXPECT_EQ(picture->width, 800);
        EXPECT_EQ(picture->height, 600);
        EXPECT_EQ(picture->rgba.size(), 800U * 600U * 4U);
        return t.click_close(0);
    });
    EXPECT_EQ(sparvik::app::run_program(toolkit), 0);

    const std::vector<std::string> titles = {"Frekvens",   "Effekt",          "Antenn",     "Impendans",
                                             "Reaktans",   "Induktans",       "Kapacitans", "Decibel",
                                             "Tråd/Kabel", "Serie/Parallell", "Information"};
    ASSERT_EQ(menu.size(), titles.size());
    std::vector<int> items;
    for (std::size_t i = 0; i < menu.size(); ++i) {
        EXPECT_EQ(menu[i].first, titles[i]);
        for (const auto& item : menu[i].second) items.push_back(item.first);
    }
    const std::vector<int> expected = {24,  39,  48,  59,  72,  87,  98,  109, 120, 131, 142,
                                       153, 164, 177, 192, 203, 216, 229, 248, 216, 98,  203,
                                       285, 296, 309, 322, 261, 272, 335, 348, 359, 376, 386};
    EXPECT_EQ(items, expected);
    EXPECT_EQ(menu[9].second[2].second, "Parallell R & L - Serie C");
    EXPECT_TRUE(toolkit.open_windows().empty()) << "everything is released at the end";
}

TEST(MainWindow, EndsOnlyOnItsOwnCloseRequest) {
    EXPECT_EQ(lines_of("close 0\nmenu 59\n"), (std::vector<std::string>{open_line(0, "MAIN"), "{\"exit\": 0}"}));
    // No exit line: the session ran out while the program still waited.
    EXPECT_EQ(lines_of("press 6\nclose 1\n").size(), 1U);
}

TEST(CalculatorWindow, CloseBoxDoesNothingAndOnlyStangCloses) {
    const auto lines = lines_of("menu 59\nclose 60\nread 63\npress 71\nread 63\n");
    EXPECT_EQ(lines, (std::vector<std::string>{open_line(0, "MAIN"), open_line(60, "EFF_OHM()"),
                                               "{\"read\": 63, \"text\": \"0\"}", "{\"closed\": 60}"}));
}

TEST(CalculatorWindow, MainCloseBoxWhileOpenIsNotRemembered) {
    const auto lines = lines_of("menu 59\nclose 0\npress 71\nmenu 72\npress 86\nclose 0\n");
    EXPECT_EQ(lines, (std::vector<std::string>{open_line(0, "MAIN"), open_line(60, "EFF_OHM()"), "{\"closed\": 60}",
                                               open_line(73, "EFF_JOULE()"), "{\"closed\": 73}", "{\"exit\": 0}"}));
}

TEST(CalculatorWindow, MenuItemWhileOpenIsLostThenAndLater) {
    const auto lines = lines_of("menu 59\nmenu 72\nmenu 87\npress 71\nclose 0\n");
    EXPECT_EQ(lines, (std::vector<std::string>{open_line(0, "MAIN"), open_line(60, "EFF_OHM()"), "{\"closed\": 60}",
                                               "{\"exit\": 0}"}));
}

TEST(CalculatorWindow, RefillsFieldsByRecreationInTheirPlace) {
    ScriptedToolkit toolkit;
    std::vector<int> before;
    int step = 0;
    toolkit.set_feed([&](ScriptedToolkit& t) {
        switch (step++) {
            case 0: return t.choose_menu(59);
            case 1:
                before = t.window(60)->controls;
                EXPECT_EQ(before.size(), 11U);
                EXPECT_EQ(t.control(71)->rect, (sparvik::frame::Rect{120, 290, 100, 20}));
                EXPECT_EQ(t.control(71)->text, "Stäng");
                return t.type(63, "99 typed");
            case 2: return t.press(68);  // Exempel
            case 3:
                EXPECT_EQ(t.control(63)->text, "12");
                EXPECT_EQ(t.control(65)->text, "0");
                EXPECT_EQ(t.control(67)->text, "2");
                EXPECT_EQ(t.window(60)->controls, before) << "creation order survives re-creation";
                EXPECT_EQ(t.control(63)->rect, (sparvik::frame::Rect{220, 80, 50, 20}));
                return t.type(65, "7");
            case 4: return t.press(70);  // Nollställ
            case 5:
                for (int field : {63, 65, 67}) EXPECT_EQ(t.control(field)->text, "0");
                return t.press(71);
            default: return t.click_close(0);
        }
    });
    EXPECT_EQ(sparvik::app::run_program(toolkit), 0);
    EXPECT_EQ(step, 7);
}

TEST(CalculatorWindow, ComputingNeverChangesAField) {
    const auto lines = lines_of("menu 72\ntype 76 1,5\ntype 78 abc\npress 84\nread 76\nread 78\nread 80\n");
    EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
              (std::vector<std::string>{"{\"read\": 76, \"text\": \"1,5\"}", "{\"read\": 78, \"text\": \"abc\"}",
                                        "{\"read\": 80, \"text\": \"0\"}"}));
}

TEST(CalculatorWindow, ClosingDropsItsQueuedEvents) {
    ScriptedToolkit toolkit;
    toolkit.open_window(0, "MAIN");
    toolkit.open_window(7, "X");
    toolkit.add_button(8, {0, 0, 10, 10}, "B");
    ASSERT_TRUE(toolkit.press(8));
    ASSERT_TRUE(toolkit.click_close(7));
    ASSERT_TRUE(toolkit.click_close(0));
    toolkit.close_window(7);
    ASSERT_EQ(toolkit.queued(), 1U);
    EXPECT_EQ(toolkit.wait_event().window, 0);
    EXPECT_FALSE(toolkit.press(8)) << "its controls are gone";
}

TEST(CalculatorWindow, TitleIsNameThirtyBlanksAndSuffix) {
    EXPECT_EQ(sparvik::frame::window_title("EFF_OHM", "S"), "EFF_OHM()" + std::string(30, ' ') + "S");
    EXPECT_EQ(sparvik::app::title_suffix(), suffix);
}

}  // namespace

namespace {

// A screen reader must be able to say what each field and list is for, also
// after "Exempel" has re-created the fields.
TEST(CalculatorWindow, EveryFieldAndListHasAnAccessibleName) {
    std::set<int> seen;
    int named = 0;
    for (const auto& title : sparvik::app::menu()) {
        for (const auto& item : title.items) {
            if (!seen.insert(item.id).second) continue;
            ScriptedToolkit toolkit;
            int step = 0;
            toolkit.set_feed([&](ScriptedToolkit& t) {
                if (step++ == 0) return t.choose_menu(item.id);
                int example = -1;
                for (int id : t.window(item.id + 1)->controls) {
                    const auto* c = t.control(id);
                    if (c->kind == ScriptedToolkit::ControlKind::Button && c->text.rfind("Exempel", 0) == 0)
                        example = id;
                    if (c->kind == ScriptedToolkit::ControlKind::Field ||
                        c->kind == ScriptedToolkit::ControlKind::List) {
                        EXPECT_FALSE(c->accessible_name.empty()) << "control " << id;
                        ++named;
                    }
                }
                return step == 2 && example >= 0 && t.press(example);
            });
            try {
                sparvik::app::run_program(toolkit);
            } catch (const sparvik::frame::Stopped&) {
            }
        }
    }
    EXPECT_GT(named, 100);
}

}  // namespace
