// Driving the real Qt program from a timer while it blocks in its own loops.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "app/program.h"
#include "frame/qt_toolkit.h"

namespace sparvik::testing {

using frame::QtToolkit;

// Plays steps from a timer while the program blocks in its own loops; a step
// returns false to be tried again on the next tick.
class Driver {
public:
    explicit Driver(std::vector<std::function<bool()>> steps) : steps_(std::move(steps)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
        timer_.start(5);
    }
    bool finished() const { return next_ == steps_.size(); }
    std::size_t step() const { return next_; }

private:
    void tick() {
        if (finished()) return;
        if (++tries_ > 2000) {  // ten seconds on one step: give up rather than hang
            ADD_FAILURE() << "step " << next_ << " never completed";
            timer_.stop();
            QCoreApplication::exit(1);
            return;
        }
        if (steps_[next_]()) {
            ++next_;
            tries_ = 0;
        }
    }

    std::vector<std::function<bool()>> steps_;
    std::size_t next_ = 0;
    int tries_ = 0;
    QTimer timer_;
};

template <class T>
T* control(QtToolkit& toolkit, int id) {
    return qobject_cast<T*>(toolkit.control_widget(id));
}

inline QMessageBox* result_box() {
    return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
}

// Blocking actions start from a fresh timer event, so that the driving timer
// keeps ticking inside the loops they open.
inline void later(std::function<void()> action) {
    QTimer::singleShot(0, std::move(action));
}

inline const std::string suffix =
    std::string(20, ' ') + "Brantholm - Skill through practice" + std::string(70, ' ') + "SPARVIK 0.44";

inline int run(QtToolkit& toolkit) {
    try {
        return sparvik::app::run_program(toolkit);
    } catch (const sparvik::frame::Stopped&) {
        return -1;
    }
}

}  // namespace sparvik::testing
