// Up to five components combined by the sum of reciprocals: R or L in
// parallel, C in series. The total stays on show until a new one is found.
#include <array>

#include "calculators/calculators.h"
#include "numbers/number_text.h"

namespace sparvik {
namespace {

using frame::Kind;
using numbers::is_zero;
using numbers::store;
using numbers::write_number;

constexpr std::array fields = {363, 365, 367, 369, 371};

constexpr frame::Control layout[] = {
    {Kind::Label, 361, 120, 10, 600, 20,
     "Parallellkoppling av R eller L, seriekoppling av C, fyll i relevanta fält med en punkt '.' som decimaltecken"},
    {Kind::Label, 362, 120, 80, 120, 20, "Komponent 1"},
    {Kind::Field, 363, 240, 80, 50, 20, "0", "47"},
    {Kind::Label, 364, 120, 110, 120, 20, "Komponent 2"},
    {Kind::Field, 365, 240, 110, 50, 20, "0", "680"},
    {Kind::Label, 366, 120, 140, 120, 20, "Komponent 3"},
    {Kind::Field, 367, 240, 140, 50, 20, "0", "680"},
    {Kind::Label, 368, 120, 170, 120, 20, "Komponent 4"},
    {Kind::Field, 369, 240, 170, 50, 20, "0", "0"},
    {Kind::Label, 370, 120, 200, 120, 20, "Komponent 5"},
    {Kind::Field, 371, 240, 200, 50, 20, "0", "0"},
};

// The components run from the first field up to the first one at 0. With
// none, the total keeps its last value.
void compute(frame::Form& form, float& total) {
    std::array<float, fields.size()> values{};
    for (std::size_t i = 0; i < fields.size(); ++i) values[i] = form.number(fields[i]);
    std::size_t count = 0;
    while (count < values.size() && !is_zero(values[count])) ++count;
    if (count == 1) {
        total = values[0];
    } else if (count > 1) {
        // The reciprocals are summed unrounded; only the sum is stored.
        double reciprocals = 0.0;
        for (std::size_t i = 0; i < count; ++i) reciprocals += 1.0 / values[i];
        const float sum = store(reciprocals);
        total = store(1.0 / sum);
    }
    form.result("Parallell av (R & L) eller Serie av (C)",
                "Totala värdet är " + write_number(total, 2) + " resistans, induktans eller kapacitans.");
}

}  // namespace

void SERIE_PARARLC(Shell& shell) {
    float total = 0.0F;  // lives as long as the window
    frame::run(shell, {.window = 360,
                       .name = "SERIE_PARARLC",
                       .layout = layout,
                       .buttons = {{372, 240}},
                       .compute = [&total](frame::Form& form) { compute(form, total); }});
}

}  // namespace sparvik
