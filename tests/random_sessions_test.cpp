// Seeded random sessions over every menu item on the scripted toolkit,
// checking the frame's promises after every step.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app/program.h"
#include "frame/scripted_toolkit.h"

namespace {

using sparvik::frame::ScriptedToolkit;
using Kind = ScriptedToolkit::ControlKind;

class Session : public ScriptedToolkit::Observer {
public:
    explicit Session(unsigned seed) : random_(seed) {
        for (const auto& title : sparvik::app::menu()) {
            for (const auto& item : title.items) items_.push_back(item.id);
        }
        items_.push_back(1);  // not in the table
    }

    // Plays until `budget` commands have been given, starting the program
    // again whenever it ends.
    void play(int budget) {
        budget_ = budget;
        while (given_ < budget_) {
            ScriptedToolkit toolkit([this](ScriptedToolkit& t) { return step(t); }, this);
            toolkit_ = &toolkit;
            try {
                EXPECT_EQ(sparvik::app::run_program(toolkit), 0);
                EXPECT_TRUE(last_.close_main_while_idle) << "ended without the main window's close request";
            } catch (const sparvik::frame::Stopped&) {
            }
            toolkit_ = nullptr;
            last_ = {};
            ++runs_;
        }
    }

    int runs() const { return runs_; }
    int boxes() const { return boxes_; }
    std::size_t windows_seen() const { return opened_.size(); }

    void opened(int window, const std::string&) override {
        if (window == 0) return;
        opened_[window]++;
        EXPECT_TRUE(last_.menu_while_idle && last_.id + 1 == window)
            << "window " << window << " opened by something else than its menu item";
    }

    void box(const std::string& title, const std::string&) override {
        ++boxes_;
        EXPECT_TRUE(last_.press && last_.window == open_calculator(*toolkit_) && last_.window > 0)
            << "box \"" << title << "\" not from a press in the open calculator";
    }

private:
    struct Action {
        bool menu_while_idle = false;
        bool close_main_while_idle = false;
        bool close_calculator = false;
        bool press = false;
        int id = 0;
        int window = -1;
    };

    static int open_calculator(const ScriptedToolkit& t) {
        for (int window : t.open_windows()) {
            if (window != 0) return window;
        }
        return 0;
    }

    std::vector<int> controls_of(const ScriptedToolkit& t, int window, Kind kind) const {
        std::vector<int> ids;
        if (const auto* w = t.window(window)) {
            for (int id : w->controls) {
                if (t.control(id)->kind == kind) ids.push_back(id);
            }
        }
        return ids;
    }

    std::map<int, std::string> fields(const ScriptedToolkit& t, int window) const {
        std::map<int, std::string> texts;
        for (int id : controls_of(t, window, Kind::Field)) texts[id] = t.control(id)->text;
        return texts;
    }

    int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }

    std::string number_text() {
        static const char* const specials[] = {"0", "-0",   "NaN",   "nan", "+Infinity", "-INFINITY",   "Infinity",
                                               "",  " ",    "1,5",   "abc", "1e",        "--3",         "\t7",
                                               ".", "-.5",  "1e400", "$ff", "%101",      "1.2.3",       "0x1A",
                                               "٣", "12 V", "+7",    "5.",  "1e-50",     "3.4028236e38"};
        switch (pick(4)) {
            case 0: return specials[pick(std::size(specials))];
            case 1: return std::to_string(pick(2000) - 1000);
            case 2: return std::string(static_cast<std::size_t>(pick(400)), static_cast<char>('0' + pick(10)));
            default: {
                const double mantissa = std::uniform_real_distribution<double>(-10, 10)(random_);
                char text[64];
                const auto end = std::to_chars(text, text + sizeof text, mantissa * std::pow(10.0, pick(90) - 45)).ptr;
                return std::string(text, end);
            }
        }
    }

    bool step(ScriptedToolkit& t) {
        check_after(t);
        if (given_ >= budget_) return false;
        ++given_;

        const int calculator = open_calculator(t);
        last_ = {};
        last_.window = calculator;
        const int choice = pick(100);
        const int menu_share = calculator == 0 ? 60 : 3;
        // Ending the program is rare: each new start decodes the logo again.
        const int close_share = calculator == 0 ? 1 : 5;
        if (choice < menu_share) {
            last_.id = items_[static_cast<std::size_t>(pick(static_cast<int>(items_.size())))];
            last_.menu_while_idle = calculator == 0;
            return t.choose_menu(last_.id) || step(t);
        }
        if (choice < menu_share + close_share) {
            const int window = pick(2) == 0 ? 0 : calculator;
            last_.close_main_while_idle = window == 0 && calculator == 0;
            last_.close_calculator = window != 0;
            return t.click_close(window) || step(t);
        }
        const auto typed = controls_of(t, calculator, Kind::Field);
        const auto buttons = controls_of(t, calculator, Kind::Button);
        const auto lists = controls_of(t, calculator, Kind::List);
        if (choice < menu_share + 55 && !typed.empty()) {
            return t.type(typed[static_cast<std::size_t>(pick(static_cast<int>(typed.size())))], number_text());
        }
        if (choice < menu_share + 65 && !lists.empty()) {
            const int list = lists[static_cast<std::size_t>(pick(static_cast<int>(lists.size())))];
            return t.pick(list, pick(static_cast<int>(t.control(list)->items.size()) + 2) - 1) || step(t);
        }
        if (!buttons.empty()) {
            const int button = buttons[static_cast<std::size_t>(pick(static_cast<int>(buttons.size())))];
            const std::string& text = t.control(button)->text;
            if (text == "Stäng" && pick(4) != 0) return step(t);  // keep windows open a while
            last_.press = true;
            last_.id = button;
            if (text.rfind("Beräkna", 0) == 0) before_compute_ = fields(t, calculator);
            return t.press(button);
        }
        return step(t);
    }

    // What must hold once the program has taken the last action.
    void check_after(const ScriptedToolkit& t) {
        EXPECT_FALSE(last_.close_main_while_idle) << "the main window's close request did not end the program";
        if (last_.close_calculator) {
            EXPECT_NE(t.window(last_.window), nullptr) << "a close box closed a calculator";
        }
        const auto windows = t.open_windows();
        EXPECT_LE(windows.size(), 2U) << "more than one calculator open";
        EXPECT_TRUE(!windows.empty() && windows.front() == 0) << "the main window is gone";
        if (before_compute_) {
            EXPECT_EQ(fields(t, last_.window), *before_compute_) << "\"Beräkna\" changed a field";
            before_compute_.reset();
        }
    }

    std::mt19937 random_;
    std::vector<int> items_;
    ScriptedToolkit* toolkit_ = nullptr;
    Action last_;
    std::optional<std::map<int, std::string>> before_compute_;
    std::map<int, int> opened_;
    int budget_ = 0;
    int given_ = 0;
    int runs_ = 0;
    int boxes_ = 0;
};

TEST(RandomSessions, KeepTheFramesPromisesOverEveryCalculator) {
    Session session(20261211);
    session.play(100'000);
    EXPECT_GT(session.runs(), 1) << "the program never ended by its close box";
    EXPECT_GT(session.boxes(), 1000);
    RecordProperty("windows", static_cast<int>(session.windows_seen()));
}

}  // namespace
