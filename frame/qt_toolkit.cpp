#include "frame/qt_toolkit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QFont>
#include <QGridLayout>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTextLayout>
#include <QWidget>
#include <algorithm>
#include <functional>

namespace sparvik::frame {
namespace {

constexpr int window_width = 800;
constexpr int window_height = 600;

QString qt_text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string utf8(const QString& text) {
    return text.toStdString();
}

// A window's close box, its window menu and Alt+F4 only ask; the program
// decides in its own loop whether anything closes.
class TopWindow : public QWidget {
public:
    explicit TopWindow(std::function<void()> on_close)
        : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
          on_close_(std::move(on_close)) {}

protected:
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        on_close_();
    }

private:
    std::function<void()> on_close_;
};

// A label shows the lines of its word-wrapped text that fit whole in its
// box: a 20-pixel description shows its first line, not the top half of the
// second.
class Label : public QLabel {
public:
    explicit Label(QString text) : full_(std::move(text)) {
        setTextFormat(Qt::PlainText);
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setAccessibleName(full_);
        fit();
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        fit();
    }
    void changeEvent(QEvent* event) override {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::FontChange) fit();
    }

private:
    void fit() {
        const int rows = std::max(1, height() / std::max(1, fontMetrics().lineSpacing()));
        QTextLayout layout(full_, font());
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        int end = 0;
        for (int row = 0; row < rows; ++row) {
            QTextLine line = layout.createLine();
            if (!line.isValid()) break;
            line.setLineWidth(width());
            end = line.textStart() + line.textLength();
        }
        layout.endLayout();
        const QString shown = full_.left(end);
        setWordWrap(rows > 1);
        if (shown != text()) setText(shown);
    }

    QString full_;
};

// The numeric keypad's decimal key types "." whatever the keyboard layout:
// a Swedish layout gives ",", which would end the number.
class Field : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const bool decimal_key = (event->modifiers() & Qt::KeypadModifier) != 0 &&
                                 (event->key() == Qt::Key_Comma || event->key() == Qt::Key_Period);
        if (decimal_key) {
            QKeyEvent point(QEvent::KeyPress, Qt::Key_Period, event->modifiers(), QStringLiteral("."));
            QLineEdit::keyPressEvent(&point);
            event->setAccepted(point.isAccepted());
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
};

// Ctrl+C copies the text of a result box, or the part selected with the
// mouse.
class ResultBox : public QMessageBox {
public:
    ResultBox(const QString& title, const QString& text, QWidget* owner)
        : QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, owner) {
        setTextFormat(Qt::PlainText);
        setTextInteractionFlags(Qt::TextSelectableByMouse);
        setWindowModality(Qt::ApplicationModal);
        button(QMessageBox::Ok)->setIcon(QIcon());
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Copy)) {
            const auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            const QString selected = label != nullptr ? label->selectedText() : QString();
            QGuiApplication::clipboard()->setText(selected.isEmpty() ? text() : selected);
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
};

void centre(QWidget& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->geometry();
    const QSize outer = window.frameGeometry().size();
    window.move(area.x() + std::max(0, (area.width() - outer.width()) / 2),
                area.y() + std::max(0, (area.height() - outer.height()) / 2));
}

}  // namespace

QtToolkit::QtToolkit() {
#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
    // The layouts were drawn for a control font about as wide as Arial at 9
    // points; the wider usual Linux default would cut their lines short.
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
#endif
}

QtToolkit::~QtToolkit() {
    release_all();
}

template <class T>
T* QtToolkit::find(int id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : qobject_cast<T*>(it->second.widget);
}

void QtToolkit::enqueue(Event event) {
    queue_.push_back(event);
    if (waiting_ != nullptr) waiting_->quit();
}

void QtToolkit::open_window(int id, std::string_view title) {
    if (windows_.count(id) != 0) close_window(id);
    auto* frame = new TopWindow([this, id] { enqueue({Event::Kind::Close, id, id}); });
    frame->setWindowTitle(qt_text(title));
    frame->setFixedSize(window_width, window_height);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    frame->setPalette(palette);
    frame->setAutoFillBackground(true);

    auto* client = new QWidget(frame);
    client->setGeometry(0, 0, window_width, window_height);

    windows_[id] = {frame, client, nullptr, {}};
    current_window_ = id;
    centre(*frame);
    frame->show();
    centre(*frame);  // the frame's size is known once it is shown
    frame->raise();
    frame->activateWindow();
}

void QtToolkit::close_window(int id) {
    const auto it = windows_.find(id);
    if (it == windows_.end()) return;
    for (int control : it->second.controls) controls_.erase(control);
    for (auto bar = menu_bars_.begin(); bar != menu_bars_.end();) {
        bar = bar->second.window == id ? menu_bars_.erase(bar) : std::next(bar);
    }
    delete it->second.frame;
    windows_.erase(it);
    queue_.erase(std::remove_if(queue_.begin(), queue_.end(), [id](const Event& e) { return e.window == id; }),
                 queue_.end());
    if (current_window_ == id) current_window_ = windows_.empty() ? -1 : windows_.rbegin()->first;
}

void QtToolkit::place(int id, QWidget* widget, Rect rect) {
    const auto existing = controls_.find(id);
    const int window_id = existing != controls_.end() ? existing->second.window : current_window_;
    const auto window = windows_.find(window_id);
    if (window == windows_.end()) {
        delete widget;  // no window to put it in
        return;
    }
    bool had_focus = false;
    if (existing != controls_.end()) {
        had_focus = existing->second.widget->hasFocus();
        delete existing->second.widget;
    } else {
        window->second.controls.push_back(id);
    }
    controls_[id] = {widget, window_id};
    widget->setParent(window->second.client);
    widget->setGeometry(rect.x, rect.y, rect.width, rect.height);
    widget->show();
    if (existing != controls_.end()) {
        restore_tab_order(window->second);
        if (had_focus) widget->setFocus();
    }
}

// A re-created control goes to the end of Qt's Tab chain; put it back in its
// creation place.
void QtToolkit::restore_tab_order(const Window& window) {
    QWidget* previous = nullptr;
    for (int id : window.controls) {
        QWidget* widget = controls_.at(id).widget;
        if ((widget->focusPolicy() & Qt::TabFocus) == 0) continue;
        if (previous != nullptr) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void QtToolkit::add_label(int id, Rect rect, std::string_view text) {
    place(id, new Label(qt_text(text)), rect);
}

void QtToolkit::add_field(int id, Rect rect, std::string_view text) {
    auto* field = new Field(qt_text(text));
    QObject::connect(field, &QLineEdit::textEdited, field, [this, id] {
        enqueue({Event::Kind::Control, id, controls_.at(id).window});
    });
    place(id, field, rect);
}

void QtToolkit::add_button(int id, Rect rect, std::string_view text) {
    auto* button = new QPushButton(qt_text(text));
    button->setAutoDefault(false);  // Enter presses nothing
    QObject::connect(button, &QPushButton::clicked, button, [this, id] {
        enqueue({Event::Kind::Control, id, controls_.at(id).window});
    });
    place(id, button, rect);
}

void QtToolkit::add_list(int id, Rect rect) {
    auto* list = new QComboBox;
    list->setEditable(false);
    list->setIconSize(QSize(22, 20));
    QObject::connect(list, &QComboBox::activated, list, [this, id] {
        enqueue({Event::Kind::Control, id, controls_.at(id).window});
    });
    place(id, list, rect);
}

void QtToolkit::add_list_item(int list, std::string_view text, int picture) {
    auto* box = find<QComboBox>(list);
    if (box == nullptr) return;
    const int selected = box->count() == 0 ? -1 : box->currentIndex();
    const auto found = pictures_.find(picture);
    if (found != pictures_.end()) {
        box->addItem(QIcon(*found->second), qt_text(text));
    } else {
        box->addItem(qt_text(text));
    }
    box->setCurrentIndex(selected);  // appending selects nothing by itself
}

void QtToolkit::add_image(int id, Rect rect, int picture) {
    auto* image = new QLabel;
    const auto found = pictures_.find(picture);
    if (found != pictures_.end()) image->setPixmap(*found->second);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(id, image, rect);
}

std::optional<std::string> QtToolkit::field_text(int id) {
    const auto* field = find<QLineEdit>(id);
    if (field == nullptr) return std::nullopt;
    return utf8(field->text());
}

int QtToolkit::selected_item(int list) {
    const auto* box = find<QComboBox>(list);
    return box == nullptr ? -1 : box->currentIndex();
}

std::optional<std::string> QtToolkit::selected_text(int list) {
    const auto* box = find<QComboBox>(list);
    if (box == nullptr || box->currentIndex() < 0) return std::nullopt;
    return utf8(box->currentText());
}

void QtToolkit::select_item(int list, int position) {
    auto* box = find<QComboBox>(list);
    if (box == nullptr) return;
    box->setCurrentIndex(position >= 0 && position < box->count() ? position : -1);
}

void QtToolkit::set_picture(int id, const Picture& picture) {
    const QImage image(picture.rgba.data(), picture.width, picture.height, picture.width * 4, QImage::Format_RGBA8888);
    pictures_[id] = std::make_unique<QPixmap>(QPixmap::fromImage(image));
}

void QtToolkit::load_font(int id, std::string_view face, int points, bool bold) {
    auto font = std::make_unique<QFont>(qt_text(face), points, bold ? QFont::Bold : QFont::Normal);
    fonts_[id] = std::move(font);
}

void QtToolkit::set_font(int control, int font) {
    const auto widget = controls_.find(control);
    const auto found = fonts_.find(font);
    if (widget != controls_.end() && found != fonts_.end()) widget->second.widget->setFont(*found->second);
}

void QtToolkit::set_text_colour(int control, std::uint32_t rgb) {
    const auto it = controls_.find(control);
    if (it == controls_.end()) return;
    QWidget* widget = it->second.widget;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, QColor(static_cast<int>(rgb & 0xFFU), static_cast<int>((rgb >> 8U) & 0xFFU),
                                                  static_cast<int>((rgb >> 16U) & 0xFFU)));
    widget->setPalette(palette);
}

void QtToolkit::set_accessible_name(int control, std::string_view name) {
    const auto it = controls_.find(control);
    if (it != controls_.end()) it->second.widget->setAccessibleName(qt_text(name));
}

// The window keeps its outer size: the bar takes its height from the client
// area, whose lowest strip is then cut off.
void QtToolkit::fit_menu_bar(const Window& window) {
    const int height = window.menu_bar->sizeHint().height();
    window.menu_bar->setGeometry(0, 0, window_width, height);
    window.client->setGeometry(0, height, window_width, window_height - height);
}

void QtToolkit::add_menu_bar(int id, int window_id) {
    const auto window = windows_.find(window_id);
    if (window == windows_.end()) return;
    if (window->second.menu_bar != nullptr) return;  // one bar a window
    auto* bar = new QMenuBar(window->second.frame);
    bar->setNativeMenuBar(false);  // keep it inside the window on every desktop
    window->second.menu_bar = bar;
    menu_bars_[id] = {bar, window_id, nullptr};
    fit_menu_bar(window->second);
    bar->show();
}

void QtToolkit::add_menu_title(int bar, std::string_view text) {
    const auto it = menu_bars_.find(bar);
    if (it == menu_bars_.end()) return;
    it->second.last_title = it->second.bar->addMenu(qt_text(text));
    fit_menu_bar(windows_.at(it->second.window));
}

void QtToolkit::add_menu_item(int bar, int item, std::string_view text) {
    const auto it = menu_bars_.find(bar);
    if (it == menu_bars_.end() || it->second.last_title == nullptr) return;
    QAction* action = it->second.last_title->addAction(qt_text(text));
    action->setData(item);
    const int window = it->second.window;
    QObject::connect(action, &QAction::triggered, action, [this, item, window] {
        enqueue({Event::Kind::Menu, item, window});
    });
}

Event QtToolkit::wait_event() {
    while (queue_.empty()) {
        if (stopped_) throw Stopped{};
        QEventLoop loop;
        waiting_ = &loop;
        const int code = loop.exec();
        waiting_ = nullptr;
        // After QCoreApplication::exit every loop returns at once: stop
        // rather than spin.
        if (code < 0) stopped_ = true;
    }
    const Event event = queue_.front();
    queue_.pop_front();
    return event;
}

void QtToolkit::show_result(std::string_view title, std::string_view text) {
    QWidget* owner = QApplication::activeWindow();
    if (owner == nullptr && windows_.count(current_window_) != 0) owner = windows_.at(current_window_).frame;

    // A lone carriage return starts a new line too.
    QString shown = qt_text(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));

    ResultBox box(qt_text(title), shown, owner);
    // Wide enough that the caption shows the whole title, allowing for a
    // window manager that draws captions larger than our text.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int width = std::min(600, box.fontMetrics().horizontalAdvance(box.windowTitle()) * 3 / 2 + 120);
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    box.exec();
}

void QtToolkit::release_all() {
    for (auto& entry : windows_) delete entry.second.frame;
    windows_.clear();
    controls_.clear();
    menu_bars_.clear();
    pictures_.clear();
    fonts_.clear();
    queue_.clear();
    current_window_ = -1;
}

QWidget* QtToolkit::window_widget(int id) const {
    const auto it = windows_.find(id);
    return it == windows_.end() ? nullptr : it->second.frame;
}

QWidget* QtToolkit::control_widget(int id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second.widget;
}

QAction* QtToolkit::menu_action(int item) const {
    for (const auto& entry : menu_bars_) {
        for (QAction* title : entry.second.bar->actions()) {
            if (title->menu() == nullptr) continue;
            for (QAction* action : title->menu()->actions()) {
                if (action->data().toInt() == item) return action;
            }
        }
    }
    return nullptr;
}

}  // namespace sparvik::frame
