// Efficiency and effective radiated power of a Marconi antenna.
#include "calculators/calculators.h"
#include "numbers/number_text.h"

namespace sparvik {
namespace {

using frame::Kind;
using numbers::is_zero;
using numbers::store;
using numbers::write_number;

// The first label is wider than the other two; all fields share x 280.
constexpr frame::Control layout[] = {
    {Kind::Label, 166, 120, 10, 600, 20,
     "Beräkna ERP i en Marconiantenn, fyll i alla fälten med en punkt '.' som decimaltecken!"},
    {Kind::Label, 167, 120, 80, 150, 20, "RRad (radiation resistance)"},
    {Kind::Field, 168, 280, 80, 50, 20, "0", "0.42"},
    {Kind::Label, 169, 120, 110, 120, 20, "RL (resistance loss)"},
    {Kind::Field, 170, 280, 110, 50, 20, "0", "40.96"},
    {Kind::Label, 171, 120, 140, 120, 20, "Output PA Watt"},
    {Kind::Field, 172, 280, 140, 50, 20, "0", "64"},
};

void compute(frame::Form& form) {
    const float Rr = form.number(168);
    const float Rl = form.number(170);
    const float P = form.number(172);
    if (is_zero(Rr) || is_zero(Rl) || is_zero(P)) return;
    const float s = store(double(Rr) + Rl);
    const float eff = store(double(Rr) / s * 100);  // per cent
    const float erp = store(double(P) * (double(eff) / 100));
    form.result("ANT_ERP()", "Antennens effektivitet är " + write_number(eff, 3) + " %\nAntennens ERP är " +
                                 write_number(erp, 3) + " Watt");
}

}  // namespace

void ANT_ERP(Shell& shell) {
    frame::run(shell,
               {.window = 165, .name = "ANT_ERP", .layout = layout, .buttons = {{173, 220}}, .compute = compute});
}

}  // namespace sparvik
