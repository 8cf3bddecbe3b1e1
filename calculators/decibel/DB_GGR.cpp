// Decibels to a power ratio and a power ratio to decibels, both at once.
#include "calculators/calculators.h"
#include "numbers/number_text.h"

namespace sparvik {
namespace {

using frame::Kind;
using numbers::is_zero;
using numbers::store;
using numbers::write_number;

constexpr frame::Control layout[] = {
    {Kind::Label, 287, 120, 10, 600, 20,
     "Beräkna decibel / antal gånger förstärkning, fälten anges med en punkt '.' som decimaltecken."},
    {Kind::Label, 288, 120, 80, 120, 20, "Antal decibel"},
    {Kind::Field, 289, 240, 80, 50, 20, "0", "0"},
    {Kind::Label, 290, 120, 110, 120, 20, "Antal gånger"},
    {Kind::Field, 291, 240, 110, 50, 20, "0", "8.8"},
};

void compute(frame::Form& form) {
    const float D = form.number(289);
    const float T = form.number(291);
    constexpr const char* title = "Förstärkning/Dämpning ";
    if (!is_zero(D)) {
        const float ratio = numbers::power(10.0F, store(double(D) / 10));
        form.result(title, write_number(ratio, 1) + " antal gånger");
    }
    if (!is_zero(T)) {
        const float dB = store(double(numbers::log10(T)) * 10);
        form.result(title, write_number(dB, 2) + " antal dB");
    }
}

}  // namespace

void DB_GGR(Shell& shell) {
    frame::run(shell, {.window = 286, .name = "DB_GGR", .layout = layout, .buttons = {{292, 200}}, .compute = compute});
}

}  // namespace sparvik
