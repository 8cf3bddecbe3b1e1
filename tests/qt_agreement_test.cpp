// Every window of the program, opened from its menu item in the real Qt
// program, against the same window on the scripted toolkit: the controls,
// and the result boxes of one session of examples, computations and picks.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <map>
#include <set>

#include "frame/scripted_toolkit.h"
#include "tests/qt_support.h"
#include "tests/replay_support.h"

namespace {

using sparvik::frame::ScriptedToolkit;
using namespace sparvik::testing;
using Kind = ScriptedToolkit::ControlKind;

struct Action {
    bool pick = false;
    int id = 0;
    int position = 0;
};

// A window as the scripted toolkit shows it, the session played on it and
// the boxes that session gives.
struct Expected {
    int menu = 0;
    int window = 0;
    std::string title;
    std::vector<std::pair<int, ScriptedToolkit::Control>> controls;  // creation order
    std::map<int, ScriptedToolkit::FontSpec> fonts;
    std::vector<Action> actions;
    int close = 0;
    std::vector<Box> boxes;
};

bool starts_with(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

// Every example, every computation, a pick in every list, then every
// computation again.
std::vector<Action> session_for(const Expected& e) {
    std::vector<Action> examples, computations, picks;
    for (const auto& [id, c] : e.controls) {
        if (c.kind == Kind::Button && starts_with(c.text, "Exempel")) examples.push_back({false, id});
        if (c.kind == Kind::Button && starts_with(c.text, "Beräkna")) computations.push_back({false, id});
        if (c.kind == Kind::List) picks.push_back({true, id, std::min(2, static_cast<int>(c.items.size()) - 1)});
    }
    std::vector<Action> all = examples;
    all.insert(all.end(), computations.begin(), computations.end());
    all.insert(all.end(), picks.begin(), picks.end());
    if (!picks.empty()) all.insert(all.end(), computations.begin(), computations.end());
    return all;
}

// The real box shows a lone carriage return as a line break.
std::string as_lines(std::string text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i] == '\r' ? '\n' : text[i];
    }
    return out;
}

class Recorder : public ScriptedToolkit::Observer {
public:
    std::vector<Box> boxes;
    void box(const std::string& title, const std::string& text) override { boxes.push_back({title, as_lines(text)}); }
};

Expected scripted(int menu) {
    Expected e;
    e.menu = menu;
    e.window = menu + 1;
    Recorder recorder;
    std::size_t next = 0;
    int step = 0;
    ScriptedToolkit toolkit(
        [&](ScriptedToolkit& t) {
            if (step++ == 0) return t.choose_menu(menu);
            if (step == 2) {
                const auto* window = t.window(e.window);
                if (window == nullptr) return false;
                e.title = window->title;
                for (int id : window->controls) {
                    e.controls.emplace_back(id, *t.control(id));
                    if (t.control(id)->text == "Stäng") e.close = id;
                    const int font = t.control(id)->font;
                    if (font >= 0) e.fonts[id] = *t.font(font);
                }
                e.actions = session_for(e);
            }
            if (next < e.actions.size()) {
                const Action& a = e.actions[next++];
                return a.pick ? t.pick(a.id, a.position) : t.press(a.id);
            }
            return false;
        },
        &recorder);
    try {
        sparvik::app::run_program(toolkit);
    } catch (const sparvik::frame::Stopped&) {
    }
    e.boxes = recorder.boxes;
    return e;
}

std::string shown_text(QWidget* widget) {
    if (auto* field = qobject_cast<QLineEdit*>(widget)) return field->text().toStdString();
    if (auto* button = qobject_cast<QPushButton*>(widget)) return button->text().toStdString();
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->accessibleName().toStdString();  // the whole text
    return {};
}

void compare_controls(QtToolkit& toolkit, const Expected& e) {
    QWidget* window = toolkit.window_widget(e.window);
    EXPECT_EQ(window->windowTitle().toStdString(), e.title);
    EXPECT_EQ(window->size(), QSize(800, 600));
    QWidget* client = nullptr;
    for (const auto& [id, c] : e.controls) {
        QWidget* widget = toolkit.control_widget(id);
        if (widget == nullptr) {
            ADD_FAILURE() << e.title << ": control " << id << " missing";
            continue;
        }
        client = widget->parentWidget();
        EXPECT_EQ(widget->geometry(), QRect(c.rect.x, c.rect.y, c.rect.width, c.rect.height)) << id;
        switch (c.kind) {
            case Kind::Label: EXPECT_TRUE(qobject_cast<QLabel*>(widget)) << id; break;
            case Kind::Field: EXPECT_TRUE(qobject_cast<QLineEdit*>(widget)) << id; break;
            case Kind::Button: EXPECT_TRUE(qobject_cast<QPushButton*>(widget)) << id; break;
            case Kind::List: EXPECT_TRUE(qobject_cast<QComboBox*>(widget)) << id; break;
            case Kind::Image: break;
        }
        if (auto* list = qobject_cast<QComboBox*>(widget)) {
            ASSERT_EQ(static_cast<std::size_t>(list->count()), c.items.size()) << id;
            for (int i = 0; i < list->count(); ++i) {
                EXPECT_EQ(list->itemText(i).toStdString(), c.items[static_cast<std::size_t>(i)].text) << id;
                EXPECT_EQ(list->itemIcon(i).isNull(), c.items[static_cast<std::size_t>(i)].picture < 0) << id;
            }
            EXPECT_EQ(list->currentIndex(), c.selected) << id;
            EXPECT_FALSE(list->isEditable()) << id;
        } else {
            EXPECT_EQ(shown_text(widget), c.text) << id;
        }
        if (const auto font = e.fonts.find(id); font != e.fonts.end()) {
            EXPECT_EQ(widget->font().pointSize(), font->second.points) << id;
            EXPECT_EQ(widget->font().bold(), font->second.bold) << id;
        }
        if (c.colour) {
            const QColor colour = widget->palette().color(QPalette::WindowText);
            EXPECT_EQ(static_cast<std::uint32_t>(colour.red() | colour.green() << 8 | colour.blue() << 16), *c.colour)
                << id;
        }
    }
    // Nothing shown that the table does not hold.
    if (client != nullptr) {
        EXPECT_EQ(client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(),
                  static_cast<qsizetype>(e.controls.size()))
            << e.title;
    }
}

TEST(RealWindows, EveryWindowAgreesWithTheScriptedToolkit) {
    std::vector<Expected> windows;
    std::set<int> seen;
    for (const auto& title : sparvik::app::menu()) {
        for (const auto& item : title.items) {
            if (seen.insert(item.id).second) windows.push_back(scripted(item.id));
        }
    }
    ASSERT_EQ(windows.size(), 30U);

    QtToolkit toolkit;
    std::vector<std::vector<Box>> shown(windows.size());
    std::size_t current = 0;
    enum class Stage { Open, Compare, Act, Settle, CloseBox, Gone } stage = Stage::Open;
    std::size_t action = 0;
    int quiet = 0;
    Driver driver({[&] {
        if (QMessageBox* box = result_box(); box != nullptr && box->isVisible()) {
            shown[current].push_back({box->windowTitle().toStdString(), box->text().toStdString()});
            box->button(QMessageBox::Ok)->click();
            quiet = 0;
            return false;
        }
        const Expected& e = windows[current];
        QWidget* window = toolkit.window_widget(e.window);
        switch (stage) {
            case Stage::Open:
                if (toolkit.window_widget(0) == nullptr) return false;
                later([&toolkit, menu = e.menu] { toolkit.menu_action(menu)->trigger(); });
                stage = Stage::Compare;
                return false;
            case Stage::Compare:
                if (window == nullptr || !window->isVisible()) return false;
                compare_controls(toolkit, e);
                stage = Stage::Act;
                action = 0;
                return false;
            case Stage::Act:
                if (action == e.actions.size()) {
                    stage = Stage::Settle;
                    quiet = 0;
                    return false;
                }
                if (const Action& a = e.actions[action++]; a.pick) {
                    auto* list = control<QComboBox>(toolkit, a.id);
                    list->setCurrentIndex(a.position);
                    emit list->activated(a.position);
                } else {
                    QTest::mouseClick(control<QPushButton>(toolkit, a.id), Qt::LeftButton);
                }
                return false;
            case Stage::Settle:
                if (++quiet < 3) return false;
                window->close();  // the close box only asks
                stage = Stage::CloseBox;
                return false;
            case Stage::CloseBox:
                EXPECT_NE(window, nullptr) << e.title << " closed by its close box";
                if (window == nullptr) return true;
                QTest::mouseClick(control<QPushButton>(toolkit, e.close), Qt::LeftButton);
                stage = Stage::Gone;
                return false;
            case Stage::Gone:
                if (window != nullptr) return false;
                EXPECT_EQ(shown[current], e.boxes) << e.title;
                stage = Stage::Open;
                if (++current < windows.size()) return false;
                toolkit.window_widget(0)->close();
                return true;
        }
        return false;
    }});
    EXPECT_EQ(run(toolkit), 0);
    EXPECT_TRUE(driver.finished()) << "stopped at window " << current;
}

}  // namespace
