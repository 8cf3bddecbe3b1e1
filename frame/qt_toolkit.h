// The toolkit over Qt 6 Widgets: real windows, controls and message boxes.
// Every user action only enqueues an event; wait_event hands them out one by
// one, in order, to whichever loop of the program is waiting.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <vector>

#include "frame/toolkit.h"

class QAction;
class QEventLoop;
class QFont;
class QMenu;
class QMenuBar;
class QPixmap;
class QWidget;

namespace sparvik::frame {

class QtToolkit : public Toolkit {
public:
    // Needs a QApplication that lives longer than the toolkit.
    QtToolkit();
    ~QtToolkit() override;
    QtToolkit(const QtToolkit&) = delete;
    QtToolkit& operator=(const QtToolkit&) = delete;

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

    // The widgets behind the identifiers, for tests of the real windows.
    QWidget* window_widget(int id) const;
    QWidget* control_widget(int id) const;
    QAction* menu_action(int item) const;

private:
    struct Window {
        QWidget* frame = nullptr;   // the top-level window
        QWidget* client = nullptr;  // the client area the controls live in
        QMenuBar* menu_bar = nullptr;
        std::vector<int> controls;  // creation order
    };
    struct Control {
        QWidget* widget = nullptr;
        int window = 0;
    };
    struct MenuBar {
        QMenuBar* bar = nullptr;
        int window = 0;
        QMenu* last_title = nullptr;
    };

    // Destroys any control under `id`, then gives `widget` its place.
    void place(int id, QWidget* widget, Rect rect);
    void restore_tab_order(const Window& window);
    void fit_menu_bar(const Window& window);
    template <class T>
    T* find(int id) const;
    void enqueue(Event event);

    std::map<int, Window> windows_;
    std::map<int, Control> controls_;
    std::map<int, MenuBar> menu_bars_;
    std::map<int, std::unique_ptr<QPixmap>> pictures_;
    std::map<int, std::unique_ptr<QFont>> fonts_;
    std::deque<Event> queue_;
    QEventLoop* waiting_ = nullptr;
    bool stopped_ = false;
    int current_window_ = -1;  // the window new controls belong to
};

}  // namespace sparvik::frame
