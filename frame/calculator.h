// The calculator window every calculator shares: its layout table, its event
// loop with the standard buttons, the refill of fields by re-creation, and
// the result boxes. A calculator supplies a table and its compute rules.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "frame/toolkit.h"

namespace sparvik::frame {

// What every window needs from start-up: the toolkit and the title suffix.
struct Shell {
    Toolkit& toolkit;
    std::string title_suffix;
};

// "EFF_OHM" gives "EFF_OHM()", 30 blanks and the suffix.
std::string window_title(std::string_view name, std::string_view suffix);

struct ListItem {
    std::string_view text;
    int picture = -1;
};

enum class Kind {
    Label,
    Field,
    Button,  // a button whose press the calculator handles itself
    List,
    Example,  // "Exempel": refills the fields that have an example text
    Compute,  // "Beräkna": runs the compute rules
    Reset,    // "Nollställ": refills every field with its reset text
    Close,    // "Stäng": ends the loop
};

// One row of a layout table, in creation order.
struct Control {
    Kind kind;
    int id;
    int x, y, width, height;
    // Label and button caption, or a field's opening and reset text.
    std::string_view text = {};
    // A field's text after "Exempel"; absent: "Exempel" leaves the field alone.
    std::optional<std::string_view> example = std::nullopt;
    std::span<const ListItem> items = {};                // a list's items
    int selected = -1;                                   // a list's position at opening
    int font = -1;                                       // a font loaded by the window, or -1
    std::optional<std::uint32_t> colour = std::nullopt;  // a label's text colour

    Rect rect() const { return {x, y, width, height}; }
};

struct Font {
    int id;
    std::string_view face;
    int points;
    bool bold;
};

struct EmbeddedPicture {
    int id;
    std::span<const unsigned char> png;
};

// "Exempel", "Beräkna", "Nollställ" and "Stäng": one column at x 120 after
// the field rows, 100 wide, 30 pixels apart, identifiers counting up.
struct StandardButtons {
    int first_id;
    int y;
    int height = 20;
};

class Form;

struct Calculator {
    int window;             // its menu item + 1
    std::string_view name;  // the procedure's name, e.g. "EFF_OHM"
    std::span<const Control> layout;
    // Created after the layout; absent where the table places them itself.
    std::optional<StandardButtons> buttons = std::nullopt;
    std::span<const Font> fonts = {};                // loaded on each opening
    std::span<const EmbeddedPicture> pictures = {};  // decoded on each opening
    std::function<void(Form&)> compute = {};         // "Beräkna"
    // Run before the fields are refilled by "Exempel" / "Nollställ".
    std::function<void(Form&)> before_example = {};
    std::function<void(Form&)> before_reset = {};
    // Any other control of the table: lists and the calculator's own buttons.
    std::function<void(Form&, int id)> on_control = {};
};

// What the compute rules see of the open window.
class Form {
public:
    Form(Toolkit& toolkit, std::span<const Control> controls) : toolkit_(toolkit), controls_(controls) {}

    // The field's text read as a 32-bit number.
    float number(int field) const;
    std::optional<std::string> text(int field) const;
    int selected(int list) const;
    std::optional<std::string> selected_text(int list) const;
    void select(int list, int position);
    // Re-creates the field at its own rectangle with the given text.
    void refill(int field, std::string_view text);
    // Shows a result box; returns once it is dismissed.
    void result(std::string_view title, std::string_view text);

private:
    Toolkit& toolkit_;
    std::span<const Control> controls_;
};

// Opens the window, creates the table's controls, runs the loop until
// "Stäng" and closes the window. Every other event is swallowed.
void run(Shell& shell, const Calculator& calculator);

}  // namespace sparvik::frame
