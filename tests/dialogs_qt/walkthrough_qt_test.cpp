// A new engineer's session on the Qt backend, offscreen: the main window
// with every dialog registered, Calculate, the results windows, both
// languages, every input dialog and every beam type's dialog opened,
// changed and closed with OK, a save and a reopen (quitting ends the process, so it is left to the
// start-up tests). Every modal window met
// on the way is grabbed to a PNG in the folder QUORVEL_WALK_SHOTS names
// (when it is set) and answered: message boxes with their default button,
// file dialogs with the file the step names, other windows with their OK
// button.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/beam_types.h"
#include "app_qt/qt_test_platform.h"
#include "dialogs/input_dialogs.h"

namespace quorvel::dialogs {
namespace {

namespace fs = std::filesystem;

// Answers every modal window that comes up and keeps its title.
class Responder {
public:
    Responder() {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }
    std::vector<std::string> titles;
    std::vector<std::string> messages;
    std::string nextFile;
    std::string step = "start";
    std::vector<std::string> stuck;

private:
    void poll() {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || !w->isVisible()) return;
        const std::string title = w->windowTitle().toStdString();
        if (w == last_) {
            // Still up after its answer: a window that does not close.
            if (++repeats_ > 50) stuck.push_back(step + ": " + title);
            if (repeats_ > 50) w->close();
        } else {
            last_ = w;
            repeats_ = 0;
            titles.push_back(title);
        }
        if (repeats_ > 0) {
        } else if (const char* folder = std::getenv("QUORVEL_WALK_SHOTS")) {
            const std::string name = std::string(folder) + "/" + std::to_string(++shots_) + "-" + step + ".png";
            w->grab().toImage().save(QString::fromStdString(name));
        }
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            messages.push_back(box->text().toStdString());
            QTest::keyClick(box, Qt::Key_Return);
            return;
        }
        if (auto* files = qobject_cast<QFileDialog*>(w)) {
            // Typed into the name box, as a user does: selectFile leaves
            // the box alone while it has the focus.
            if (auto* name = files->findChild<QLineEdit*>("fileNameEdit"))
                name->setText(QString::fromStdString(nextFile));
            else
                files->selectFile(QString::fromStdString(nextFile));
            QMetaObject::invokeMethod(files, "accept");
            return;
        }
        for (QPushButton* b : w->findChildren<QPushButton*>()) {
            const QString t = b->text().remove('&').trimmed();
            const bool closes = t.compare("OK", Qt::CaseInsensitive) == 0 || t == "Poistu" || t == "Exit";
            if (closes && b->isVisible() && b->isEnabled()) {
                QTest::mouseClick(b, Qt::LeftButton);
                return;
            }
        }
        QTest::keyClick(w, Qt::Key_Escape);
    }
    QTimer timer_;
    QWidget* last_ = nullptr;
    int repeats_ = 0;
    int shots_ = 0;
};

class WalkthroughQt : public app::testing::MainWindowQt {
protected:
    void click(platform::Control& c) {
        QWidget* w = ui.widgetOf(c);
        ASSERT_NE(w, nullptr) << c.name();
        QTest::mouseClick(w, Qt::LeftButton);
        QApplication::processEvents();
    }
    void grabMain(const std::string& name) {
        if (const char* folder = std::getenv("QUORVEL_WALK_SHOTS"))
            ui.windowOf(window)->grab().toImage().save(QString::fromStdString(std::string(folder) + "/main-" + name + ".png"));
    }
    app::frmQuorvel window{m, ui};
    Responder answer;
};

TEST_F(WalkthroughQt, ANewEngineersSession) {
    RegisterInputDialogs(window);
    window.show();
    ASSERT_TRUE(ui.aboutWasUp);
    grabMain("start");

    answer.step = "calculate";
    window.RunCalculation();
    grabMain("calculated");
    answer.step = "table";
    window.ShowResultTable();
    answer.step = "report";
    window.ShowReportText();

    window.SwitchToEnglish();
    grabMain("english");
    answer.step = "table-en";
    window.ShowResultTable();
    answer.step = "report-en";
    window.ShowReportText();
    window.SwitchToFinnish();

    platform::Control* const inputs[] = {&window.cmdLaatankuormat, &window.cmdReiat, &window.cmdKuormat,
                                         &window.cmdTukimomentit};
    for (platform::Control* c : inputs) {
        answer.step = c->name();
        click(*c);
    }
    answer.step = "cmdKertoimet";
    window.cmdKertoimet.fireClick();

    for (const app::BeamTypeInfo& type : app::BeamTypes()) {
        answer.step = std::string(type.typeName);
        auto* option = dynamic_cast<platform::OptionButton*>(window.findControl(std::string(type.option)));
        ASSERT_NE(option, nullptr) << type.option;
        option->setValue(true);
        QApplication::processEvents();
        click(window.cmdPalkki);
        answer.step = std::string(type.typeName) + "-calc";
        window.RunCalculation();
        grabMain(std::string(type.typeName));
    }

    const std::string file = program.file("walk.dat");
    answer.nextFile = file;
    answer.step = "save";
    window.SaveInputFileAs();
    EXPECT_TRUE(fs::exists(file));
    answer.step = "open";
    window.OpenInputFile();
    grabMain("reopened");
    EXPECT_TRUE(answer.stuck.empty());
    for (const std::string& t : answer.stuck) std::printf("stuck: %s\n", t.c_str());
    for (const std::string& t : answer.titles) std::printf("window: %s\n", t.c_str());
    for (const std::string& t : answer.messages) std::printf("message: %s\n", t.c_str());
}

}  // namespace
}  // namespace quorvel::dialogs
