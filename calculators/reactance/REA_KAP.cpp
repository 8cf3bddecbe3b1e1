// Capacitive reactance: any two of frequency, capacitance and reactance.
#include "calculators/calculators.h"
#include "numbers/number_text.h"

namespace sparvik {
namespace {

using frame::Kind;
using numbers::is_zero;
using numbers::store;
using numbers::write_number;

constexpr frame::Control layout[] = {
    {Kind::Label, 205, 120, 10, 600, 20, "Fyll i två valfria fält med en punkt '.' som decimaltecken!"},
    {Kind::Label, 206, 120, 80, 120, 20, "Frekvens i MHz"},
    {Kind::Field, 207, 240, 80, 50, 20, "0", "27.105"},
    {Kind::Label, 208, 120, 110, 120, 20, "Kapacitans i pF"},
    {Kind::Field, 209, 240, 110, 50, 20, "0", "120"},
    {Kind::Label, 210, 120, 140, 120, 20, "Reaktans i Ohm"},
    {Kind::Field, 211, 240, 140, 50, 20, "0", "0"},
};

// 10^6 / 2 pi to the nearest whole number: MHz, pF and ohms need no other factor.
constexpr float scale = 159155.0F;

void compute(frame::Form& form) {
    const float F = form.number(207);
    const float Cp = form.number(209);
    const float X = form.number(211);
    const bool f = !is_zero(F), c = !is_zero(Cp), x = !is_zero(X);

    if (f && c && !x) {
        form.result("Kapacitiv reaktans", write_number(store(scale / (double(F) * Cp)), 2) + " Ohm");
    } else if (x && c && !f) {
        form.result("Frekvensen är", write_number(store(scale / (double(Cp) * X)), 2) + " MHz");
    } else if (x && f && !c) {
        form.result("Kapacitansen är", write_number(store(scale / (double(F) * X)), 2) + " pF");
    }
}

}  // namespace

void REA_KAP(Shell& shell) {
    frame::run(shell,
               {.window = 204, .name = "REA_KAP", .layout = layout, .buttons = {{212, 200}}, .compute = compute});
}

}  // namespace sparvik
