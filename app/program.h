// Start-up, the main window with its logo and menu bar, the main loop and
// shut-down, over whichever toolkit the caller provides.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "frame/calculator.h"

namespace sparvik::app {

struct MenuItem {
    int id;  // the first identifier of the calculator's block
    std::string_view text;
    void (*procedure)(frame::Shell&);
};

struct MenuTitle {
    std::string_view text;
    std::span<const MenuItem> items;
};

// The eleven titles in order, three items listed under two titles each.
std::span<const MenuTitle> menu();

// 20 blanks, the maker's name and slogan, 70 blanks, product and version.
std::string title_suffix();

// Runs the program on an initialised toolkit until the main window is closed;
// returns the exit code, always 0.
int run_program(frame::Toolkit& toolkit);

}  // namespace sparvik::app
