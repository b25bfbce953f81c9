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
        EXPECT_EQ(window.txtRaudoitelujuus.text(), "500") << "round " << round << ": the value kept";
    }
    window.unload();
}

TEST(MainWindowWithoutWindowManagerRun, NextTabRunsTheCheckAgain) {
    if (quorvel::testing::inXvfbChild()) GTEST_SKIP() << "the parent's test";
    quorvel::testing::runInXvfbChild(ChildTest);
}

}  // namespace
}  // namespace quorvel::app
