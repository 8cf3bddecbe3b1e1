// Loss resistance of a Marconi antenna from output power and antenna current.
#include "calculators/calculators.h"
#include "numbers/number_text.h"

namespace sparvik {
namespace {

using frame::Kind;
using numbers::is_zero;
using numbers::store;
using numbers::write_number;

constexpr frame::Control layout[] = {
    {Kind::Label, 144, 120, 10, 600, 20,
     "Beräkna resistance loss RL i en Marconiantenn, fyll i båda fälten med en punkt '.' som decimaltecken!"},
    {Kind::Label, 145, 120, 80, 150, 20, "Uteffekt PA Watt"},
    {Kind::Field, 146, 250, 80, 50, 20, "0", "64"},
    {Kind::Label, 147, 120, 110, 150, 20, "RF Ampere vid antenn"},
    {Kind::Field, 148, 250, 110, 50, 20, "0", "1.25"},
};

void compute(frame::Form& form) {
    const float P = form.number(146);
    const float I = form.number(148);
    if (is_zero(P) || is_zero(I)) return;
    const float RL = store(double(P) / (double(I) * I));
    form.result("ANT_RL()", "Resistance loss RL är " + write_number(RL, 2) + " Ohm");
}

}  // namespace

void ANT_RL(Shell& shell) {
    frame::run(shell, {.window = 143, .name = "ANT_RL", .layout = layout, .buttons = {{149, 220}}, .compute = compute});
}

}  // namespace sparvik
