// Inductive reactance: any two of frequency, inductance and reactance.
#include "calculators/calculators.h"
#include "numbers/number_text.h"

namespace sparvik {
namespace {

using frame::Kind;
using numbers::is_zero;
using numbers::store;
using numbers::write_number;

constexpr frame::Control layout[] = {
    {Kind::Label, 218, 120, 10, 600, 20, "Fyll i två valfria fält med en punkt '.' som decimaltecken!"},
    {Kind::Label, 219, 120, 80, 120, 20, "Frekvens i MHz"},
    {Kind::Field, 220, 240, 80, 50, 20, "0", "27.105"},
    {Kind::Label, 221, 120, 110, 120, 20, "Induktans i uH"},
    {Kind::Field, 222, 240, 110, 50, 20, "0", "0"},
    {Kind::Label, 223, 120, 140, 120, 20, "Reaktans i Ohm"},
    {Kind::Field, 224, 240, 140, 50, 20, "0", "50"},
};

// With MHz and uH the powers of ten cancel: X = 2 pi F L in ohms.
constexpr float two_pi = 6.2831855F;

void compute(frame::Form& form) {
    const float F = form.number(220);
    const float L = form.number(222);
    const float X = form.number(224);
    const bool f = !is_zero(F), l = !is_zero(L), x = !is_zero(X);

    if (f && l && !x) {
        form.result("Induktiv reaktans", write_number(store(double(F) * two_pi * L), 2) + " Ohm");
    } else if (f && x && !l) {
        form.result("Induktansen är ", write_number(store(X / (double(F) * two_pi)), 2) + " uH");
    } else if (x && l && !f) {
        form.result("Frekvensen är ", write_number(store(X / (double(L) * two_pi)), 2) + " MHz");
    }
}

}  // namespace

void REA_IND(Shell& shell) {
    frame::run(shell,
               {.window = 217, .name = "REA_IND", .layout = layout, .buttons = {{225, 200}}, .compute = compute});
}

}  // namespace sparvik
