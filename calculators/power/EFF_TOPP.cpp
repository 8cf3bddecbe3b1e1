// RMS and peak-to-peak voltage of a sine from its peak, and its power in R.
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
    {Kind::Label, 89, 120, 10, 600, 20, "Fyll i enbart Volt eller båda fälten med en punkt '.' som decimaltecken!"},
    {Kind::Label, 90, 120, 80, 100, 20, "Toppspänning (U)"},
    {Kind::Field, 91, 220, 80, 50, 20, "0", "10"},
    {Kind::Label, 92, 120, 110, 100, 20, "Ohm (R)"},
    {Kind::Field, 93, 220, 110, 50, 20, "0", "0"},
};

void compute(frame::Form& form) {
    const float U = form.number(91);
    const float R = form.number(93);
    if (is_zero(U)) return;
    const double root2 = std::sqrt(2.0);
    const float rms = store(U / root2);
    if (is_zero(R)) {
        const float peak_to_peak = store(double(U) * 2);
        form.result("EFF_TOPP()", "Effektivvärdet är " + write_number(rms, 2) + " Volt och Vpp är " +
                                      write_number(peak_to_peak, 2) + " Volt");
    } else {
        // The power keeps its decimals: rounding it to whole watts showed 6.25 W as 6.00.
        const float watts = store(((U / root2) / R * U) / root2);
        form.result("EFF_TOPP()", write_number(rms, 3) + " Volt och " + write_number(watts, 2) + " Watt");
    }
}

}  // namespace

void EFF_TOPP(Shell& shell) {
    frame::run(shell, {.window = 88, .name = "EFF_TOPP", .layout = layout, .buttons = {{94, 220}}, .compute = compute});
}

}  // namespace sparvik
