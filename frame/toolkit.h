// The windowing operations the program uses, as one small interface. The real
// implementation draws with Qt; the scripted one plays a session without a
// display, for the tests and the replay tool.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sparvik::frame {

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A decoded picture: 8-bit RGBA, rows top to bottom, not premultiplied.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
};

struct Event {
    enum class Kind { Control, Menu, Close, Other };
    Kind kind = Kind::Other;
    int id = 0;      // the control, the menu item, or the window asked to close
    int window = 0;  // the window the event belongs to (0 for menu events)
};

class Toolkit {
public:
    virtual ~Toolkit() = default;

    // Opens, centres, shows and activates an 800 x 600 window; the controls
    // created after it belong to it.
    virtual void open_window(int id, std::string_view title) = 0;
    // Destroys the window with its controls and drops its queued events.
    virtual void close_window(int id) = 0;

    // Creating a control under an identifier in use destroys the old one
    // first and puts the new one in its place.
    virtual void add_label(int id, Rect rect, std::string_view text) = 0;
    virtual void add_field(int id, Rect rect, std::string_view text) = 0;
    virtual void add_button(int id, Rect rect, std::string_view text) = 0;
    // A drop-down list that cannot be typed into, with no items yet.
    virtual void add_list(int id, Rect rect) = 0;
    // picture: a picture identifier shown before the text, or -1 for none.
    virtual void add_list_item(int list, std::string_view text, int picture) = 0;
    virtual void add_image(int id, Rect rect, int picture) = 0;

    // The whole text of a field; absent when there is no such field.
    virtual std::optional<std::string> field_text(int id) = 0;
    // Selected position of a list, -1 for none (or no such list).
    virtual int selected_item(int list) = 0;
    // Text of the selected item; absent with no selection or no such list.
    virtual std::optional<std::string> selected_text(int list) = 0;
    virtual void select_item(int list, int position) = 0;  // -1 clears it

    // Pictures and fonts stay loaded until replaced or until shut-down.
    virtual void set_picture(int id, const Picture& picture) = 0;
    virtual void load_font(int id, std::string_view face, int points, bool bold) = 0;
    virtual void set_font(int control, int font) = 0;
    virtual void set_text_colour(int control, std::uint32_t rgb) = 0;  // r + g*256 + b*65536
    // What a screen reader calls the control.
    virtual void set_accessible_name(int control, std::string_view name) = 0;

    virtual void add_menu_bar(int id, int window) = 0;
    virtual void add_menu_title(int bar, std::string_view text) = 0;
    virtual void add_menu_item(int bar, int item, std::string_view text) = 0;  // under the last title

    // Blocks until the next event of the program's one FIFO queue.
    virtual Event wait_event() = 0;
    // A modal box with a title, a text and one OK button; returns when dismissed.
    virtual void show_result(std::string_view title, std::string_view text) = 0;

    // Releases every window, picture and font at the end of the program.
    virtual void release_all() = 0;
};

// Thrown by wait_event when no more events can come: the scripted session
// has run out, or the toolkit is shutting down.
struct Stopped {};

}  // namespace sparvik::frame
