// Air-insulated coaxial line: the conductor diameters for 50 and 75 Ohm.
#include "calculators/calculators.h"
#include "numbers/number_text.h"

namespace sparvik {
namespace {

using frame::Kind;
using numbers::is_zero;
using numbers::store;
using numbers::write_number;

// Diameter ratios for 50 and 75 Ohm in air: 10 raised to Z / 138.
constexpr float k50 = 2.30313F;
constexpr float k75 = 3.49525F;

constexpr frame::Control layout[] = {
    {Kind::Label, 194, 120, 10, 600, 20,
     "Fyll i ett av fälten för att se resultatet, med en punkt '.' som decimaltecken!"},
    {Kind::Label, 195, 120, 80, 200, 20, "Ange ytterledarens inre diameter"},
    {Kind::Field, 196, 340, 80, 50, 20, "0", "0"},
    {Kind::Label, 197, 120, 110, 200, 20, "Ange innerledarens yttre diameter"},
    {Kind::Field, 198, 340, 110, 50, 20, "0", "2.8"},
};

void compute(frame::Form& form) {
    const float D = form.number(196);
    const float d = form.number(198);
    if (is_zero(D) && is_zero(d)) return;
    const float inner50 = store(double(D) / k50);
    const float inner75 = store(double(D) / k75);
    // The outer diameters keep their decimals: whole numbers showed 6.45 as 6.00.
    const float outer50 = store(double(d) * k50);
    const float outer75 = store(double(d) * k75);
    form.result("Beräkningar ger följande resultat", "Innerledare vid 50 Ohm " + write_number(inner50, 2) +
                                                         "\nInnerledare vid 75 Ohm " + write_number(inner75, 2) +
                                                         "\n\nYtterledare vid 50 Ohm " + write_number(outer50, 2) +
                                                         "\nYtterledare vid 75 Ohm  " + write_number(outer75, 2));
}

}  // namespace

void IMP_KABEL(Shell& shell) {
    frame::run(shell,
               {.window = 193, .name = "IMP_KABEL", .layout = layout, .buttons = {{199, 200}}, .compute = compute});
}

}  // namespace sparvik
