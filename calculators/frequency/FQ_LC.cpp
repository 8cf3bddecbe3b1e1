// Resonance of L and C: any two of inductance, capacitance, frequency and
// characteristic impedance give the other two.
#include <cmath>

#include "calculators/calculators.h"
#include "numbers/number_text.h"

namespace sparvik {
namespace {

using frame::Kind;
using numbers::is_zero;
using numbers::store;
using numbers::write_number;

// "Exempel" fills in L and C only, so a typed frequency or impedance stays.
constexpr frame::Control layout[] = {
    {Kind::Label, 26, 120, 10, 600, 20,
     "2 valfria av 4 fält fylls i med en punkt '.' som decimaltecken, fälten du söker svaret till lämnas orörda med "
     "nollor."},
    {Kind::Label, 27, 120, 80, 100, 20, "Induktans (uH)"},
    {Kind::Field, 28, 220, 80, 50, 20, "0", "16.9"},
    {Kind::Label, 29, 120, 110, 100, 20, "Kapacitans (pF)"},
    {Kind::Field, 30, 220, 110, 50, 20, "0", "6744"},
    {Kind::Label, 31, 120, 140, 100, 20, "Frekvens (kHz)"},
    {Kind::Field, 32, 220, 140, 50, 20, "0"},
    {Kind::Label, 33, 120, 170, 100, 20, "Impendans (Ohm)"},
    {Kind::Field, 34, 220, 170, 50, 20, "0"},
};

constexpr std::string_view title = "FQ_LC()";
constexpr float pi = 3.1415927F;
constexpr float two_pi = 6.2831855F;

// kHz from pF and uH: sqrt(L * C) is in nanoseconds.
float frequency(float capacitance, float inductance) {
    const float t1 = store(double(capacitance) * inductance);
    const float t2 = store(std::sqrt(double(t1)));
    const float t3 = store(double(two_pi) * t2);
    return store((1.0 / t3) * 1000000.0);
}

// 1e12 / (4 pi^2 F^2 X): the capacitance in pF for X in uH, or the
// inductance in uH for X in pF. Kept in double precision.
double resonating(double x, float kilohertz) {
    const float p = store(double(pi) * pi);
    const float f2 = store(double(kilohertz) * kilohertz);
    const double d = double(p) * 4.0 * x * f2;
    return 1e12 / d;
}

// Ohms from uH and pF.
float impedance(double inductance, double capacitance) {
    return store(std::sqrt(inductance / capacitance) * 1000.0);
}

void compute(frame::Form& form) {
    const float L = form.number(28);
    const float Cp = form.number(30);
    const float F = form.number(32);
    const float Z = form.number(34);
    const bool l = !is_zero(L), c = !is_zero(Cp), f = !is_zero(F), z = !is_zero(Z);

    if (l && c && !f && !z) {
        form.result(title, write_number(frequency(Cp, L), 2) + " kHz och " + write_number(impedance(L, Cp), 2) +
                               " Ohm");
    } else if (l && f && !c && !z) {
        const double capacitance = resonating(L, F);
        form.result(title, write_number(capacitance, 0) + " pF och " + write_number(impedance(L, capacitance), 1) +
                               " Ohm");
    } else if (l && z && !c && !f) {
        const double ohms_scaled = double(Z) * double(0.001F);
        const float capacitance = store(double(L) / (ohms_scaled * ohms_scaled));
        form.result(title, write_number(frequency(capacitance, L), 1) + " kHz och " + write_number(capacitance, 1) +
                               " pF");
    } else if (c && f && !l && !z) {
        const double inductance = resonating(Cp, F);
        form.result(title, write_number(inductance, 1) + " uH och " + write_number(impedance(inductance, Cp), 1) +
                               " Ohm");
    } else if (f && z && !l && !c) {
        // At a fixed frequency the impedance grows with the inductance, so
        // scale from the impedance of 100 uH.
        const float reference_l = 100.0F;
        const float reference_c = store(resonating(reference_l, F));
        const float reference_z = impedance(reference_l, reference_c);
        const double k = double(reference_l) / reference_z;
        const float inductance = store(double(Z) * k);
        const double capacitance = resonating(inductance, F);
        form.result(title, write_number(capacitance, 1) + " pF och " + write_number(inductance, 1) + " uH");
    }
}

}  // namespace

void FQ_LC(Shell& shell) {
    frame::run(shell, {.window = 25, .name = "FQ_LC", .layout = layout, .buttons = {{35, 220}}, .compute = compute});
}

}  // namespace sparvik
