// Runs the program on the real toolkit: checks for a display, starts Qt,
// then start-up and the main loop until the main window is closed.
#pragma once

#include <functional>

namespace sparvik::frame {
class QtToolkit;
}

namespace sparvik::app {

// `started`, if given, sees the toolkit before the main window opens.
int run_on_qt(int argc, char* argv[], const std::function<void(frame::QtToolkit&)>& started = {});

}  // namespace sparvik::app
