#include "frame/calculator.h"

#include <algorithm>

#include "numbers/number_text.h"
#include "resources/png_decode.h"

namespace sparvik::frame {
namespace {

const Control* find(std::span<const Control> controls, int id) {
    const auto it = std::find_if(controls.begin(), controls.end(), [id](const Control& c) { return c.id == id; });
    return it == controls.end() ? nullptr : &*it;
}

// The layout table followed by the standard buttons, in creation order.
std::vector<Control> controls_of(const Calculator& calculator) {
    std::vector<Control> controls(calculator.layout.begin(), calculator.layout.end());
    if (const auto& buttons = calculator.buttons) {
        const std::pair<Kind, std::string_view> standard[] = {
            {Kind::Example, "Exempel"}, {Kind::Compute, "Beräkna"}, {Kind::Reset, "Nollställ"}, {Kind::Close, "Stäng"}};
        int offset = 0;
        for (const auto& [kind, text] : standard) {
            controls.push_back(
                {kind, buttons->first_id + offset, 120, buttons->y + 30 * offset, 100, buttons->height, text});
            ++offset;
        }
    }
    return controls;
}

// A screen reader names a field or list by the label in front of it on its
// row; a list without one by its first item.
std::string_view accessible_name(std::span<const Control> controls, const Control& control) {
    const Control* label = nullptr;
    for (const Control& other : controls) {
        if (other.kind == Kind::Label && other.y == control.y && other.x < control.x &&
            (label == nullptr || other.x > label->x)) {
            label = &other;
        }
    }
    if (label != nullptr) return label->text;
    return control.kind == Kind::List && !control.items.empty() ? control.items.front().text : std::string_view();
}

void create_field(Toolkit& toolkit, std::span<const Control> controls, const Control& field, std::string_view text) {
    toolkit.add_field(field.id, field.rect(), text);
    toolkit.set_accessible_name(field.id, accessible_name(controls, field));
}

void create(Toolkit& toolkit, std::span<const Control> controls, const Control& control) {
    switch (control.kind) {
        case Kind::Label: toolkit.add_label(control.id, control.rect(), control.text); break;
        case Kind::Field: create_field(toolkit, controls, control, control.text); break;
        case Kind::List:
            toolkit.add_list(control.id, control.rect());
            for (const ListItem& item : control.items) toolkit.add_list_item(control.id, item.text, item.picture);
            toolkit.select_item(control.id, control.selected);
            toolkit.set_accessible_name(control.id, accessible_name(controls, control));
            break;
        case Kind::Button:
        case Kind::Example:
        case Kind::Compute:
        case Kind::Reset:
        case Kind::Close: toolkit.add_button(control.id, control.rect(), control.text); break;
    }
    if (control.font >= 0) toolkit.set_font(control.id, control.font);
    if (control.colour) toolkit.set_text_colour(control.id, *control.colour);
}

void refill_fields(Form& form, std::span<const Control> controls, bool example) {
    for (const Control& control : controls) {
        if (control.kind != Kind::Field) continue;
        if (!example) {
            form.refill(control.id, control.text);
        } else if (control.example) {
            form.refill(control.id, *control.example);
        }
    }
}

}  // namespace

std::string window_title(std::string_view name, std::string_view suffix) {
    std::string title(name);
    title += "()";
    title += numbers::blanks(30);
    title += suffix;
    return title;
}

float Form::number(int field) const {
    return numbers::read_number(toolkit_.field_text(field));
}

std::optional<std::string> Form::text(int field) const {
    return toolkit_.field_text(field);
}

int Form::selected(int list) const {
    return toolkit_.selected_item(list);
}

std::optional<std::string> Form::selected_text(int list) const {
    return toolkit_.selected_text(list);
}

void Form::select(int list, int position) {
    toolkit_.select_item(list, position);
}

void Form::refill(int field, std::string_view text) {
    if (const Control* control = find(controls_, field)) create_field(toolkit_, controls_, *control, text);
}

void Form::result(std::string_view title, std::string_view text) {
    toolkit_.show_result(title, text);
}

void run(Shell& shell, const Calculator& calculator) {
    Toolkit& toolkit = shell.toolkit;
    toolkit.open_window(calculator.window, window_title(calculator.name, shell.title_suffix));
    for (const Font& font : calculator.fonts) toolkit.load_font(font.id, font.face, font.points, font.bold);
    for (const EmbeddedPicture& picture : calculator.pictures) {
        // A picture that does not decode leaves its list items without one.
        if (auto decoded = resources::decode_png(picture.png)) toolkit.set_picture(picture.id, *decoded);
    }
    const std::vector<Control> controls = controls_of(calculator);
    for (const Control& control : controls) create(toolkit, controls, control);

    Form form(toolkit, controls);
    for (;;) {
        const Event event = toolkit.wait_event();
        if (event.kind != Event::Kind::Control) continue;  // menu items and close boxes are lost
        const Control* control = find(controls, event.id);
        if (control == nullptr) continue;
        switch (control->kind) {
            case Kind::Example:
                if (calculator.before_example) calculator.before_example(form);
                refill_fields(form, controls, true);
                break;
            case Kind::Compute:
                if (calculator.compute) calculator.compute(form);
                break;
            case Kind::Reset:
                if (calculator.before_reset) calculator.before_reset(form);
                refill_fields(form, controls, false);
                break;
            case Kind::Close: toolkit.close_window(calculator.window); return;
            case Kind::Button:
            case Kind::List:
                if (calculator.on_control) calculator.on_control(form, control->id);
                break;
            case Kind::Label:
            case Kind::Field: break;  // typing and focus changes
        }
    }
}

}  // namespace sparvik::frame
