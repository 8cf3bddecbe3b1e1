// The program over the real toolkit: Qt's start, then start-up and the main
// loop. Shared by the program's entry point and the start-up benchmark.
#include "app/start_qt.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/program.h"
#include "frame/qt_toolkit.h"

namespace {

constexpr const char* no_display =
    "Sparvik needs a graphical display and found none; on a machine without one, run it under a virtual "
    "display: xvfb-run -a sparvik\n";

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
        std::fputs(no_display, stderr);
        std::_Exit(1);
    }
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

}  // namespace

namespace sparvik::app {

int run_on_qt(int argc, char* argv[], const std::function<void(frame::QtToolkit&)>& started) {
    if (display_missing()) {
        std::fputs(no_display, stderr);
        return 1;
    }
    const QtMessageHandler previous = qInstallMessageHandler(on_message);
    QApplication application(argc, argv);
    qInstallMessageHandler(previous);
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
