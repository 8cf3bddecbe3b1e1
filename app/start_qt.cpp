// The program over the real toolkit: Qt's start, then start-up and the main
// loop. Shared by the program's entry point and the start-up benchmark.
#include "app/start_qt.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/program.h"
#include "frame/qt_toolkit.h"

namespace {

const char* program = "sparvik";

void say_no_display() {
    std::fprintf(stderr,
                 "Sparvik needs a graphical display and found none; on a machine without one, run it under a "
                 "virtual display: xvfb-run -a %s\n",
                 program);
}

// What Qt says while it starts is held back, so that a display that cannot
// be reached gives our one sentence and not Qt's warnings before it.
std::string* held_messages = nullptr;

// Without a display Qt would abort with a long message of its own.
bool display_missing() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return !set("QT_QPA_PLATFORM") && !set("DISPLAY") && !set("WAYLAND_DISPLAY");
#else
    return false;
#endif
}

// A display that is named but cannot be reached shows up as a fatal message
// while the application starts.
void on_message(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        say_no_display();
        std::_Exit(1);
    }
    if (held_messages != nullptr) *held_messages += message.toLocal8Bit().toStdString() + "\n";
}

}  // namespace

namespace sparvik::app {

int run_on_qt(int argc, char* argv[], const std::function<void(frame::QtToolkit&)>& started) {
    if (argc > 0 && argv[0] != nullptr) program = argv[0];
    if (display_missing()) {
        say_no_display();
        return 1;
    }
    std::string held;
    held_messages = &held;
    const QtMessageHandler previous = qInstallMessageHandler(on_message);
    QApplication application(argc, argv);
    qInstallMessageHandler(previous);
    held_messages = nullptr;
    std::fputs(held.c_str(), stderr);
    QApplication::setQuitOnLastWindowClosed(false);  // the main loop decides when the program ends
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Sparvik"));  // its menu entry and icon

    frame::QtToolkit toolkit;
    if (started) started(toolkit);
    try {
        return run_program(toolkit);
    } catch (const frame::Stopped&) {
        return 0;  // the desktop ended the application
    }
}

}  // namespace sparvik::app
