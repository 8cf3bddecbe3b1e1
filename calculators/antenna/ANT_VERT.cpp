// Self-capacitance of a vertical antenna from its height and conductor diameter.
#include "calculators/calculators.h"
#include "numbers/number_text.h"

namespace sparvik {
namespace {

using frame::Kind;
using numbers::is_zero;
using numbers::ln;
using numbers::store;
using numbers::write_number;

constexpr frame::Control layout[] = {
    {Kind::Label, 100, 120, 10, 600, 20, "Fyll i båda fälten med en punkt '.' som decimaltecken!"},
    {Kind::Label, 101, 120, 80, 100, 20, "Höjd i meter"},
    {Kind::Field, 102, 220, 80, 50, 20, "0", "8.2"},
    {Kind::Label, 103, 120, 110, 100, 20, "Diameter i mm"},
    {Kind::Field, 104, 220, 110, 50, 20, "0", "40"},
};

void compute(frame::Form& form) {
    const float H = form.number(102);
    const float D = form.number(104);
    if (is_zero(H) || is_zero(D)) return;
    const float d = store(double(D) / 1000);
    // Only a positive diameter is computed; a negative height still is.
    if (!(d > 0.0F)) return;
    // Kept in double precision up to the text.
    const double capacitance = (24 * double(H)) / (ln(1.15 * H / d) / ln(10));
    form.result("ANT_VERT()", write_number(capacitance, 2) + " Kapacitans i pF");
}

}  // namespace

void ANT_VERT(Shell& shell) {
    frame::run(shell,
               {.window = 99, .name = "ANT_VERT", .layout = layout, .buttons = {{105, 220}}, .compute = compute});
}

}  // namespace sparvik
