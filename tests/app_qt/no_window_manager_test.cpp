// The main window on a real X server with no window manager: nothing but
// the program itself makes its window active again after a message box.
// The scenario runs in a child process of this test program on its own
// Xvfb (tests/support/xvfb_child.h).

#include <string>
#include <vector>

#include <QLineEdit>

#include "qt_test_platform.h"
#include "support/xvfb_child.h"

namespace quorvel::app {
namespace {

using testing::answerNextMessageBox;
using testing::MainWindowQt;

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
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    std::vector<std::string> messages;
    for (int round = 1; round <= 2; ++round) {
        window.setFocus(window.txtRaudoitelujuus);
        QTest::qWait(50);
        auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(edit, nullptr) << "round " << round << ": the window has no focus";
        edit->selectAll();
        QTest::keyClicks(edit, "900");
        answerNextMessageBox(messages);
        QTest::keyClick(edit, Qt::Key_Tab);
        QTest::qWait(200);
        EXPECT_EQ(messages.size(), static_cast<std::size_t>(round)) << "round " << round;
        EXPECT_EQ(window.txtRaudoitelujuus.text(), "") << "round " << round;
    }
    window.unload();
}

TEST(MainWindowWithoutWindowManagerRun, NextTabRunsTheCheckAgain) {
    if (quorvel::testing::inXvfbChild()) GTEST_SKIP() << "the parent's test";
    quorvel::testing::runInXvfbChild(ChildTest);
}

}  // namespace
}  // namespace quorvel::app
