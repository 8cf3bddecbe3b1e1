// Radiation resistance of a Marconi antenna: 160 pi^2 (h / wavelength)^2.
#include "calculators/calculators.h"
#include "numbers/number_text.h"

namespace sparvik {
namespace {

using frame::Kind;
using numbers::is_zero;
using numbers::store;
using numbers::write_number;

constexpr frame::Control layout[] = {
    {Kind::Label, 155, 120, 10, 600, 20,
     "Beräkna radiation resistance RRad i en Marconiantenn, fyll i båda fälten med en punkt '.' som decimaltecken!"},
    {Kind::Label, 156, 120, 80, 150, 20, "Frekvens i kHz"},
    {Kind::Field, 157, 250, 80, 50, 20, "0", "261"},
    {Kind::Label, 158, 120, 110, 150, 20, "Effektiv höjd i meter"},
    {Kind::Field, 159, 250, 110, 50, 20, "0", "18.85"},
};

constexpr float pi = 3.14159265358979F;

void compute(frame::Form& form) {
    const float f = form.number(157);
    const float h = form.number(159);
    if (is_zero(f) || is_zero(h)) return;
    const float wavelength = store(300000 / double(f));  // metres, f in kHz
    const float k = store(double(pi) * pi * 160);
    const float wavelength2 = store(double(wavelength) * wavelength);
    const float h2 = store(double(h) * h);
    const float q = store(double(h2) / wavelength2);
    const float R = store(double(k) * q);
    form.result("ANT_RRAD()", "Radiation Resistance RRad är " + write_number(R, 2) + " Ohm");
}

}  // namespace

void ANT_RRAD(Shell& shell) {
    frame::run(shell,
               {.window = 154, .name = "ANT_RRAD", .layout = layout, .buttons = {{160, 220}}, .compute = compute});
}

}  // namespace sparvik
