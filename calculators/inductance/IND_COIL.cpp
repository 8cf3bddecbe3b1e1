// Single-layer air coil: inductance from the turns, or the turns from the
// inductance, with the length of wire the turns take.
#include <cmath>

#include "calculators/calculators.h"
#include "numbers/number_text.h"

namespace sparvik {
namespace {

using frame::Kind;
using numbers::is_zero;
using numbers::store;
using numbers::write_number;

// Each row's side note is created after its field, so Tab goes from field
// to field; its identifier still lies between label and field.
constexpr frame::Control layout[] = {
    {Kind::Label, 231, 120, 10, 600, 20,
     "Diameter och längd skall alltid fyllas i, varv och uH är valbara. Ev. decimaler anges med en '.'"},
    {Kind::Label, 232, 120, 80, 120, 20, "Diameter i mm"},
    {Kind::Field, 234, 240, 80, 50, 20, "0", "80"},
    {Kind::Label, 233, 300, 80, 120, 20, "(Måste vara ifylld)"},
    {Kind::Label, 235, 120, 110, 120, 20, "Längd i mm"},
    {Kind::Field, 237, 240, 110, 50, 20, "0", "150"},
    {Kind::Label, 236, 300, 110, 120, 20, "(Måste vara ifylld)"},
    {Kind::Label, 238, 120, 140, 120, 20, "Antal varv"},
    {Kind::Field, 240, 240, 140, 50, 20, "0", "120"},
    {Kind::Label, 239, 300, 140, 120, 20, "Antingen varv"},
    {Kind::Label, 241, 120, 170, 120, 20, "Antal uH"},
    {Kind::Field, 243, 240, 170, 50, 20, "0", "0"},
    {Kind::Label, 242, 300, 170, 120, 20, "eller uH"},
};

constexpr float pi = 3.1415927F;
constexpr float tenth = 0.1F;  // millimetres to centimetres

// Wheeler's formula in centimetres: L = 0.394 r^2 N^2 / (9 r + 10 b).
float inductance(float diameter, float length, float turns) {
    const float r = store(double(diameter) * tenth / 2.0);
    const float b = store(double(length) * tenth);
    const float n = turns;
    const float rsq = store(double(r) * r);
    const float nsq = store(double(n) * n);
    const float numerator = store(double(rsq) * 0.394F * nsq);
    const float denominator = store(double(r) * 9.0 + double(b) * 10.0);
    return store(double(numerator) / denominator);
}

// One circumference per turn.
float wire_length(float diameter, double turns) {
    return store(double(diameter) * pi * turns);
}

void compute(frame::Form& form) {
    const float D = form.number(234);
    const float B = form.number(237);
    const float N = form.number(240);
    const float L = form.number(243);
    if (is_zero(D) || is_zero(B)) return;

    if (!is_zero(N) && is_zero(L)) {
        form.result("Spolens induktans och trådlängd ", write_number(inductance(D, B, N), 1) +
                                                            " uH och trådlängden är " +
                                                            write_number(wire_length(D, N), 0) + " mm");
    } else if (!is_zero(L) && is_zero(N)) {
        const float q = store((double(B) / D + 0.5) * 100.0 * L / (double(D) * tenth));
        const float turns = store(std::sqrt(double(q)));
        // The wire is wound with whole turns. Rounding in floating point
        // keeps NaN and huge counts as they are (NaN turns, NaN wire).
        const double whole_turns = std::nearbyint(double(turns));
        form.result("Spolens antal varv och trådlängd ", write_number(turns, 0) + " varv och trådlängden är " +
                                                             write_number(wire_length(D, whole_turns), 0) + " mm");
    }
}

}  // namespace

void IND_COIL(Shell& shell) {
    frame::run(shell,
               {.window = 230, .name = "IND_COIL", .layout = layout, .buttons = {{244, 230}}, .compute = compute});
}

}  // namespace sparvik
