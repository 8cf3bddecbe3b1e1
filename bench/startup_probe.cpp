// The real program's start-up, left at the first idle moment after the main
// window is shown: its close request ends the main loop.
#include <QTimer>
#include <QWidget>

#include "app/start_qt.h"
#include "frame/qt_toolkit.h"

int main(int argc, char* argv[]) {
    return sparvik::app::run_on_qt(argc, argv, [](sparvik::frame::QtToolkit& toolkit) {
        QTimer::singleShot(0, [&toolkit] {
            if (QWidget* main = toolkit.window_widget(0)) main->close();
        });
    });
}
