// Q of a series resistance and reactance.
#include "calculators/calculators.h"
#include "numbers/number_text.h"

namespace sparvik {
namespace {

using frame::Kind;
using numbers::store;
using numbers::write_number;

constexpr frame::Control layout[] = {
    {Kind::Label, 50, 120, 10, 600, 20, "Fyll i båda fälten med en punkt '.' som decimaltecken."},
    {Kind::Label, 51, 120, 80, 100, 20, "Resistans (Rs)"},
    {Kind::Field, 52, 220, 80, 50, 20, "0", "3.68"},
    {Kind::Label, 53, 120, 110, 100, 20, "Reaktans (Xs)"},
    {Kind::Field, 54, 220, 110, 50, 20, "0", "59.45"},
};

// Q = Xs / Rs: the reactance over the loss resistance, so a good coil
// has a large Q.
void compute(frame::Form& form) {
    const float Rs = form.number(52);
    const float Xs = form.number(54);
    if (Rs > 0.0F && Xs > 0.0F) form.result("Q-Värdet är ", write_number(store(double(Xs) / Rs), 2));
}

}  // namespace

void Q_VALUE(Shell& shell) {
    frame::run(shell, {.window = 49, .name = "Q_VALUE", .layout = layout, .buttons = {{55, 200}}, .compute = compute});
}

}  // namespace sparvik
