// Ohm's law: whichever of voltage, resistance and current is 0 is found.
#include "calculators/calculators.h"
#include "numbers/number_text.h"

namespace sparvik {
namespace {

using frame::Kind;
using numbers::is_zero;
using numbers::store;
using numbers::write_number;

constexpr frame::Control layout[] = {
    {Kind::Label, 61, 120, 10, 600, 20,
     "2 valfria av 3 fält fylls i med en punkt '.' som decimaltecken, fältet du söker svaret till lämnas orört med en "
     "nolla."},
    {Kind::Label, 62, 120, 80, 100, 20, "Volt (U)"},
    {Kind::Field, 63, 220, 80, 50, 20, "0", "12"},
    {Kind::Label, 64, 120, 110, 100, 20, "Resistans (R)"},
    {Kind::Field, 65, 220, 110, 50, 20, "0", "0"},
    {Kind::Label, 66, 120, 140, 100, 20, "Ampere (I)"},
    {Kind::Field, 67, 220, 140, 50, 20, "0", "2"},
};

// Each rule looks at its own field only, so up to three boxes can follow.
void compute(frame::Form& form) {
    const float U = form.number(63);
    const float R = form.number(65);
    const float I = form.number(67);
    if (is_zero(U)) form.result("Ohms lag", write_number(store(double(R) * I), 2) + " Volt");
    if (is_zero(R)) form.result("Ohms lag", write_number(store(double(U) / I), 2) + " Ohm");
    if (is_zero(I)) form.result("Ohms lag", write_number(store(double(U) / R), 2) + " Ampere");
}

}  // namespace

void EFF_OHM(Shell& shell) {
    frame::run(shell, {.window = 60, .name = "EFF_OHM", .layout = layout, .buttons = {{68, 200}}, .compute = compute});
}

}  // namespace sparvik
