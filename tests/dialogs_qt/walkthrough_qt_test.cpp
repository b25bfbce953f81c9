// A new engineer's session on the Qt backend, offscreen: the main window
// with every dialog registered, Calculate, the results windows, both
// languages, every input dialog and every beam type's dialog opened,
// changed and closed with OK, saves and a reopen (quitting ends the process, so it is left to the
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
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/beam_types.h"
#include "app_qt/qt_test_platform.h"
#include "dialogs/input_dialogs.h"
#include "support/qt_wait.h"

namespace quorvel::dialogs {
namespace {

namespace fs = std::filesystem;

// Answers every modal window once it is up and keeps its title: message
// boxes with their default button, file dialogs with the file the step
// names typed into the file name box, other windows with their OK button.
class Responder {
public:
    std::vector<std::string> titles;
    std::vector<std::string> messages;
    std::vector<int> fileResults;  // each file dialog's result, when it finished
    std::string nextFile;
    void setStep(std::string s) { modals_.step = std::move(s); }

private:
    void answer(QWidget& w) {
        titles.push_back(w.windowTitle().toStdString());
        if (const char* folder = std::getenv("QUORVEL_WALK_SHOTS")) {
            const std::string name =
                std::string(folder) + "/" + std::to_string(titles.size()) + "-" + modals_.step + ".png";
            w.grab().toImage().save(QString::fromStdString(name));
        }
        if (auto* box = qobject_cast<QMessageBox*>(&w)) {
            messages.push_back(box->text().toStdString());
            QTest::keyClick(box, Qt::Key_Return);
            return;
        }
        if (auto* files = qobject_cast<QFileDialog*>(&w)) {
            // Typed into the name box once it has the keyboard focus, as a
            // user does: selectFile() leaves the box alone while it has the
            // focus, and the dialog would then take its folder (Save) or
            // nothing (Open) and stay up.
            auto* name = files->findChild<QLineEdit*>("fileNameEdit");
            if (!name) {
                ADD_FAILURE() << "the file dialog \"" << titles.back() << "\" has no file name box";
                files->reject();
                return;
            }
            if (!quorvel::testing::waitFor([name] { return name->hasFocus(); }))
                ADD_FAILURE() << "waited " << quorvel::testing::WaitSeconds << " s for the file name box of \""
                              << titles.back() << "\" to take the keyboard focus";
            QObject::connect(files, &QDialog::finished, [this](int result) { fileResults.push_back(result); });
            name->setText(QString::fromStdString(nextFile));
            QMetaObject::invokeMethod(files, "accept");  // what its Open or Save button does
            return;
        }
        for (QPushButton* b : w.findChildren<QPushButton*>()) {
            const QString t = b->text().remove('&').trimmed();
            const bool closes = t.compare("OK", Qt::CaseInsensitive) == 0 || t == "Poistu" || t == "Exit";
            if (closes && b->isVisible() && b->isEnabled()) {
                QTest::mouseClick(b, Qt::LeftButton);
                return;
            }
        }
        QTest::keyClick(&w, Qt::Key_Escape);
    }
    quorvel::testing::ModalAnswers modals_{[this](QWidget& w) { answer(w); }, true};
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
};

TEST_F(WalkthroughQt, ANewEngineersSession) {
    RegisterInputDialogs(window);
    window.show();
    ASSERT_TRUE(ui.aboutWasUp);
    grabMain("start");
    Responder answer;  // from here on: the about window has its own answer

    answer.setStep("calculate");
    window.RunCalculation();
    grabMain("calculated");
    answer.setStep("table");
    window.ShowResultTable();
    answer.setStep("report");
    window.ShowReportText();

    window.SwitchToEnglish();
    grabMain("english");
    answer.setStep("table-en");
    window.ShowResultTable();
    answer.setStep("report-en");
    window.ShowReportText();
    window.SwitchToFinnish();

    platform::Control* const inputs[] = {&window.cmdLaatankuormat, &window.cmdReiat, &window.cmdKuormat,
                                         &window.cmdTukimomentit};
    for (platform::Control* c : inputs) {
        answer.setStep(c->name());
        click(*c);
    }
    answer.setStep("cmdKertoimet");
    window.cmdKertoimet.fireClick();

    for (const app::BeamTypeInfo& type : app::BeamTypes()) {
        answer.setStep(std::string(type.typeName));
        auto* option = dynamic_cast<platform::OptionButton*>(window.findControl(std::string(type.option)));
        ASSERT_NE(option, nullptr) << type.option;
        option->setValue(true);
        QApplication::processEvents();
        click(window.cmdPalkki);
        answer.setStep(std::string(type.typeName) + "-calc");
        window.RunCalculation();
        grabMain(std::string(type.typeName));
    }

    const std::string file = program.file("walk.dat");
    answer.nextFile = file;
    answer.setStep("save");
    window.SaveInputFileAs();
    EXPECT_TRUE(fs::exists(file));
    // The results saved too, so that opening asks nothing.
    answer.nextFile = program.file("walk.tul");
    answer.setStep("save results");
    window.SaveResultsFileAs();
    EXPECT_TRUE(fs::exists(answer.nextFile));
    answer.nextFile = file;
    answer.setStep("open");
    window.OpenInputFile();
    grabMain("reopened");
    EXPECT_EQ(m.InputFilePath, file);
    EXPECT_EQ(answer.fileResults, (std::vector<int>{QDialog::Accepted, QDialog::Accepted, QDialog::Accepted}))
        << "the two save dialogs and the open dialog each took its file";
    for (const std::string& t : answer.titles) std::printf("window: %s\n", t.c_str());
    for (const std::string& t : answer.messages) std::printf("message: %s\n", t.c_str());
}

}  // namespace
}  // namespace quorvel::dialogs
