// Period time in microseconds of a frequency in MHz.
#include "calculators/calculators.h"
#include "numbers/number_text.h"

namespace sparvik {
namespace {

using frame::Kind;
using numbers::store;
using numbers::write_number;

constexpr frame::Control layout[] = {
    {Kind::Label, 41, 120, 10, 600, 20, "Ange frekvensen i MHz med en punkt '.' som decimaltecken."},
    {Kind::Label, 42, 120, 80, 100, 20, "Frekvens (MHz)"},
    {Kind::Field, 43, 220, 80, 50, 20, "0", "27.105"},
};

// No test: 0 MHz gives an infinite period.
void compute(frame::Form& form) {
    const float F = form.number(43);
    form.result("FQ_TID()", write_number(store(1.0 / F), 5) + " tid i uS");
}

}  // namespace

void FQ_TID(Shell& shell) {
    frame::run(shell, {.window = 40, .name = "FQ_TID", .layout = layout, .buttons = {{44, 220}}, .compute = compute});
}

}  // namespace sparvik
