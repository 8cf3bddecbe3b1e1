#include "frame/scripted_toolkit.h"

#include <algorithm>

#include "numbers/number_text.h"

namespace sparvik::frame {

bool ScriptedToolkit::choose_menu(int item) {
    if (menu_bar_ < 0 || windows_.count(menu_window_) == 0) return false;
    for (const MenuTitle& title : menu_) {
        for (const auto& entry : title.items) {
            if (entry.first == item) {
                enqueue({Event::Kind::Menu, item, menu_window_});
                return true;
            }
        }
    }
    return false;
}

bool ScriptedToolkit::type(int field, std::string_view text) {
    Control* control = mutable_control(field, ControlKind::Field);
    if (control == nullptr) return false;
    control->text = numbers::valid_utf8(text);
    enqueue({Event::Kind::Control, field, control->window});
    return true;
}

bool ScriptedToolkit::press(int button) {
    Control* control = mutable_control(button, ControlKind::Button);
    if (control == nullptr) return false;
    enqueue({Event::Kind::Control, button, control->window});
    return true;
}

bool ScriptedToolkit::pick(int list, int position) {
    Control* control = mutable_control(list, ControlKind::List);
    if (control == nullptr || position < 0 || static_cast<std::size_t>(position) >= control->items.size()) {
        return false;
    }
    control->selected = position;
    enqueue({Event::Kind::Control, list, control->window});
    return true;
}

bool ScriptedToolkit::click_close(int window) {
    if (windows_.count(window) == 0) return false;
    enqueue({Event::Kind::Close, window, window});
    return true;
}

const ScriptedToolkit::Control* ScriptedToolkit::control(int id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
}

const ScriptedToolkit::Window* ScriptedToolkit::window(int id) const {
    const auto it = windows_.find(id);
    return it == windows_.end() ? nullptr : &it->second;
}

std::vector<int> ScriptedToolkit::open_windows() const {
    std::vector<int> ids;
    for (const auto& entry : windows_) ids.push_back(entry.first);
    return ids;
}

const ScriptedToolkit::FontSpec* ScriptedToolkit::font(int id) const {
    const auto it = fonts_.find(id);
    return it == fonts_.end() ? nullptr : &it->second;
}

const Picture* ScriptedToolkit::picture(int id) const {
    const auto it = pictures_.find(id);
    return it == pictures_.end() ? nullptr : &it->second;
}

void ScriptedToolkit::open_window(int id, std::string_view title) {
    if (windows_.count(id) != 0) close_window(id);
    windows_[id].title = std::string(title);
    current_window_ = id;
    if (observer_ != nullptr) observer_->opened(id, windows_[id].title);
}

void ScriptedToolkit::close_window(int id) {
    const auto it = windows_.find(id);
    if (it == windows_.end()) return;
    for (int control : it->second.controls) controls_.erase(control);
    windows_.erase(it);
    if (id == menu_window_) {
        menu_bar_ = -1;
        menu_.clear();
    }
    queue_.erase(std::remove_if(queue_.begin(), queue_.end(), [id](const Event& e) { return e.window == id; }),
                 queue_.end());
    if (current_window_ == id) current_window_ = windows_.empty() ? -1 : windows_.rbegin()->first;
    if (observer_ != nullptr) observer_->closed(id);
}

void ScriptedToolkit::add_control(int id, Control control) {
    const auto existing = controls_.find(id);
    const int window = existing != controls_.end() ? existing->second.window : current_window_;
    if (windows_.count(window) == 0) return;  // no window to put it in
    control.window = window;
    if (existing == controls_.end()) windows_[window].controls.push_back(id);
    controls_[id] = std::move(control);
}

ScriptedToolkit::Control* ScriptedToolkit::mutable_control(int id, ControlKind kind) {
    const auto it = controls_.find(id);
    return it == controls_.end() || it->second.kind != kind ? nullptr : &it->second;
}

void ScriptedToolkit::add_label(int id, Rect rect, std::string_view text) {
    add_control(id, {.kind = ControlKind::Label, .rect = rect, .text = std::string(text)});
}

void ScriptedToolkit::add_field(int id, Rect rect, std::string_view text) {
    add_control(id, {.kind = ControlKind::Field, .rect = rect, .text = std::string(text)});
}

void ScriptedToolkit::add_button(int id, Rect rect, std::string_view text) {
    add_control(id, {.kind = ControlKind::Button, .rect = rect, .text = std::string(text)});
}

void ScriptedToolkit::add_list(int id, Rect rect) {
    add_control(id, {.kind = ControlKind::List, .rect = rect});
}

void ScriptedToolkit::add_list_item(int list, std::string_view text, int picture) {
    if (Control* control = mutable_control(list, ControlKind::List)) {
        control->items.push_back({std::string(text), picture});
    }
}

void ScriptedToolkit::add_image(int id, Rect rect, int picture) {
    add_control(id, {.kind = ControlKind::Image, .rect = rect, .picture = picture});
}

std::optional<std::string> ScriptedToolkit::field_text(int id) {
    const Control* field = mutable_control(id, ControlKind::Field);
    return field == nullptr ? std::nullopt : std::optional<std::string>(field->text);
}

int ScriptedToolkit::selected_item(int list) {
    const Control* control = mutable_control(list, ControlKind::List);
    return control == nullptr ? -1 : control->selected;
}

std::optional<std::string> ScriptedToolkit::selected_text(int list) {
    const Control* control = mutable_control(list, ControlKind::List);
    if (control == nullptr || control->selected < 0) return std::nullopt;
    return control->items[static_cast<std::size_t>(control->selected)].text;
}

void ScriptedToolkit::select_item(int list, int position) {
    Control* control = mutable_control(list, ControlKind::List);
    if (control == nullptr) return;
    const bool valid = position >= 0 && static_cast<std::size_t>(position) < control->items.size();
    control->selected = valid ? position : -1;
}

void ScriptedToolkit::set_picture(int id, const Picture& picture) {
    pictures_[id] = picture;
}

void ScriptedToolkit::load_font(int id, std::string_view face, int points, bool bold) {
    fonts_[id] = {std::string(face), points, bold};
}

void ScriptedToolkit::set_font(int control, int font) {
    const auto it = controls_.find(control);
    if (it != controls_.end() && fonts_.count(font) != 0) it->second.font = font;
}

void ScriptedToolkit::set_text_colour(int control, std::uint32_t rgb) {
    const auto it = controls_.find(control);
    if (it != controls_.end()) it->second.colour = rgb;
}

void ScriptedToolkit::set_accessible_name(int control, std::string_view name) {
    const auto it = controls_.find(control);
    if (it != controls_.end()) it->second.accessible_name = std::string(name);
}

void ScriptedToolkit::add_menu_bar(int id, int window) {
    if (windows_.count(window) == 0) return;
    menu_bar_ = id;
    menu_window_ = window;
    menu_.clear();
}

void ScriptedToolkit::add_menu_title(int bar, std::string_view text) {
    if (bar == menu_bar_) menu_.push_back({std::string(text), {}});
}

void ScriptedToolkit::add_menu_item(int bar, int item, std::string_view text) {
    if (bar == menu_bar_ && !menu_.empty()) menu_.back().items.emplace_back(item, std::string(text));
}

Event ScriptedToolkit::wait_event() {
    while (queue_.empty()) {
        if (!feed_ || !feed_(*this)) throw Stopped{};
    }
    const Event event = queue_.front();
    queue_.pop_front();
    return event;
}

void ScriptedToolkit::show_result(std::string_view title, std::string_view text) {
    if (observer_ != nullptr) observer_->box(std::string(title), std::string(text));
}

void ScriptedToolkit::release_all() {
    windows_.clear();
    controls_.clear();
    pictures_.clear();
    fonts_.clear();
    queue_.clear();
    menu_.clear();
    menu_bar_ = -1;
    menu_window_ = -1;
    current_window_ = -1;
}

}  // namespace sparvik::frame
