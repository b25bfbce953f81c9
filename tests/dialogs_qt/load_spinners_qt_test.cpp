// The count spinners of the slab loads and beam loads dialogs on the Qt
// backend, offscreen: the up arrow key on the spinner raises the count, the
// down arrow lowers it, in both dialogs alike.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "app/main_window_fixture.h"
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

}  // namespace
}  // namespace quorvel::dialogs
