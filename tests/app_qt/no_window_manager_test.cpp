// The main window on a real X server with no window manager: nothing but
// the program itself makes its window active again after a message box.
// The test starts Xvfb (when it is installed) and runs the scenario in a
// child process of this test program on Qt's X11 platform.

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <string>
#include <vector>

#include <QLineEdit>

#include "qt_test_platform.h"

namespace quorvel::app {
namespace {

using testing::answerNextMessageBox;
using testing::MainWindowQt;
using quorvel::testing::waitFor;
using quorvel::testing::WaitSeconds;

const char* const ChildTest = "MainWindowWithoutWindowManager.ChildOnTheXServer";


class MainWindowWithoutWindowManager : public MainWindowQt {};

// Runs in the child only: type 900 into the yield strength box, Tab, OK on
// the range message; again: the check runs the second time too.
TEST_F(MainWindowWithoutWindowManager, ChildOnTheXServer) {
    if (!std::getenv("QUORVEL_XCB_CHILD")) GTEST_SKIP() << "runs only in the child of NextTabRunsTheCheckAgain";
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    frmQuorvel window(m, ui);
    window.show();
    QWidget* w = ui.windowOf(window);
    w->activateWindow();
    ASSERT_TRUE(quorvel::testing::waitForActive(w)) << "waited for the window to be active";
    std::vector<std::string> messages;
    for (int round = 1; round <= 2; ++round) {
        window.setFocus(window.txtRaudoitelujuus);
        auto* edit = qobject_cast<QLineEdit*>(ui.widgetOf(window.txtRaudoitelujuus));
        ASSERT_NE(edit, nullptr);
        ASSERT_TRUE(waitFor([edit] { return edit->hasFocus(); }))
            << "round " << round << ": waited " << WaitSeconds << " s for the yield strength box to take the focus";
        edit->selectAll();
        QTest::keyClicks(edit, "900");
        const auto answer = answerNextMessageBox(messages);
        QTest::keyClick(edit, Qt::Key_Tab);
        EXPECT_TRUE(waitFor([&] { return messages.size() == static_cast<std::size_t>(round); }))
            << "round " << round << ": waited " << WaitSeconds << " s for the range message";
        EXPECT_EQ(window.txtRaudoitelujuus.text(), "") << "round " << round;
    }
    window.unload();
}

// Starts Xvfb on a free display; its number, or -1.
int startXvfb(pid_t& server) {
    int fds[2];
    if (pipe(fds) != 0) return -1;
    server = fork();
    if (server == 0) {
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-screen", "0", "1280x1024x24",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    return number.empty() ? -1 : std::atoi(number.c_str());
}

TEST(MainWindowWithoutWindowManagerRun, NextTabRunsTheCheckAgain) {
    if (std::getenv("QUORVEL_XCB_CHILD")) GTEST_SKIP() << "the parent's test";
    if (system("command -v Xvfb >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "Xvfb is not installed: the test without a window manager needs it";
    pid_t server = -1;
    const int display = startXvfb(server);
    if (display < 0) {
        if (server > 0) kill(server, SIGTERM), waitpid(server, nullptr, 0);
        GTEST_SKIP() << "Xvfb did not start";
    }
    const pid_t child = fork();
    if (child == 0) {
        const std::string d = ":" + std::to_string(display);
        setenv("DISPLAY", d.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        setenv("QUORVEL_XCB_CHILD", "1", 1);
        const std::string filter = std::string("--gtest_filter=") + ChildTest;
        execl("/proc/self/exe", "test_app_qt", filter.c_str(), "--gtest_brief=1", static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    kill(server, SIGTERM);
    waitpid(server, nullptr, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "the child ended with signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the scenario failed on the X server without a window manager";
}

}  // namespace
}  // namespace quorvel::app
