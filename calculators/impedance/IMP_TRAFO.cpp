// Transformer: whichever of the turns and impedances is 0 is found from the
// rule that the impedance ratio is the square of the turns ratio.
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
    {Kind::Label, 179, 120, 10, 600, 20, "Fyll i 3 valfria fält med data, lämna det 4:e med en nolla ifylld"},
    {Kind::Label, 180, 120, 80, 120, 20, "Antal varv primär"},
    {Kind::Field, 181, 240, 80, 50, 20, "0", "13"},
    {Kind::Label, 182, 120, 110, 120, 20, "Impendans primär"},
    {Kind::Field, 183, 240, 110, 50, 20, "0", "50"},
    {Kind::Label, 184, 120, 140, 120, 20, "Antal varv sekundär"},
    {Kind::Field, 185, 240, 140, 50, 20, "0", "0"},
    {Kind::Label, 186, 120, 170, 120, 20, "Impendans sekundär"},
    {Kind::Field, 187, 240, 170, 50, 20, "0", "8"},
};

void compute(frame::Form& form) {
    const float Np = form.number(181);
    const float Zp = form.number(183);
    const float Ns = form.number(185);
    const float Zs = form.number(187);
    const int zeros = is_zero(Np) + is_zero(Zp) + is_zero(Ns) + is_zero(Zs);
    if (zeros != 1) return;

    const auto show = [&form](const char* title, float value, const char* unit) {
        form.result(title, write_number(value, 0) + unit);
    };
    if (is_zero(Np)) {
        show("Primär ", store(std::sqrt(double(Zp) / Zs) * Ns), " varv");
    } else if (is_zero(Zp)) {
        show("Primär ", store((double(Np) / Ns) * (double(Np) / Ns) * Zs), " Ohm impendans");
    } else if (is_zero(Ns)) {
        show("Sekundär ", store(std::sqrt(double(Zs) / Zp) * Np), " varv");
    } else {
        const double t = Ns * std::sqrt(double(Zp)) / Np;
        show("Sekundär ", store(t * t), " Ohm impendans");
    }
}

}  // namespace

void IMP_TRAFO(Shell& shell) {
    frame::run(shell,
               {.window = 178, .name = "IMP_TRAFO", .layout = layout, .buttons = {{188, 230}}, .compute = compute});
}

}  // namespace sparvik
