// Two resistors in parallel.
#include "calculators/calculators.h"
#include "numbers/number_text.h"

namespace sparvik {
namespace {

using frame::Kind;
using numbers::is_zero;
using numbers::store;
using numbers::write_number;

constexpr frame::Control layout[] = {
    {Kind::Label, 350, 120, 10, 600, 20,
     "Parallellkoppling av motstånd, båda fälten fylls i med en punkt '.' som decimaltecken"},
    {Kind::Label, 351, 120, 80, 120, 20, "Motstånd R1 Ohm"},
    {Kind::Field, 352, 240, 80, 50, 20, "0", "47"},
    {Kind::Label, 353, 120, 110, 120, 20, "Motstånd R2 Ohm"},
    {Kind::Field, 354, 240, 110, 50, 20, "0", "680"},
};

// Each conductance is stored before they are added.
void compute(frame::Form& form) {
    const float R1 = form.number(352);
    const float R2 = form.number(354);
    if (is_zero(R1) || is_zero(R2)) return;
    const float G1 = store(1.0 / R1);
    const float G2 = store(1.0 / R2);
    const float Rt = store(1.0 / (double(G1) + G2));
    form.result("Parallellkoppling av motstånden", "Total resistans är " + write_number(Rt, 1) + " Ohm");
}

}  // namespace

void SERIE_PARA(Shell& shell) {
    frame::run(shell,
               {.window = 349, .name = "SERIE_PARA", .layout = layout, .buttons = {{355, 200}}, .compute = compute});
}

}  // namespace sparvik
