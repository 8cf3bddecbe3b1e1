// Effective height of a Marconi antenna from its vertical and horizontal parts.
#include "calculators/calculators.h"
#include "numbers/number_text.h"

namespace sparvik {
namespace {

using frame::Kind;
using numbers::is_zero;
using numbers::store;
using numbers::write_number;

constexpr frame::Control layout[] = {
    {Kind::Label, 133, 120, 10, 600, 20,
     "Beräkna Marconiantennens effektiva höjd, fyll i båda fälten med en punkt '.' som decimaltecken!"},
    {Kind::Label, 134, 120, 80, 100, 20, "Vertikal höjd"},
    {Kind::Field, 135, 220, 80, 50, 20, "0", "25"},
    {Kind::Label, 136, 120, 110, 100, 20, "Horisontell längd"},
    {Kind::Field, 137, 220, 110, 50, 20, "0", "30"},
};

// he = h (a + 2b) / (2 (a + b)), every step stored.
void compute(frame::Form& form) {
    const float h = form.number(135);
    const float l = form.number(137);
    if (is_zero(h) || is_zero(l)) return;
    const float a = store(double(h) * 6);
    const float b = store(double(l) * 5);
    const float num = store(double(b) * 2 + a);
    const float den = store((double(b) + a) * 2);
    const float r = store(double(num) / den);
    const float he = store(double(h) * r);
    form.result("ANT_EFFEKTIV()", "Antennens effektiva höjd är " + write_number(he, 2) + " Meter");
}

}  // namespace

void ANT_EFFEKTIV(Shell& shell) {
    frame::run(shell,
               {.window = 132, .name = "ANT_EFFEKTIV", .layout = layout, .buttons = {{138, 220}}, .compute = compute});
}

}  // namespace sparvik
