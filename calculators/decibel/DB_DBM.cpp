// dBm to power, voltage and current at 50 Ohm in several units, and
// milliwatts to dBm; an S-meter list fills in the dBm of a reading.
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "calculators/calculators.h"
#include "numbers/number_text.h"

namespace sparvik {
namespace {

using frame::Kind;
using numbers::is_zero;
using numbers::store;
using numbers::write_number;

constexpr int dbm_field = 326;
constexpr int mw_field = 328;
constexpr int s_meter = 330;

struct Reading {
    std::string_view item;
    std::string_view dbm;
};

constexpr std::array<Reading, 15> readings = {{
    {"S1", "-121"},
    {"S2", "-115"},
    {"S3", "-109"},
    {"S4", "-103"},
    {"S5", "-97"},
    {"S6", "-91"},
    {"S7", "-85"},
    {"S8", "-79"},
    {"S9", "-73"},
    {"S9+10", "-63"},
    {"S9+20", "-53"},
    {"S9+30", "-43"},
    {"S9+40", "-33"},
    {"S9+50", "-23"},
    {"S9+60", "-13"},
}};

constexpr std::array<frame::ListItem, 16> items = [] {
    std::array<frame::ListItem, 16> all{};
    all[0] = {"S-värden dBm"};
    for (std::size_t i = 0; i < readings.size(); ++i) all[i + 1] = {readings[i].item};
    return all;
}();

// Identifier 329 belongs to this window but names no control. The buttons
// are 21 high, and "Exempel" is created before the list beside it.
constexpr frame::Control layout[] = {
    {Kind::Label, 324, 120, 10, 600, 20, "Konvertera dBm eller mW, fälten fylls i med en punkt '.' som decimaltecken"},
    {Kind::Label, 325, 120, 80, 120, 20, "Ange dBm"},
    {Kind::Field, dbm_field, 240, 80, 50, 20, "0", "13.4"},
    {Kind::Label, 327, 120, 110, 120, 20, "Ange mW"},
    {Kind::Field, mw_field, 240, 110, 50, 20, "0", "0"},
    {Kind::Example, 331, 120, 200, 100, 21, "Exempel"},
    {.kind = Kind::List, .id = s_meter, .x = 250, .y = 201, .width = 100, .height = 19, .items = items, .selected = 0},
    {Kind::Compute, 332, 120, 230, 100, 21, "Beräkna"},
    {Kind::Reset, 333, 120, 260, 100, 21, "Nollställ"},
    {Kind::Close, 334, 120, 290, 100, 21, "Stäng"},
};

// The constants are 32-bit values, so 0.001 and 1e12 are not exact.
constexpr float milli = 0.001F;
constexpr float kilo = 1000.0F;
constexpr float mega = 1'000'000.0F;
constexpr float giga = 1'000'000'000.0F;
constexpr float tera = 1e12F;
constexpr float load = 50.0F;

// One line of the box: power, voltage and current with the same prefix.
std::string group(float watts, float volts, float amperes, std::string_view prefix) {
    const std::string p(prefix);
    return write_number(watts, 2) + " " + p + "W - " + write_number(volts, 2) + " " + p + "V - " +
           write_number(amperes, 2) + " " + p + "A";
}

std::string title_of(float D) {
    std::string number;
    if (std::isinf(D)) {
        number = D > 0 ? "+Infinity" : "-Infinity";
    } else {
        number = numbers::write_integer(numbers::to_int64(D));
    }
    return number + " dBm motsvarar vid 50 Ohm";
}

void show_dbm(frame::Form& form, float D) {
    const float p = numbers::power(10.0F, store(double(D) / 10));
    const float P = store(double(p) * milli);
    const float P_uW = store(double(p) * kilo);
    const float P_nW = store(double(p) * mega);
    const float P_pW = store(double(p) * giga);
    // The currents scale the unrounded root, the voltages the stored current.
    const double root = std::sqrt(double(P) / load);
    const float I = store(root);
    const float U = store(double(I) * load);
    const float I_mA = store(root * kilo);
    const float U_mV = store(double(I) * load * kilo);
    const float I_uA = store(root * mega);
    const float U_uV = store(double(I) * load * mega);
    const float I_nA = store(root * giga);
    const float U_nV = store(double(I) * load * giga);
    const float I_pA = store(root * tera);
    const float U_pV = store(double(I) * load * tera);

    const std::string groups[] = {
        group(P, U, I, ""),           group(p, U_mV, I_mA, "m"),    group(P_uW, U_uV, I_uA, "u"),
        group(P_nW, U_nV, I_nA, "n"), group(P_pW, U_pV, I_pA, "p"),
    };
    int shown = 5;
    if (D >= 30.0F) {
        shown = 2;
    } else if (D >= 0.0F) {
        shown = 3;
    } else if (D > -30.0F) {
        shown = 4;
    }
    std::string text = groups[0];
    for (int i = 1; i < shown; ++i) text += "\r\r" + groups[i];
    form.result(title_of(D), text);
}

void compute(frame::Form& form) {
    const float D = form.number(dbm_field);
    const float M = form.number(mw_field);
    if (!is_zero(D) && is_zero(M)) {
        show_dbm(form, D);
    } else if (!is_zero(M) && is_zero(D)) {
        const float dBm = store(double(numbers::log10(M)) * 10);
        form.result("Motsvarar ", write_number(dBm, 3) + " dBm");
    }
}

void on_control(frame::Form& form, int id) {
    if (id != s_meter) return;
    const auto chosen = form.selected_text(s_meter);
    if (!chosen) return;
    for (const Reading& reading : readings) {
        if (*chosen == reading.item) {
            form.refill(dbm_field, reading.dbm);
            return;
        }
    }
}

}  // namespace

void DB_DBM(Shell& shell) {
    frame::run(shell, {.window = 323,
                       .name = "DB_DBM",
                       .layout = layout,
                       .compute = compute,
                       .before_reset = [](frame::Form& form) { form.select(s_meter, 0); },
                       .on_control = on_control});
}

}  // namespace sparvik
