// The counts of the slab loads and beam loads dialogs on the Qt backend,
// offscreen, in both dialogs alike: the up arrow key on the spinner raises
// the count, the down arrow lowers it; a count typed into its box is taken
// (and Up in the box raises it too); an emptied load box is refused with a
// message and shows the load kept.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/main_window_fixture.h"
#include "app_qt/qt_test_platform.h"
#include "dialogs/slabs/frm_kuormat.h"
#include "dialogs/slabs/frm_laatankuormat.h"
#include "model/project_defaults.h"
#include "platform/qt/qt_platform.h"

namespace quorvel::dialogs {
namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "test_dialogs_qt";
    static char* argv[] = {name, nullptr};
    static QApplication* app = qobject_cast<QApplication*>(QCoreApplication::instance())
                                   ? qobject_cast<QApplication*>(QCoreApplication::instance())
                                   : new QApplication(argc, argv);
    return *app;
}

class TestPlatform : public platform::qt::QtPlatform {
public:
    std::string programFolder() const override { return QUORVEL_SOURCE_DIR "/data/"; }
};

// Shows the dialog modally and presses the arrow keys on each count bar.
template <typename Dialog>
void expectUpRaisesEveryCount(std::function<std::vector<platform::VScrollBar*>(Dialog&)> bars) {
    application();
    TestPlatform ui;
    model::ProjectModel m;
    app::testing::loadShippedCatalogue(m);
    model::ResetProjectDefaults(m);
    m.IsMiddleBeam = 1;
    Dialog dialog(m, ui);
    bool checked = false;
    QTimer::singleShot(0, [&] {
        checked = true;
        for (platform::VScrollBar* bar : bars(dialog)) {
            SCOPED_TRACE(bar->name());
            QWidget* widget = ui.widgetOf(*bar);
            ASSERT_NE(widget, nullptr);
            const int before = bar->value();
            QTest::keyClick(widget, Qt::Key_Up);
            EXPECT_EQ(bar->value(), before + 1) << "up did not raise the count";
            QTest::keyClick(widget, Qt::Key_Down);
            EXPECT_EQ(bar->value(), before);
        }
        dialog.unload();
    });
    dialog.showModal();
    EXPECT_TRUE(checked);
}

TEST(LoadSpinnersQt, TheUpArrowRaisesEveryCountInBothLoadDialogs) {
    expectUpRaisesEveryCount<frmLaatankuormat>([](frmLaatankuormat& d) {
        return std::vector<platform::VScrollBar*>{&d.vsbVasenPistekuormienLkm, &d.vsbVasenViivakuormienLkm,
                                                  &d.vsbOikeaPistekuormienLkm, &d.vsbOikeaViivakuormienLkm};
    });
    expectUpRaisesEveryCount<frmKuormat>(
        [](frmKuormat& d) { return std::vector<platform::VScrollBar*>{&d.vsbPisteLkm}; });
}

// Shows the dialog modally on a new project and runs keys on it.
template <typename Dialog>
void withDialog(const std::function<void(Dialog&, TestPlatform&)>& keys) {
    application();
    TestPlatform ui;
    model::ProjectModel m;
    app::testing::loadShippedCatalogue(m);
    model::ResetProjectDefaults(m);
    m.IsMiddleBeam = 1;
    Dialog dialog(m, ui);
    bool ran = false;
    QTimer::singleShot(0, [&] {
        ran = true;
        QWidget* window = ui.windowOf(dialog);
        window->activateWindow();
        if (quorvel::testing::waitForActive(window))
            keys(dialog, ui);
        else
            ADD_FAILURE() << "waited for the dialog to be active";
        dialog.unload();
    });
    dialog.showModal();
    EXPECT_TRUE(ran);
}

// The box focused and its whole text selected, then the keys.
QWidget* typeOver(platform::Form& dialog, platform::Platform& ui, platform::Control& box, const char* keys) {
    dialog.setFocus(box);
    QApplication::processEvents();
    auto* edit = qobject_cast<QLineEdit*>(static_cast<TestPlatform&>(ui).widgetOf(box));
    if (!edit || QApplication::focusWidget() != edit) {
        ADD_FAILURE() << box.name() << " did not take the focus";
        return nullptr;
    }
    edit->selectAll();
    QTest::keyClicks(edit, keys);
    return edit;
}

template <typename Dialog>
void expectTypedCounts(std::function<std::vector<std::pair<platform::TextBox*, platform::VScrollBar*>>(Dialog&)> boxes) {
    withDialog<Dialog>([&](Dialog& d, TestPlatform& ui) {
        for (auto [box, bar] : boxes(d)) {
            SCOPED_TRACE(box->name());
            QWidget* edit = typeOver(d, ui, *box, "2");
            if (!edit) return;
            QTest::keyClick(edit, Qt::Key_Tab);
            EXPECT_EQ(bar->value(), 2) << "the typed count was not taken";
            EXPECT_EQ(box->text(), "2");
            d.setFocus(*box);
            QTest::keyClick(edit, Qt::Key_Up);
            EXPECT_EQ(bar->value(), 3) << "up in the box did not raise the count";
            EXPECT_EQ(box->text(), "3");
        }
    });
}

TEST(LoadSpinnersQt, ACountTypedIntoItsBoxIsTakenInBothLoadDialogs) {
    using Boxes = std::vector<std::pair<platform::TextBox*, platform::VScrollBar*>>;
    expectTypedCounts<frmLaatankuormat>([](frmLaatankuormat& d) {
        return Boxes{{&d.txtVasenPistekuormienLkm, &d.vsbVasenPistekuormienLkm},
                     {&d.txtVasenViivakuormienLkm, &d.vsbVasenViivakuormienLkm},
                     {&d.txtOikeaPistekuormienLkm, &d.vsbOikeaPistekuormienLkm},
                     {&d.txtOikeaViivakuormienLkm, &d.vsbOikeaViivakuormienLkm}};
    });
    expectTypedCounts<frmKuormat>([](frmKuormat& d) { return Boxes{{&d.txtPisteLkm, &d.vsbPisteLkm}}; });
}

// An emptied line load of the beam is refused with the message of every
// other window's empty box, and shows the load kept.
TEST(LoadSpinnersQt, AnEmptiedBeamLineLoadIsRefusedWithAMessage) {
    withDialog<frmKuormat>([](frmKuormat& d, TestPlatform& ui) {
        QWidget* edit = typeOver(d, ui, d.txtPysyvaviivag1, "");
        if (!edit) return;
        QTest::keyClick(edit, Qt::Key_Backspace);
        ASSERT_EQ(d.txtPysyvaviivag1.text(), "");
        std::vector<std::string> messages;
        {
            const auto answer = app::testing::answerNextMessageBox(messages);
            QTest::keyClick(edit, Qt::Key_Tab);
            EXPECT_TRUE(quorvel::testing::waitFor([&] { return !messages.empty(); })) << "waited for the message";
        }
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0], "Pysyvä viivakuorma alussa: Tyhjä kenttä ei kelpaa (0<=...<=1000 kN/m)");
        EXPECT_EQ(d.txtPysyvaviivag1.text(), "0");
        EXPECT_EQ(d.activeControl(), &d.txtPysyvaviivag1);
    });
}

}  // namespace
}  // namespace quorvel::dialogs
