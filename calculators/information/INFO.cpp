// The About window: a heading, six lines about the collection and "Stäng".
#include "calculators/calculators.h"

namespace sparvik {
namespace {

using frame::Kind;

constexpr int heading_font = 23;
constexpr std::uint32_t black = 0;

constexpr frame::Font fonts[] = {{heading_font, "Arial", 12, true}};

constexpr frame::Control black_label(int id, int y, std::string_view text, int font = -1) {
    return {Kind::Label, id, 120, y, 600, 20, text, std::nullopt, {}, -1, font, black};
}

// "tilll", the trailing blank after "förekomma." and the quotes are the program's own.
constexpr frame::Control layout[] = {
    black_label(378, 10, "Information om SPARVIK", heading_font),
    black_label(
        379, 80,
        "Programmet är tänkt som en liten sammanfattning av diverse formler som kan vara svåra att hålla i huvudet,"),
    black_label(380, 100,
                "men bra att ha tilll hands i datorn utan att behöva ansluta sig till Internet och börja söka efter."),
    black_label(381, 120, "Eftersom upphovsmannen inte på något sätt är ofelbar kan felaktigheter förekomma. "),
    black_label(382, 140, "Rapportera ev. felaktigheter eller tips om förbättringar till felrapport@sparvik.example"),
    black_label(383, 170, "Bakom tangentbordet vid kodningen, Trastvik med mottot 'Tänk inte, det bara förvillar!'"),
    black_label(384, 190, "Stort stöd vid besvärligare ekvationer har Lommaren funnits."),
    {Kind::Close, 385, 120, 240, 100, 20, "Stäng"},
};

}  // namespace

void INFO(Shell& shell) {
    frame::run(shell, {.window = 377, .name = "INFO", .layout = layout, .fonts = fonts});
}

}  // namespace sparvik
