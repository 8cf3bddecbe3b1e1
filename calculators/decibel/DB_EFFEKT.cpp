// Cable loss in dB from the power fed in and the power that comes out.
#include "calculators/calculators.h"
#include "numbers/number_text.h"

namespace sparvik {
namespace {

using frame::Kind;
using numbers::is_zero;
using numbers::store;
using numbers::write_number;

// Identifiers 316 and 317 belong to this window but name no control.
constexpr frame::Control layout[] = {
    {Kind::Label, 311, 120, 10, 600, 20,
     "Beräkna effektförlust i koaxialkabel, fälten fylls i med en punkt '.' som decimaltecken"},
    {Kind::Label, 312, 120, 80, 120, 20, "Input watt"},
    {Kind::Field, 313, 240, 80, 50, 20, "0", "100"},
    {Kind::Label, 314, 120, 110, 120, 20, "Output watt"},
    {Kind::Field, 315, 240, 110, 50, 20, "0", "78"},
};

void compute(frame::Form& form) {
    const float P1 = form.number(313);
    const float P2 = form.number(315);
    if (is_zero(P1) || is_zero(P2)) return;
    const float quotient = store(double(P1) / P2);
    const float loss = store(10 * double(numbers::log10(quotient)));
    form.result("Beräknad förlust på kabellängden", write_number(loss, 2) + " dB");
}

}  // namespace

void DB_EFFEKT(Shell& shell) {
    frame::run(shell,
               {.window = 310, .name = "DB_EFFEKT", .layout = layout, .buttons = {{318, 200}}, .compute = compute});
}

}  // namespace sparvik
