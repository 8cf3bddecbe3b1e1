// The real Qt windows under the offscreen platform: a user's road from the
// menu through "Exempel" and "Beräkna" to the message box and back.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "app/program.h"
#include "frame/qt_toolkit.h"
#include "tests/qt_support.h"

namespace {

using sparvik::frame::QtToolkit;
using namespace sparvik::testing;

TEST(RealWindows, MainWindowHasTitleLogoAndMenuBar) {
    QtToolkit toolkit;
    Driver driver({
        [&] {
            QWidget* main = toolkit.window_widget(0);
            if (main == nullptr || !main->isVisible()) return false;
            EXPECT_EQ(main->windowTitle().toStdString(), "MAIN" + std::string(30, ' ') + suffix);
            EXPECT_EQ(main->size(), QSize(800, 600));
            EXPECT_EQ(main->minimumSize(), main->maximumSize()) << "fixed size";
            const auto* bar = main->findChild<QMenuBar*>();
            EXPECT_NE(bar, nullptr);
            EXPECT_EQ(bar->actions().size(), 11);
            EXPECT_EQ(bar->actions().front()->text(), "Frekvens");
            const auto* logo = control<QLabel>(toolkit, 6);
            EXPECT_EQ(logo->size(), QSize(800, 600));
            EXPECT_FALSE(logo->pixmap().isNull());
            EXPECT_EQ(logo->mapTo(main, QPoint(0, 0)), QPoint(0, bar->height())) << "the bar sits above the logo";
            EXPECT_EQ(toolkit.menu_action(359)->text(), "Parallell R & L - Serie C");
            main->close();  // the close box
            return true;
        },
    });
    EXPECT_EQ(run(toolkit), 0);
    EXPECT_TRUE(driver.finished());
}

TEST(RealWindows, OhmsLawFromMenuToResultBoxAndBack) {
    if (std::getenv("SPARVIK_EXPECT_SWEDISH") != nullptr) {
        // Qt adopted the user's locale for the C library: the trap is live.
        char text[32];
        std::snprintf(text, sizeof text, "%.2f", 1234.5);
        ASSERT_STREQ(text, "1234,50") << "the Swedish locale is not installed";
    }
    QtToolkit toolkit;
    std::string box_title, box_text;
    Driver driver({
        [&] {
            if (toolkit.window_widget(0) == nullptr) return false;
            later([&] { toolkit.menu_action(59)->trigger(); });
            return true;
        },
        [&] {
            QWidget* window = toolkit.window_widget(60);
            if (window == nullptr || !window->isVisible()) return false;
            EXPECT_EQ(window->windowTitle().toStdString(), "EFF_OHM()" + std::string(30, ' ') + suffix);
            EXPECT_EQ(control<QLabel>(toolkit, 62)->text(), "Volt (U)");
            EXPECT_EQ(control<QLineEdit>(toolkit, 63)->geometry(), QRect(220, 80, 50, 20));
            EXPECT_EQ(control<QPushButton>(toolkit, 68)->text(), "Exempel");
            QTest::keyClicks(control<QLineEdit>(toolkit, 63), "99");
            QTest::mouseClick(control<QPushButton>(toolkit, 68), Qt::LeftButton);
            return true;
        },
        [&] {
            if (control<QLineEdit>(toolkit, 63)->text() != "12") return false;
            EXPECT_EQ(control<QLineEdit>(toolkit, 67)->text(), "2");
            EXPECT_TRUE(control<QLineEdit>(toolkit, 63)->isVisible()) << "a re-created field is shown";
            toolkit.window_widget(60)->close();  // the close box only asks
            QTest::mouseClick(control<QPushButton>(toolkit, 69), Qt::LeftButton);
            return true;
        },
        [&] {
            QMessageBox* box = result_box();
            if (box == nullptr || !box->isVisible()) return false;
            box_title = box->windowTitle().toStdString();
            box_text = box->text().toStdString();
            EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
            EXPECT_EQ(box->buttons().size(), 1);
            // A click on "Stäng" behind the box is dropped while it is shown.
            QPushButton* close = control<QPushButton>(toolkit, 71);
            QTest::mouseClick(toolkit.window_widget(60)->windowHandle(), Qt::LeftButton, {},
                              close->mapTo(toolkit.window_widget(60), close->rect().center()));
            box->button(QMessageBox::Ok)->click();
            return true;
        },
        [&] {
            if (result_box() != nullptr) return false;
            EXPECT_NE(toolkit.window_widget(60), nullptr) << "the close box and the blocked click closed nothing";
            QTest::mouseClick(control<QPushButton>(toolkit, 71), Qt::LeftButton);
            return true;
        },
        [&] {
            if (toolkit.window_widget(60) != nullptr) return false;
            toolkit.window_widget(0)->close();
            return true;
        },
    });
    EXPECT_EQ(run(toolkit), 0);
    EXPECT_TRUE(driver.finished()) << "stopped at step " << driver.step();
    EXPECT_EQ(box_title, "Ohms lag");
    EXPECT_EQ(box_text, "6.00 Ohm");
}

TEST(RealWindows, FieldsAndBoxesKeepDesktopHabits) {
    QtToolkit toolkit;
    std::string copied;
    Driver driver({
        [&] {
            if (toolkit.window_widget(0) == nullptr) return false;
            later([&] { toolkit.menu_action(59)->trigger(); });
            return true;
        },
        [&] {
            auto* field = control<QLineEdit>(toolkit, 63);
            if (field == nullptr || !field->isVisible()) return false;
            EXPECT_EQ(field->accessibleName().toStdString(), "Volt (U)");
            EXPECT_EQ(control<QLineEdit>(toolkit, 67)->accessibleName().toStdString(), "Ampere (I)");
            // The keypad's decimal key gives "." even where the layout says ",".
            field->setFocus();
            field->selectAll();
            QTest::keyClick(field, Qt::Key_3);
            QTest::keyClick(field, Qt::Key_Comma, Qt::KeypadModifier);
            QTest::keyClick(field, Qt::Key_5, Qt::KeypadModifier);
            EXPECT_EQ(field->text().toStdString(), "3.5");
            QTest::keyClick(field, Qt::Key_Comma);
            EXPECT_EQ(field->text().toStdString(), "3.5,") << "the main keyboard's comma stays a comma";
            QTest::mouseClick(control<QPushButton>(toolkit, 68), Qt::LeftButton);
            return true;
        },
        [&] {
            if (control<QLineEdit>(toolkit, 63)->text() != "12") return false;
            EXPECT_EQ(control<QLineEdit>(toolkit, 63)->accessibleName().toStdString(), "Volt (U)")
                << "kept by a re-created field";
            QTest::mouseClick(control<QPushButton>(toolkit, 69), Qt::LeftButton);
            return true;
        },
        [&] {
            QMessageBox* box = result_box();
            if (box == nullptr || !box->isVisible()) return false;
            EXPECT_TRUE(box->textInteractionFlags() & Qt::TextSelectableByMouse);
            QGuiApplication::clipboard()->clear();
            QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
            copied = QGuiApplication::clipboard()->text().toStdString();
            box->button(QMessageBox::Ok)->click();
            return true;
        },
        [&] {
            if (result_box() != nullptr) return false;
            QTest::mouseClick(control<QPushButton>(toolkit, 71), Qt::LeftButton);
            return true;
        },
        [&] {
            if (toolkit.window_widget(60) != nullptr) return false;
            toolkit.window_widget(0)->close();
            return true;
        },
    });
    EXPECT_EQ(run(toolkit), 0);
    EXPECT_TRUE(driver.finished()) << "stopped at step " << driver.step();
    EXPECT_EQ(copied, "6.00 Ohm");
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
