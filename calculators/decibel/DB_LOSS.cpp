// Cable loss over one length scaled to another length.
#include "calculators/calculators.h"
#include "numbers/number_text.h"

namespace sparvik {
namespace {

using frame::Kind;
using numbers::is_zero;
using numbers::store;
using numbers::write_number;

constexpr frame::Control layout[] = {
    {Kind::Label, 298, 120, 10, 600, 20, "Alla 3 fälten fylls i med en punkt '.' som decimaltecken"},
    {Kind::Label, 299, 120, 80, 120, 20, "Antal meter koax"},
    {Kind::Field, 300, 240, 80, 50, 20, "0", "100"},
    {Kind::Label, 301, 120, 110, 120, 20, "Antal dB förlust"},
    {Kind::Field, 302, 240, 110, 50, 20, "0", "3.3"},
    {Kind::Label, 303, 120, 140, 120, 20, "Meter att beräkna på"},
    {Kind::Field, 304, 240, 140, 50, 20, "0", "25"},
};

void compute(frame::Form& form) {
    const float L = form.number(300);
    const float A = form.number(302);
    const float M = form.number(304);
    if (is_zero(L) || is_zero(A) || is_zero(M)) return;
    const float loss = store(double(A) / L * M);
    form.result("Beräknad förlust på kabellängden", write_number(loss, 2) + " dB");
}

}  // namespace

void DB_LOSS(Shell& shell) {
    frame::run(shell,
               {.window = 297, .name = "DB_LOSS", .layout = layout, .buttons = {{305, 200}}, .compute = compute});
}

}  // namespace sparvik
