// Voltage divider: two resistors in series on a supply voltage.
#include "calculators/calculators.h"
#include "numbers/number_text.h"

namespace sparvik {
namespace {

using frame::Kind;
using numbers::is_zero;
using numbers::store;
using numbers::write_number;

constexpr frame::Control layout[] = {
    {Kind::Label, 337, 120, 10, 600, 20, "Spänningsdelare, alla 3 fälten fylls i med en punkt '.' som decimaltecken"},
    {Kind::Label, 338, 120, 80, 120, 20, "Spänning Volt"},
    {Kind::Field, 339, 240, 80, 50, 20, "0", "48"},
    {Kind::Label, 340, 120, 110, 120, 20, "Motstånd R1 Ohm"},
    {Kind::Field, 341, 240, 110, 50, 20, "0", "68"},
    {Kind::Label, 342, 120, 140, 120, 20, "Motstånd R2 Ohm"},
    {Kind::Field, 343, 240, 140, 50, 20, "0", "680"},
};

// Each quantity is stored as it is found and the later ones use the stored value.
void compute(frame::Form& form) {
    const float U = form.number(339);
    const float R1 = form.number(341);
    const float R2 = form.number(343);
    if (is_zero(U) || is_zero(R1) || is_zero(R2)) return;
    const float Rt = store(double(R1) + R2);
    const float I = store(double(U) / Rt);
    const float P = store(double(U) * I);
    const float U1 = store(double(R1) / Rt * U);
    const float U2 = store(double(R2) / Rt * U);
    form.result("Beräkningar ger följande resultat",
                "Spänning över R1 är " + write_number(U1, 1) + " Volt\nSpänning över R2 är " + write_number(U2, 1) +
                    " Volt\nKopplingen förbrukar " + write_number(P, 2) + " Watt\nKopplingen drar " +
                    write_number(I, 2) + " Ampere\nTotala resistansen är " + write_number(Rt, 0) + " Ohm");
}

}  // namespace

void SERIE_OHM(Shell& shell) {
    frame::run(shell,
               {.window = 336, .name = "SERIE_OHM", .layout = layout, .buttons = {{344, 200}}, .compute = compute});
}

}  // namespace sparvik
