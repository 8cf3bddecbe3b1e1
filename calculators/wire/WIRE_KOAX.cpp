// Velocity factor of a coax from the frequency where an open-ended piece of
// known length shows its lowest SWR (a quarter wavelength long).
#include "calculators/calculators.h"
#include "numbers/number_text.h"

namespace sparvik {
namespace {

using frame::Kind;
using numbers::is_zero;
using numbers::store;
using numbers::write_number;

constexpr frame::Control layout[] = {
    {Kind::Label, 263, 120, 10, 600, 20,
     "Beräkna hastighetsfaktorn i koaxialkabel, mät med SWR-meter på öppen ände, punkt '.' som decimaltecken."},
    {Kind::Label, 264, 120, 80, 120, 20, "Antal meter"},
    {Kind::Field, 265, 240, 80, 50, 20, "0", "7"},
    {Kind::Label, 266, 120, 110, 120, 20, "Min. SWR i MHz"},
    {Kind::Field, 267, 240, 110, 50, 20, "0", "7.3"},
};

void compute(frame::Form& form) {
    const float length = form.number(265);
    const float mhz = form.number(267);
    if (is_zero(length) || is_zero(mhz)) return;
    // 74.98 / f is a quarter of the free-space wavelength in metres.
    const float factor = store(double(length) * mhz / double(74.98F));
    // A fraction of one, so no percent sign behind it.
    form.result("Hastighetsfaktorn är ", write_number(factor, 2));
}

}  // namespace

void WIRE_KOAX(Shell& shell) {
    frame::run(shell,
               {.window = 262, .name = "WIRE_KOAX", .layout = layout, .buttons = {{268, 200}}, .compute = compute});
}

}  // namespace sparvik
