// Resistance and weight of a round wire of the material chosen in the list.
#include <string_view>

#include "calculators/calculators.h"
#include "numbers/number_text.h"

namespace sparvik {
namespace {

using frame::Kind;
using numbers::is_zero;
using numbers::store;
using numbers::write_number;

constexpr int material_list = 276;
constexpr int aluminium = 1;
constexpr int no_material = 3;

struct Material {
    std::string_view name;
    double resistivity;  // ohm metres
    float density;       // grams per cubic metre
};

constexpr Material materials[] = {
    {"Koppar", 1.72e-8, 8960000.0F},
    {"Aluminium", 2.65e-8, 2700000.0F},
    {"Stål", 1.6e-7, 7800000.0F},
};

constexpr frame::ListItem items[] = {{"Koppar"}, {"Aluminium"}, {"Stål"}, {""}};

constexpr frame::Control layout[] = {
    {Kind::Label, 274, 120, 10, 600, 20,
     "Beräkna trådens totala resistans och vikt, fälten fylls i med en punkt '.' som decimaltecken."},
    {Kind::Label, 275, 120, 80, 100, 20, "Material"},
    {.kind = Kind::List,
     .id = material_list,
     .x = 240,
     .y = 80,
     .width = 100,
     .height = 20,
     .items = items,
     .selected = no_material},
    {Kind::Label, 277, 120, 110, 120, 20, "Diameter i mm"},
    {Kind::Field, 278, 240, 110, 50, 20, "0", "2.2"},
    {Kind::Label, 279, 120, 140, 120, 20, "Längd i meter"},
    {Kind::Field, 280, 240, 140, 50, 20, "0", "135"},
};

const Material* material_named(std::string_view name) {
    for (const Material& material : materials) {
        if (material.name == name) return &material;
    }
    return nullptr;
}

void compute(frame::Form& form) {
    const auto name = form.selected_text(material_list);
    const float diameter = form.number(278);
    const float length = form.number(280);
    if (!name || name->empty() || is_zero(diameter) || is_zero(length)) return;
    const Material* material = material_named(*name);
    if (material == nullptr) return;
    const double radius = double(diameter) / 1000 / 2;
    const double area = radius * radius * 3.141592654;
    const float ohms = store(material->resistivity * length / area);
    const float grams = store(area * length * material->density);
    form.result("Total resistans och vikt på tråden",
                write_number(ohms, 2) + " Ohm och vikten är " + write_number(grams, 0) + " gram");
}

}  // namespace

void WIRE_OHM(Shell& shell) {
    frame::run(shell, {.window = 273,
                       .name = "WIRE_OHM",
                       .layout = layout,
                       .buttons = {{281, 200}},
                       .compute = compute,
                       .before_example = [](frame::Form& form) { form.select(material_list, aluminium); },
                       .before_reset = [](frame::Form& form) { form.select(material_list, no_material); }});
}

}  // namespace sparvik
