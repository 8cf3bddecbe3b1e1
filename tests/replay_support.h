// Plays sessions of the replay tool in-process and picks its output apart.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sparvik::testing {

struct Played {
    std::vector<std::string> lines;  // standard output, one JSON object a line
    std::string errors;              // standard error
};

Played play(std::string_view session);

// The string values of one output line, unescaped, keys included.
std::vector<std::string> json_strings(std::string_view line);

struct Box {
    std::string title;
    std::string text;
    friend bool operator==(const Box&, const Box&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Box& box) {
        return out << '{' << box.title << " | " << box.text << '}';
    }
};

std::vector<Box> boxes(const Played& played);

// Opens the calculator of menu item `menu`, types the texts into their
// fields, presses `button` and returns the result boxes shown.
std::vector<Box> press_after_typing(int menu, const std::vector<std::pair<int, std::string>>& fields, int button);

// One press of "Beräkna" after typing into fields, and the boxes it must show.
struct Case {
    std::vector<std::pair<int, std::string>> fields;
    std::vector<Box> boxes;
};

// Plays each case in a fresh session; a failure names the typed fields.
void check_cases(int menu, int compute, const std::vector<Case>& cases);

}  // namespace sparvik::testing
