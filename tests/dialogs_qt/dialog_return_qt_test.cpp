// When an input or beam dialog closes, by OK, Cancel, Escape or Enter, the
// main window is active again with the focus where it was, and its keys act
// at once (Alt+T opens the file menu): offscreen, and on an X server
// without a window manager, where nothing but the program activates a
// window (in a child process on Xvfb).

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>

#include "app_qt/qt_test_platform.h"
#include "dialogs/input_dialogs.h"
#include "platform/qt/form_window.h"
#include "support/xvfb_child.h"

namespace quorvel::dialogs {
namespace {

constexpr int WaitMs = 10000;  // generous: a window's activation on a loaded machine

// The shown window of a form other than the main window, or null.
platform::qt::FormWindow* dialogWindow(const platform::Form& main) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = dynamic_cast<platform::qt::FormWindow*>(w))
            if (f->isVisible() && f->form() && f->form() != &main) return f;
    return nullptr;
}

struct Closing {
    const char* how;
    // Closes the dialog as a user does; the dialog's window is active.
    std::function<void(platform::qt::QtPlatform&, platform::Form&)> close;
};

void clickButton(platform::qt::QtPlatform& ui, platform::Form& f, const char* name) {
    platform::Control* button = f.findControl(name);
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(ui.widgetOf(*button), Qt::LeftButton);
}

void pressKey(Qt::Key key) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr) << "the dialog has no focus";
    QTest::keyClick(focused, key);
}

const Closing kClosings[] = {
    {"OK", [](auto& ui, auto& f) { clickButton(ui, f, "cmdOK"); }},
    {"Cancel", [](auto& ui, auto& f) { clickButton(ui, f, "cmdPeruuta"); }},
    {"Escape", [](auto&, auto&) { pressKey(Qt::Key_Escape); }},
    {"Enter", [](auto&, auto&) { pressKey(Qt::Key_Return); }},
};

class DialogReturnQt : public app::testing::MainWindowQt {
protected:
    void start() {
        RegisterInputDialogs(window);
        window.show();
        main = ui.windowOf(window);
        ASSERT_NE(main, nullptr);
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == main; }, WaitMs))
            << "the main window did not become active";
    }

    // Opens a dialog with the opener while the focus is on the first title
    // line, closes it the given way, and checks the main window afterwards.
    void openAndClose(platform::Control& opener, const Closing& closing) {
        SCOPED_TRACE(opener.name() + " closed by " + closing.how);
        window.setFocus(window.txtOtsikko1);
        QWidget* box = ui.widgetOf(window.txtOtsikko1);
        box->setFocus(Qt::OtherFocusReason);  // also after the menu of the last round
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == box; }, WaitMs));
        bool closed = false;
        QTimer::singleShot(0, [&] {
            platform::qt::FormWindow* dialog = nullptr;
            const bool up = QTest::qWaitFor(
                [&] {
                    dialog = dialogWindow(window);
                    return dialog && QApplication::activeWindow() == dialog && QApplication::focusWidget();
                },
                WaitMs);
            if (!up) {
                ADD_FAILURE() << "the dialog did not become active";
                if (dialog) dialog->form()->unload();
                return;
            }
            closing.close(ui, *dialog->form());
            closed = true;
        });
        if (opener.kind() == platform::ControlKind::Menu)
            opener.fireClick();
        else
            static_cast<platform::CommandButton&>(opener).press();
        EXPECT_TRUE(closed);
        EXPECT_EQ(dialogWindow(window), nullptr) << "the dialog is still open";
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == main; }, WaitMs))
            << "the main window is not active again";
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == box; }, WaitMs))
            << "the focus is not back on the title line";
        EXPECT_EQ(window.activeControl(), &window.txtOtsikko1);

        // The keyboard acts at once: Alt+T opens the file menu.
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClick(focused, Qt::Key_T, Qt::AltModifier);
        auto* bar = main->findChild<QMenuBar*>();
        ASSERT_NE(bar, nullptr);
        QAction* open = nullptr;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                open = bar->activeAction();
                return open && open->menu() && open->menu()->isVisible();
            },
            WaitMs))
            << "Alt+T did not open the file menu";
        if (open && open->menu()) open->menu()->close();
        bar->setActiveAction(nullptr);
        // Offscreen, the closed menu keeps the activation.
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == main; }, WaitMs));
    }

    // Every input dialog and one beam dialog, each closed every way.
    void runEveryDialogEveryWay() {
        start();
        platform::Control* const openers[] = {&window.cmdLaatasto,     &window.cmdLaatankuormat, &window.cmdReiat,
                                              &window.cmdKuormat,      &window.cmdTukimomentit,  &window.cmdKertoimet,
                                              &window.cmdPalkki};
        for (platform::Control* opener : openers)
            for (const Closing& closing : kClosings) openAndClose(*opener, closing);
        window.unload();
    }

    app::frmQuorvel window{m, ui};
    QWidget* main = nullptr;
};

TEST_F(DialogReturnQt, TheMainWindowIsActiveWithItsFocusAfterEveryDialogClosesAnyWay) {
    if (quorvel::testing::inXvfbChild()) GTEST_SKIP() << "offscreen only";
    runEveryDialogEveryWay();
}

// Runs in the child only, on the X server without a window manager.
TEST_F(DialogReturnQt, ChildOnTheXServer) {
    if (!quorvel::testing::inXvfbChild()) GTEST_SKIP() << "runs only in the child of WithoutAWindowManager";
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    runEveryDialogEveryWay();
}

TEST(DialogReturnQtRun, WithoutAWindowManager) {
    if (quorvel::testing::inXvfbChild()) GTEST_SKIP() << "the parent's test";
    quorvel::testing::runInXvfbChild("DialogReturnQt.ChildOnTheXServer");
}

}  // namespace
}  // namespace quorvel::dialogs
