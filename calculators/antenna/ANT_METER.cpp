// A quarter, a half, five eighths and a whole wavelength, shortened by an index.
#include "calculators/calculators.h"
#include "numbers/number_text.h"

namespace sparvik {
namespace {

using frame::Kind;
using numbers::is_zero;
using numbers::store;
using numbers::write_number;

constexpr frame::Control layout[] = {
    {Kind::Label, 122, 120, 10, 600, 20,
     "Beräkna olika antennlängder, fyll i båda fälten med en punkt '.' som decimaltecken!"},
    {Kind::Label, 123, 120, 80, 100, 20, "Frekvens i kHz"},
    {Kind::Field, 124, 220, 80, 50, 20, "0", "27105"},
    {Kind::Label, 125, 120, 110, 100, 20, "Index, 0.95"},
    {Kind::Field, 126, 220, 110, 50, 20, "0", "0.95"},
};

// Each length is worked out afresh from F and K and stored once.
void compute(frame::Form& form) {
    const float F = form.number(124);
    const float K = form.number(126);
    if (is_zero(F) || is_zero(K)) return;
    const double wavelength = 300000 / double(F);  // metres, F in kHz
    const float whole = store(wavelength * K);
    const float quarter = store(wavelength * K / 4);
    const float five_eighths = store(wavelength * K / 8 * 5);
    const float half = store(wavelength * K / 2);
    form.result("ANT_METER()", "Antennlängd 1/4 " + write_number(quarter, 2) + " Meter\nAntennlängd 1/2 " +
                                   write_number(half, 2) + " Meter\nAntennlängd 5/8 " + write_number(five_eighths, 2) +
                                   " Meter\nAntennlängd 1/1 " + write_number(whole, 2) + " Meter");
}

}  // namespace

void ANT_METER(Shell& shell) {
    frame::run(shell,
               {.window = 121, .name = "ANT_METER", .layout = layout, .buttons = {{127, 220}}, .compute = compute});
}

}  // namespace sparvik
