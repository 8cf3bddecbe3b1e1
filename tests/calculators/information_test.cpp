// The Information menu: the About window and the resistor colour code.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "calculators/calculators.h"
#include "frame/scripted_toolkit.h"
#include "tests/replay_support.h"
#include "tests/window_support.h"

namespace {

using sparvik::frame::ScriptedToolkit;
using namespace sparvik::testing;

const std::string title = "Färgkoderna på motståndet motsvarar";

// Picks the given positions in the lists, in order, then presses `button`.
std::vector<Box> picked(const std::vector<int>& lists, const std::vector<int>& positions, int button) {
    std::string session = "menu 386\n";
    for (std::size_t i = 0; i < positions.size(); ++i) {
        session += "pick " + std::to_string(lists[i]) + " " + std::to_string(positions[i]) + "\n";
    }
    session += "press " + std::to_string(button) + "\n";
    return boxes(play(session));
}

struct Case {
    std::vector<int> bands;
    std::string text;
};

void check(const std::vector<int>& lists, int button, const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        std::string bands;
        for (int band : c.bands) bands += std::to_string(band) + " ";
        EXPECT_EQ(picked(lists, c.bands, button), (std::vector<Box>{{title, c.text}})) << bands;
    }
}

TEST(ColourCode, ThreeBands) {
    check({392, 394, 396}, 407,
          {
              {{4, 7, 0}, "47"},
              {{4, 7, 1}, "470 Ohm"},
              {{4, 7, 2}, "4700 Ohm / 4,7 kOhm"},
              {{4, 7, 3}, "47000 Ohm / 47 kOhm"},
              {{4, 7, 4}, "470000 Ohm / 470 kOhm"},
              {{4, 7, 5}, "4700000 Ohm / 4700 kOhm / 4,7 MOhm"},
              {{4, 7, 6}, "47000000 Ohm / 47000 kOhm / 47 MOhm"},
              {{4, 7, 7}, "470000000 Ohm / 470000 kOhm / 470 MOhm"},
              {{4, 7, 8}, "4700000000 Ohm / 4700000 kOhm / 4700 MOhm"},
              {{4, 7, 9}, "47000000000 Ohm / 47000000 kOhm / 47000 MOhm"},
              {{1, 0, 0}, "10"},
              {{1, 0, 2}, "1000 Ohm / 1,0 kOhm"},
              {{0, 7, 2}, "0700 Ohm / 0,7 kOhm"},
              {{0, 0, 0}, "00"},
              {{9, 9, 9}, "99000000000 Ohm / 99000000 kOhm / 99000 MOhm"},
          });
}

TEST(ColourCode, FourBandsWithSilverAndGold) {
    check({398, 400, 402, 404}, 408,
          {
              {{4, 7, 5, 0}, "475"},
              {{4, 7, 5, 1}, "4750 Ohm / 4,75 kOhm"},
              {{4, 7, 5, 2}, "47500 Ohm / 47,5 kOhm"},
              {{4, 7, 5, 3}, "475000 Ohm / 475 kOhm"},
              {{4, 7, 5, 4}, "4750000 Ohm / 4750 kOhm / 4,75 MOhm"},
              {{4, 7, 5, 5}, "47500000 Ohm / 47500 kOhm / 47,5 MOhm"},
              {{4, 7, 5, 6}, "475000000 Ohm / 475000 kOhm / 475 MOhm"},
              {{4, 7, 5, 7}, "4750000000 Ohm / 4750000 kOhm / 4750 MOhm"},
              {{4, 7, 5, 8}, "47500000000 Ohm / 47500000 kOhm / 47500 MOhm"},
              {{4, 7, 5, 9}, "475000000000 Ohm / 475000000 kOhm / 475000 MOhm"},
              {{4, 7, 5, 10}, "4,75 Ohm"},
              {{4, 7, 5, 11}, "47,5 Ohm"},
              {{1, 0, 0, 4}, "1000000 Ohm / 1000 kOhm / 1,00 MOhm"},
              {{0, 0, 1, 1}, "0010 Ohm / 0,01 kOhm"},
              {{0, 4, 7, 10}, "0,47 Ohm"},
          });
}

TEST(ColourCode, ASideWithAnUnselectedListShowsNothing) {
    EXPECT_TRUE(picked({392, 394}, {1, 5}, 407).empty());
    EXPECT_TRUE(picked({392, 396}, {1, 2}, 407).empty());
    EXPECT_TRUE(picked({398, 400, 402}, {1, 5, 0}, 408).empty());
    EXPECT_TRUE(picked({400, 402, 404}, {5, 0, 1}, 408).empty());
}

// The selected positions of the seven lists, as the replay tool reads them.
std::vector<int> positions(const std::vector<std::string>& lines) {
    std::vector<int> found;
    for (const std::string& line : lines) {
        const auto at = line.find("\"pos\": ");
        if (at != std::string::npos) found.push_back(std::stoi(line.substr(at + 7)));
    }
    return found;
}

TEST(ColourCode, ExamplesTouchOnlyTheirSideAndResetClearsAll) {
    const std::string read_all = "read 392\nread 394\nread 396\nread 398\nread 400\nread 402\nread 404\n";
    const Played played = play("menu 386\n" + read_all + "press 405\n" + read_all + "press 408\npress 406\n" +
                               read_all + "press 407\npress 408\npress 409\n" + read_all + "press 407\npress 408\n");
    const std::vector<int> none(7, -1);
    std::vector<int> expected = none;
    for (int p : {1, 5, 2}) expected.push_back(p);
    for (int i = 0; i < 4; ++i) expected.push_back(-1);
    for (int p : {1, 5, 2, 1, 5, 0, 1}) expected.push_back(p);
    expected.insert(expected.end(), none.begin(), none.end());
    EXPECT_EQ(positions(played.lines), expected);
    EXPECT_EQ(boxes(played), (std::vector<Box>{{title, "1500 Ohm / 1,5 kOhm"}, {title, "1500 Ohm / 1,50 kOhm"}}));
}

TEST(ColourCode, WindowHasItsListsHeadingsAndPictures) {
    look_at(sparvik::RESCOL, 410, [](ScriptedToolkit& t) {
        const std::vector<int> order = {388, 389, 390, 391, 392, 393, 394, 395, 396, 397, 398, 399,
                                        400, 401, 402, 403, 404, 405, 407, 406, 408, 409, 410};
        EXPECT_EQ(t.window(387)->controls, order);
        EXPECT_EQ(t.window(387)->title, "RESCOL()" + std::string(30, ' ') + "S");

        for (int list : {392, 394, 396, 398, 400, 402, 404}) {
            const auto& items = t.control(list)->items;
            ASSERT_EQ(items.size(), list == 404 ? 12U : 10U) << list;
            for (std::size_t i = 0; i < 10; ++i) {
                EXPECT_EQ(items[i].picture, 9 + static_cast<int>(i));
                EXPECT_EQ(items[i].text, "");
            }
            EXPECT_EQ(t.control(list)->selected, -1) << "no selection at opening";
        }
        const auto& multiplier = t.control(404)->items;
        EXPECT_EQ(multiplier[10].text, "  -2");
        EXPECT_EQ(multiplier[10].picture, 19);
        EXPECT_EQ(multiplier[11].text, "  -1");
        EXPECT_EQ(multiplier[11].picture, 20);

        const auto* font = t.font(22);
        ASSERT_NE(font, nullptr);
        EXPECT_EQ(font->face, "Arial");
        EXPECT_EQ(font->points, 10);
        EXPECT_TRUE(font->bold);
        for (int heading : {389, 390}) {
            EXPECT_EQ(t.control(heading)->font, 22);
            EXPECT_EQ(t.control(heading)->colour, 0U);
        }
        EXPECT_EQ(t.control(391)->font, -1);

        // Corner pixels: the band colour, and the ends of the two gradients.
        struct Corners {
            std::array<int, 3> top_left, bottom_right;
        };
        const std::array<Corners, 12> expected = {{
            {{31, 25, 27}, {31, 25, 27}},
            {{131, 76, 35}, {131, 76, 35}},
            {{255, 26, 36}, {255, 26, 36}},
            {{255, 150, 0}, {255, 150, 0}},
            {{254, 225, 0}, {254, 225, 0}},
            {{1, 151, 64}, {1, 151, 64}},
            {{1, 119, 193}, {1, 119, 193}},
            {{170, 37, 146}, {170, 37, 146}},
            {{150, 151, 155}, {150, 151, 155}},
            {{255, 255, 255}, {255, 255, 255}},
            {{102, 102, 102}, {66, 66, 66}},
            {{239, 134, 24}, {215, 101, 20}},
        }};
        for (int id = 9; id <= 20; ++id) {
            const auto* picture = t.picture(id);
            ASSERT_NE(picture, nullptr) << id;
            ASSERT_EQ(picture->width, 22);
            ASSERT_EQ(picture->height, 20);
            auto pixel = [&](std::size_t at) {
                const auto* p = &picture->rgba[at * 4];
                EXPECT_EQ(p[3], 255) << "opaque";
                return std::array<int, 3>{p[0], p[1], p[2]};
            };
            const auto& corners = expected[static_cast<std::size_t>(id - 9)];
            EXPECT_EQ(pixel(0), corners.top_left) << id;
            EXPECT_EQ(pixel(22 * 20 - 1), corners.bottom_right) << id;
        }
    });
}

TEST(About, ShowsItsTextsInBlackAndOneButton) {
    look_at(sparvik::INFO, 385, [](ScriptedToolkit& t) {
        const std::vector<std::pair<int, std::string>> labels = {
            {378, "Information om SPARVIK"},
            {379,
             "Programmet är tänkt som en liten sammanfattning av diverse formler som kan vara svåra att hålla i "
             "huvudet,"},
            {380,
             "men bra att ha tilll hands i datorn utan att behöva ansluta sig till Internet och börja söka efter."},
            {381, "Eftersom upphovsmannen inte på något sätt är ofelbar kan felaktigheter förekomma. "},
            {382, "Rapportera ev. felaktigheter eller tips om förbättringar till felrapport@sparvik.example"},
            {383, "Bakom tangentbordet vid kodningen, Trastvik med mottot 'Tänk inte, det bara förvillar!'"},
            {384, "Stort stöd vid besvärligare ekvationer har Lommaren funnits."},
        };
        EXPECT_EQ(t.window(377)->controls, (std::vector<int>{378, 379, 380, 381, 382, 383, 384, 385}));
        EXPECT_EQ(t.window(377)->title, "INFO()" + std::string(30, ' ') + "S");
        for (const auto& [id, text] : labels) {
            const auto* label = t.control(id);
            EXPECT_EQ(label->kind, ScriptedToolkit::ControlKind::Label);
            EXPECT_EQ(label->text, text);
            EXPECT_EQ(label->colour, 0U) << id;
            EXPECT_EQ(label->font, id == 378 ? 23 : -1) << id;
        }
        EXPECT_EQ(t.control(385)->kind, ScriptedToolkit::ControlKind::Button);
        EXPECT_EQ(t.control(385)->text, "Stäng");
        EXPECT_EQ(t.control(385)->rect, (sparvik::frame::Rect{120, 240, 100, 20}));
        const auto* font = t.font(23);
        ASSERT_NE(font, nullptr);
        EXPECT_EQ(font->face, "Arial");
        EXPECT_EQ(font->points, 12);
        EXPECT_TRUE(font->bold);
    });
}

TEST(About, OnlyStangClosesItAndItOpensAgainTheSame) {
    const auto lines =
        play("menu 376\nclose 377\nmenu 386\nread 378\npress 385\nmenu 376\nread 384\npress 385\n").lines;
    ASSERT_EQ(lines.size(), 7U);
    EXPECT_EQ(lines[2], R"({"read": 378, "text": "Information om SPARVIK"})");
    EXPECT_EQ(lines[3], R"({"closed": 377})");
    EXPECT_EQ(lines[5], R"({"read": 384, "text": "Stort stöd vid besvärligare ekvationer har Lommaren funnits."})");
}

}  // namespace
