// The resistor colour code: bands picked from lists of colour pictures give
// the resistance. The result is built from digit texts alone, so no value is
// ever rounded.
#include <array>
#include <span>
#include <string>

#include "calculators/calculators.h"
#include "numbers/number_text.h"
#include "resources/embedded.h"

namespace sparvik {
namespace {

using frame::Kind;

constexpr int heading_font = 22;
constexpr std::uint32_t black = 0;
constexpr int first_picture = 9;

constexpr frame::Font fonts[] = {{heading_font, "Arial", 10, true}};

// Black to white carry their digit as position; silver and gold follow in the
// four-band multiplier list only.
constexpr frame::ListItem band_items[] = {
    {"", 9},  {"", 10}, {"", 11}, {"", 12}, {"", 13},     {"", 14},
    {"", 15}, {"", 16}, {"", 17}, {"", 18}, {"  -2", 19}, {"  -1", 20},
};
constexpr int silver = 10;
constexpr int gold = 11;
constexpr std::span<const frame::ListItem> digit_items(band_items, 10);

constexpr frame::Control heading(int id, int x, std::string_view text) {
    return {Kind::Label, id, x, 50, 600, 20, text, std::nullopt, {}, -1, heading_font, black};
}

constexpr frame::Control band_list(int id, int x, int y, std::span<const frame::ListItem> items = digit_items) {
    return {Kind::List, id, x, y, 50, 21, {}, std::nullopt, items};
}

constexpr int three_first = 392;
constexpr int three_second = 394;
constexpr int three_multiplier = 396;
constexpr int four_first = 398;
constexpr int four_second = 400;
constexpr int four_third = 402;
constexpr int four_multiplier = 404;
constexpr int example_three = 405;
constexpr int example_four = 406;
constexpr int compute_three = 407;
constexpr int compute_four = 408;
constexpr int reset = 409;

constexpr frame::Control layout[] = {
    {Kind::Label, 388, 120, 10, 600, 20, "Välj de olika färger som finns på motståndet och klicka på Beräkna."},
    heading(389, 120, "Motstånd med 3 färgränder + tolerans"),
    heading(390, 420, "Motstånd med 4 färgränder + tolerans"),
    {Kind::Label, 391, 120, 80, 100, 20, "Första randen"},
    band_list(three_first, 220, 80),
    {Kind::Label, 393, 120, 110, 100, 20, "Andra randen"},
    band_list(three_second, 220, 110),
    {Kind::Label, 395, 120, 140, 100, 20, "Tredje randen"},
    band_list(three_multiplier, 220, 140),
    {Kind::Label, 397, 420, 80, 100, 20, "Första randen"},
    band_list(four_first, 520, 80),
    {Kind::Label, 399, 420, 110, 100, 20, "Andra randen"},
    band_list(four_second, 520, 110),
    {Kind::Label, 401, 420, 140, 100, 20, "Tredje randen"},
    band_list(four_third, 520, 140),
    {Kind::Label, 403, 420, 170, 100, 20, "Fjärde randen"},
    band_list(four_multiplier, 520, 170, band_items),
    {Kind::Button, example_three, 120, 230, 100, 20, "Exempel 3-rad"},
    {Kind::Button, compute_three, 120, 260, 100, 20, "Beräkna 3-rad"},
    {Kind::Button, example_four, 420, 230, 100, 20, "Exempel 4-rad"},
    {Kind::Button, compute_four, 420, 260, 100, 20, "Beräkna 4-rad"},
    {Kind::Button, reset, 270, 230, 100, 20, "Nollställ"},
    {Kind::Close, 410, 270, 260, 100, 20, "Stäng"},
};

// The digits with `m` of them before the comma, or zeros added up to `m`
// digits; digits are never dropped.
std::string with_integer_digits(const std::string& digits, int m) {
    const auto n = static_cast<int>(digits.size());
    if (m >= n) return digits + std::string(static_cast<std::size_t>(m - n), '0');
    const auto split = static_cast<std::size_t>(m);
    return digits.substr(0, split) + "," + digits.substr(split);
}

// The resistance of the digit bands times ten to the power k: in ohms, and
// in kilo-ohms and mega-ohms once the value has enough digits.
std::string resistance_text(const std::string& digits, int k) {
    const int digits_in_ohms = static_cast<int>(digits.size()) + k;
    // Without a multiplier the digits stand alone, with no unit.
    std::string text = k == 0 ? digits : with_integer_digits(digits, digits_in_ohms) + " Ohm";
    if (digits_in_ohms >= 4) text += " / " + with_integer_digits(digits, digits_in_ohms - 3) + " kOhm";
    if (digits_in_ohms >= 7) text += " / " + with_integer_digits(digits, digits_in_ohms - 6) + " MOhm";
    return text;
}

// Reads the digit lists and the multiplier list of one side; shows nothing
// while any of them has no selection.
void show_resistance(frame::Form& form, std::span<const int> digit_lists, int multiplier_list) {
    std::string digits;
    for (const int list : digit_lists) {
        const int position = form.selected(list);
        if (position < 0 || position > 9) return;
        digits += numbers::write_integer(position);
    }
    const int position = form.selected(multiplier_list);
    if (position < 0 || position > gold) return;
    const int k = position == silver ? -2 : position == gold ? -1 : position;
    form.result("Färgkoderna på motståndet motsvarar", resistance_text(digits, k));
}

constexpr std::array three_digits = {three_first, three_second};
constexpr std::array four_digits = {four_first, four_second, four_third};

void on_control(frame::Form& form, int id) {
    switch (id) {
        case example_three:  // brown, green, red
            form.select(three_first, 1);
            form.select(three_second, 5);
            form.select(three_multiplier, 2);
            break;
        case example_four:  // brown, green, black, brown
            form.select(four_first, 1);
            form.select(four_second, 5);
            form.select(four_third, 0);
            form.select(four_multiplier, 1);
            break;
        case compute_three: show_resistance(form, three_digits, three_multiplier); break;
        case compute_four: show_resistance(form, four_digits, four_multiplier); break;
        case reset:
            for (const int list :
                 {three_first, three_second, three_multiplier, four_first, four_second, four_third, four_multiplier}) {
                form.select(list, -1);
            }
            break;
        default: break;  // picking in a list computes nothing
    }
}

}  // namespace

void RESCOL(Shell& shell) {
    namespace r = resources;
    const std::array<std::span<const unsigned char>, 12> pngs = {
        r::band_black_png,  r::band_brown_png, r::band_red_png,    r::band_orange_png,
        r::band_yellow_png, r::band_green_png, r::band_blue_png,   r::band_violet_png,
        r::band_grey_png,   r::band_white_png, r::band_silver_png, r::band_gold_png,
    };
    std::array<frame::EmbeddedPicture, 12> pictures{};
    for (std::size_t i = 0; i < pngs.size(); ++i) pictures[i] = {first_picture + static_cast<int>(i), pngs[i]};
    frame::run(shell, {.window = 387,
                       .name = "RESCOL",
                       .layout = layout,
                       .fonts = fonts,
                       .pictures = pictures,
                       .on_control = on_control});
}

}  // namespace sparvik
