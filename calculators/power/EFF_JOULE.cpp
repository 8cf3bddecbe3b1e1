// Joule's law: two of power, voltage, current and resistance give the others.
#include <cmath>

#include "calculators/calculators.h"
#include "numbers/number_text.h"

namespace sparvik {
namespace {

using frame::Kind;
using numbers::is_zero;
using numbers::store;
using numbers::write_number;

constexpr frame::Control layout[] = {
    {Kind::Label, 74, 120, 10, 600, 20,
     "2 valfria av 4 fält fylls i med en punkt '.' som decimaltecken, fälten du söker svaret till lämnas orörda med "
     "nollor."},
    {Kind::Label, 75, 120, 80, 100, 20, "Watt (P)"},
    {Kind::Field, 76, 220, 80, 50, 20, "0", "0"},
    {Kind::Label, 77, 120, 110, 100, 20, "Volt (U)"},
    {Kind::Field, 78, 220, 110, 50, 20, "0", "0"},
    {Kind::Label, 79, 120, 140, 100, 20, "Ampere (I)"},
    {Kind::Field, 80, 220, 140, 50, 20, "0", "4"},
    {Kind::Label, 81, 120, 170, 100, 20, "Resistans (R)"},
    {Kind::Field, 82, 220, 170, 50, 20, "0", "50"},
};

constexpr std::string_view title = "EFF_JOULE()";

std::string pair(float first, std::string_view first_unit, float second, std::string_view second_unit) {
    return write_number(first, 2) + std::string(first_unit) + " och " + write_number(second, 2) +
           std::string(second_unit);
}

// Exactly two fields given; the second quantity comes from the stored first.
void compute(frame::Form& form) {
    const float P = form.number(76);
    const float U = form.number(78);
    const float I = form.number(80);
    const float R = form.number(82);
    const bool p = !is_zero(P), u = !is_zero(U), i = !is_zero(I), r = !is_zero(R);

    if (u && i && !p && !r) {
        form.result(title, write_number(store(double(U) * I), 2) + " Watt");
    } else if (p && u && !i && !r) {
        const float current = store(double(P) / U);
        form.result(title, pair(current, " Ampere", store(double(U) / current), " Ohm"));
    } else if (p && i && !u && !r) {
        const float voltage = store(double(P) / I);
        form.result(title, pair(voltage, " Volt", store(double(voltage) / I), " Ohm"));
    } else if (i && r && !p && !u) {
        form.result(title, pair(store(double(I) * I * R), " Watt", store(double(I) * R), " Volt"));
    } else if (p && r && !u && !i) {
        const float current = store(std::sqrt(double(P) / R));
        form.result(title, pair(store(double(current) * R), " Volt", current, " Ampere"));
    } else if (u && r && !p && !i) {
        const float current = store(double(U) / R);
        form.result(title, pair(store(double(U) * current), " Watt", current, " Ampere"));
    }
}

}  // namespace

void EFF_JOULE(Shell& shell) {
    frame::run(shell,
               {.window = 73, .name = "EFF_JOULE", .layout = layout, .buttons = {{83, 220}}, .compute = compute});
}

}  // namespace sparvik
