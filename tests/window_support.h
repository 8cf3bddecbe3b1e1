// Opening one calculator window on the scripted toolkit and looking at it:
// its controls as the user finds them, in creation order.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "app/program.h"
#include "calculators/calculators.h"
#include "frame/scripted_toolkit.h"

namespace sparvik::testing {

struct Shown {
    frame::ScriptedToolkit::ControlKind kind;
    int id;
    frame::Rect rect;
    std::string text;  // a list shows its items joined by "|"
    friend bool operator==(const Shown&, const Shown&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Shown& s) {
        return out << s.id << " (" << s.rect.x << ", " << s.rect.y << ", " << s.rect.width << ", " << s.rect.height
                   << ") " << s.text;
    }
};

// Runs `procedure` in its own window, lets `look` inspect it once it waits,
// then presses "Stäng" (`close`), which must close it again.
template <class Look>
void look_at(void (*procedure)(frame::Shell&), int close, Look look) {
    bool looked = false;
    frame::ScriptedToolkit toolkit([&](frame::ScriptedToolkit& t) {
        if (looked) return false;
        looked = true;
        look(t);
        return t.press(close);
    });
    toolkit.open_window(0, "MAIN");
    frame::Shell shell{toolkit, "S"};
    procedure(shell);
    EXPECT_TRUE(looked);
    EXPECT_EQ(toolkit.open_windows(), std::vector<int>{0}) << "\"Stäng\" left its window open";
}

inline std::vector<Shown> opened_window(int menu, int window) {
    frame::ScriptedToolkit toolkit;
    std::vector<Shown> shown;
    bool chosen = false;
    toolkit.set_feed([&](frame::ScriptedToolkit& t) {
        if (!chosen) return chosen = t.choose_menu(menu);
        if (const auto* w = t.window(window)) {
            for (int id : w->controls) {
                const auto* c = t.control(id);
                std::string text = c->text;
                for (const auto& item : c->items) text += item.text + "|";
                shown.push_back({c->kind, id, c->rect, text});
            }
        }
        return false;
    });
    try {
        app::run_program(toolkit);
    } catch (const frame::Stopped&) {
        // the script ends with the window still open
    }
    return shown;
}

}  // namespace sparvik::testing
