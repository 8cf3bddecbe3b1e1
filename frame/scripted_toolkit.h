// A toolkit without a display: windows and controls are plain records, the
// user's actions come from a script, and what the user would see is reported
// to an observer. Used by the tests and the replay tool.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <vector>

#include "frame/toolkit.h"

namespace sparvik::frame {

class ScriptedToolkit : public Toolkit {
public:
    enum class ControlKind { Label, Field, Button, List, Image };

    struct Item {
        std::string text;
        int picture = -1;
    };

    struct Control {
        ControlKind kind = ControlKind::Label;
        int window = 0;
        Rect rect;
        std::string text;
        std::vector<Item> items;
        int selected = -1;
        int picture = -1;  // an image control's picture
        int font = -1;
        std::optional<std::uint32_t> colour;
        std::string accessible_name;
    };

    struct Window {
        std::string title;
        std::vector<int> controls;  // creation order, re-created ones in their old place
    };

    struct MenuTitle {
        std::string text;
        std::vector<std::pair<int, std::string>> items;
    };

    struct FontSpec {
        std::string face;
        int points = 0;
        bool bold = false;
    };

    struct Observer {
        virtual ~Observer() = default;
        virtual void opened(int /*window*/, const std::string& /*title*/) {}
        virtual void box(const std::string& /*title*/, const std::string& /*text*/) {}
        virtual void closed(int /*window*/) {}
    };

    // Called whenever the program waits and no event is queued; it plays
    // the user's next actions and returns false when the script is over.
    using Feed = std::function<bool(ScriptedToolkit&)>;

    explicit ScriptedToolkit(Feed feed = {}, Observer* observer = nullptr)
        : feed_(std::move(feed)), observer_(observer) {}
    void set_feed(Feed feed) { feed_ = std::move(feed); }

    // The user's actions. Each returns false, and does nothing, when it
    // names no open window or control of the right kind.
    bool choose_menu(int item);
    bool type(int field, std::string_view text);  // select all and type
    bool press(int button);
    bool pick(int list, int position);
    bool click_close(int window);

    // What the user can see.
    const Control* control(int id) const;
    const Window* window(int id) const;
    std::vector<int> open_windows() const;
    const std::vector<MenuTitle>& menu() const { return menu_; }
    const FontSpec* font(int id) const;
    const Picture* picture(int id) const;
    std::size_t queued() const { return queue_.size(); }

    void open_window(int id, std::string_view title) override;
    void close_window(int id) override;
    void add_label(int id, Rect rect, std::string_view text) override;
    void add_field(int id, Rect rect, std::string_view text) override;
    void add_button(int id, Rect rect, std::string_view text) override;
    void add_list(int id, Rect rect) override;
    void add_list_item(int list, std::string_view text, int picture) override;
    void add_image(int id, Rect rect, int picture) override;
    std::optional<std::string> field_text(int id) override;
    int selected_item(int list) override;
    std::optional<std::string> selected_text(int list) override;
    void select_item(int list, int position) override;
    void set_picture(int id, const Picture& picture) override;
    void load_font(int id, std::string_view face, int points, bool bold) override;
    void set_font(int control, int font) override;
    void set_text_colour(int control, std::uint32_t rgb) override;
    void set_accessible_name(int control, std::string_view name) override;
    void add_menu_bar(int id, int window) override;
    void add_menu_title(int bar, std::string_view text) override;
    void add_menu_item(int bar, int item, std::string_view text) override;
    Event wait_event() override;
    void show_result(std::string_view title, std::string_view text) override;
    void release_all() override;

private:
    void add_control(int id, Control control);
    Control* mutable_control(int id, ControlKind kind);
    void enqueue(Event event) { queue_.push_back(event); }

    Feed feed_;
    Observer* observer_;
    std::map<int, Window> windows_;
    std::map<int, Control> controls_;
    std::map<int, Picture> pictures_;
    std::map<int, FontSpec> fonts_;
    std::deque<Event> queue_;
    int current_window_ = -1;  // the window new controls belong to
    int menu_bar_ = -1;
    int menu_window_ = -1;
    std::vector<MenuTitle> menu_;
};

}  // namespace sparvik::frame
