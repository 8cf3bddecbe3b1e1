// Toroid core: any two of AL value, inductance and whole turns.
#include <cmath>
#include <cstdint>

#include "calculators/calculators.h"
#include "numbers/number_text.h"

namespace sparvik {
namespace {

using frame::Kind;
using numbers::store;
using numbers::write_number;

constexpr frame::Control layout[] = {
    {Kind::Label, 250, 120, 10, 600, 20,
     "Fyll i 2 valfria fält, ev decimaler anges med en punkt '.' som decimaltecken."},
    {Kind::Label, 251, 120, 80, 120, 20, "AL-värde i nH"},
    {Kind::Field, 252, 240, 80, 50, 20, "0", "12"},
    {Kind::Label, 253, 120, 110, 120, 20, "Induktans i uH"},
    {Kind::Field, 254, 240, 110, 50, 20, "0", "58.5"},
    {Kind::Label, 255, 120, 140, 120, 20, "Antal varv"},
    {Kind::Field, 256, 240, 140, 50, 20, "0", "0"},
};

void compute(frame::Form& form) {
    const float AL = form.number(252);
    const float L = form.number(254);
    // Whole turns: NaN counts as none, values beyond the range saturate.
    const std::int32_t N = numbers::to_int32(form.number(256));
    const bool al = !numbers::is_zero(AL), l = !numbers::is_zero(L), n = N != 0;
    const double n_squared = double(N) * N;

    if (al && l && !n) {
        form.result("Antal varv på toroidkärnan är ",
                    write_number(store(std::sqrt(double(L) / (double(AL) * 10.0)) * 100.0), 0) + " varv.");
    } else if (al && n && !l) {
        form.result("Induktansen är ", write_number(store(double(AL) * n_squared / 1000.0), 2) + " uH.");
    } else if (l && n && !al) {
        form.result("AL-värdet är ", write_number(store(double(L) * 1000.0 / n_squared), 0) + " nH.");
    }
}

}  // namespace

void IND_TOROID(Shell& shell) {
    frame::run(shell,
               {.window = 249, .name = "IND_TOROID", .layout = layout, .buttons = {{257, 230}}, .compute = compute});
}

}  // namespace sparvik
