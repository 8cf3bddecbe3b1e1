#include "app/program.h"

#include "calculators/calculators.h"
#include "numbers/number_text.h"
#include "resources/embedded.h"
#include "resources/png_decode.h"

namespace sparvik::app {
namespace {

constexpr int main_window = 0;
constexpr int menu_bar = 2;
constexpr int logo_picture = 5;
constexpr int logo_control = 6;

constexpr MenuItem frequency[] = {
    {24, "L/C", FQ_LC},
    {39, "Tid", FQ_TID},
    {48, "Q-Värde", Q_VALUE},
};
constexpr MenuItem power[] = {
    {59, "Ohms lag", EFF_OHM},
    {72, "Joules lag", EFF_JOULE},
    {87, "Effektivvärde i Volt", EFF_TOPP},
};
constexpr MenuItem antenna[] = {
    {98, "Vertikalantennens egenkapacitans", ANT_VERT},
    {109, "Beräkna stegmatningens impendans", ANT_STEGE},
    {120, "Beräkna olika antennlängder", ANT_METER},
    {131, "Marconi, effektiv höjd", ANT_EFFEKTIV},
    {142, "Marconi, Resistance Loss", ANT_RL},
    {153, "Marconi, Radiation Resistance", ANT_RRAD},
    {164, "Marconi, ERP", ANT_ERP},
};
constexpr MenuItem impedance[] = {
    {177, "Transformation", IMP_TRAFO},
    {192, "Kabel", IMP_KABEL},
};
constexpr MenuItem reactance[] = {
    {203, "Kapacitiv reaktans", REA_KAP},
    {216, "Induktiv reaktans", REA_IND},
};
constexpr MenuItem inductance[] = {
    {229, "Beräkna spolens induktans", IND_COIL},
    {248, "Toroid varvberäkning", IND_TOROID},
    {216, "Induktiv reaktans", REA_IND},
};
constexpr MenuItem capacitance[] = {
    {98, "Vertikalantennens egenkapacitans", ANT_VERT},
    {203, "Kapacitiv reaktans", REA_KAP},
};
constexpr MenuItem decibel[] = {
    {285, "Antal dB / Antal gånger", DB_GGR},
    {296, "Kabelförlust meter", DB_LOSS},
    {309, "Kabelförlust effekt", DB_EFFEKT},
    {322, "Konvertera dBm / mW", DB_DBM},
};
constexpr MenuItem wire[] = {
    {261, "Hastighetsfaktor koaxialkabel", WIRE_KOAX},
    {272, "Ledningsresistans i olika material", WIRE_OHM},
};
constexpr MenuItem series_parallel[] = {
    {335, "Seriekoppling motstånd", SERIE_OHM},
    {348, "Parallellkoppling motstånd", SERIE_PARA},
    {359, "Parallell R & L - Serie C", SERIE_PARARLC},
};
constexpr MenuItem information[] = {
    {376, "Sparvik", INFO},
    {386, "Färgkoder motstånd", RESCOL},
};

constexpr MenuTitle titles[] = {
    {"Frekvens", frequency},      {"Effekt", power},
    {"Antenn", antenna},          {"Impendans", impedance},
    {"Reaktans", reactance},      {"Induktans", inductance},
    {"Kapacitans", capacitance},  {"Decibel", decibel},
    {"Tråd/Kabel", wire},         {"Serie/Parallell", series_parallel},
    {"Information", information},
};

void (*procedure_for(int item))(frame::Shell&) {
    for (const MenuTitle& title : titles) {
        for (const MenuItem& entry : title.items) {
            if (entry.id == item) return entry.procedure;
        }
    }
    return nullptr;
}

}  // namespace

std::span<const MenuTitle> menu() {
    return titles;
}

std::string title_suffix() {
    return numbers::blanks(20) + "Brantholm - Skill through practice" + numbers::blanks(70) + "SPARVIK 0.44";
}

int run_program(frame::Toolkit& toolkit) {
    frame::Shell shell{toolkit, title_suffix()};
    toolkit.open_window(main_window, "MAIN" + numbers::blanks(30) + shell.title_suffix);

    // A logo that does not decode leaves the image control empty.
    if (auto logo = resources::decode_png(resources::logo_png)) toolkit.set_picture(logo_picture, *logo);
    toolkit.add_image(logo_control, {0, 0, 800, 600}, logo_picture);

    toolkit.add_menu_bar(menu_bar, main_window);
    for (const MenuTitle& title : titles) {
        toolkit.add_menu_title(menu_bar, title.text);
        for (const MenuItem& entry : title.items) toolkit.add_menu_item(menu_bar, entry.id, entry.text);
    }

    try {
        for (;;) {
            const frame::Event event = toolkit.wait_event();
            if (event.kind == frame::Event::Kind::Close && event.window == main_window) break;
            if (event.kind == frame::Event::Kind::Menu) {
                if (auto* procedure = procedure_for(event.id)) procedure(shell);
            }
        }
    } catch (...) {
        toolkit.release_all();
        throw;
    }
    toolkit.release_all();
    return 0;
}

}  // namespace sparvik::app
