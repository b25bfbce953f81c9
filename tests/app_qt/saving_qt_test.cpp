// Work is never lost, on the Qt backend offscreen: Escape and the close
// button of the quit question keep the program and the edit; Save As in
// the real file dialog opens in the project's folder and adds ".dat", and
// the question before replacing answers No to Escape; the title names the
// project; the work folder is the copy's own in the user's application
// data folder and comes back when removed; and a read-only copy of the
// program and its data calculates, shows and prints the report and saves
// where the user may write.

#include <unistd.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <cstdlib>
#include <deque>
#include <functional>

#include "qt_test_platform.h"
#include "support/as_other_user.h"

namespace quorvel::app {
namespace {

namespace fs = std::filesystem;
using testing::TestPlatform;

const std::string Title = "Quorvel  " QUORVEL_VERSION " /EC 17.03.2017";

// A program end inside a test is a failure, reported as one: the Qt
// platform's end would leave the test process with success.
class SessionPlatform : public TestPlatform {
public:
    using TestPlatform::TestPlatform;
    [[noreturn]] void endProgram() override {
        std::fprintf(stderr, "the program ended during the test\n");
        std::_Exit(3);
    }
};

// Answers the modal windows once they are up, in order, each with the
// next step of a script; a window nobody expected is recorded and closed
// with Escape. Message texts and the file dialogs' folders are kept.
class Script {
public:
    using Step = std::function<void(QWidget*)>;
    // The next step; the script watches from its first step on, so that
    // the start-up's about window is left to the platform.
    void then(Step step) {
        steps_.push_back(std::move(step));
        if (!modals_)
            modals_ = std::make_unique<quorvel::testing::ModalAnswers>([this](QWidget& w) { answer(&w); }, true);
    }
    bool done() const { return steps_.empty(); }

    // Steps for a message box: a key, or its own close button.
    static Step key(Qt::Key k) {
        return [k](QWidget* w) { QTest::keyClick(w, k); };
    }
    static Step button(QMessageBox::StandardButton which) {
        return [which](QWidget* w) {
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->button(which))
                return QTest::mouseClick(box->button(which), Qt::LeftButton);
            QTest::keyClick(w, Qt::Key_Escape);
        };
    }
    static Step closeButton() {
        return [](QWidget* w) { w->close(); };
    }
    // A step for a file dialog: the name typed into its name box, then
    // Enter.
    Step type(const std::string& name) {
        return [this, name](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            if (!dialog) return unexpected.push_back("not a file dialog: " + w->windowTitle().toStdString());
            folders.push_back(dialog->directory().absolutePath().toStdString() + "/");
            auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
            if (!edit) return unexpected.push_back("no name box in the file dialog");
            edit->setText(QString::fromStdString(name));
            QTest::keyClick(edit, Qt::Key_Return);
        };
    }
    // A step for a window of the program: its button with this caption.
    static Step press(const QString& caption) {
        return [caption](QWidget* w) {
            for (QPushButton* b : w->findChildren<QPushButton*>())
                if (b->text().remove('&') == caption) return QTest::mouseClick(b, Qt::LeftButton);
            QTest::keyClick(w, Qt::Key_Escape);
        };
    }

    std::vector<std::string> texts;
    std::vector<std::string> folders;
    std::vector<std::string> unexpected;

private:
    void answer(QWidget* w) {
        if (auto* box = qobject_cast<QMessageBox*>(w)) texts.push_back(box->text().toStdString());
        if (steps_.empty()) {
            unexpected.push_back(w->windowTitle().toStdString() + ": " + (texts.empty() ? "" : texts.back()));
            QTest::keyClick(w, Qt::Key_Escape);
            return;
        }
        Step step = std::move(steps_.front());
        steps_.pop_front();
        step(w);
    }
    std::unique_ptr<quorvel::testing::ModalAnswers> modals_;
    std::deque<Step> steps_;
};

class SavingQt : public testing::MainWindowQt {
protected:
    void SetUp() override {
        MainWindowQt::SetUp();
        // The application data folder of the test, not the user's.
        setenv("XDG_DATA_HOME", xdg.path().c_str(), 1);
    }
    void typeTitle(const QString& text) {
        auto* edit = qobject_cast<QLineEdit*>(session.widgetOf(window.txtOtsikko1));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    std::string title() const { return session.windowOf(window)->windowTitle().toStdString(); }

    quorvel::testing::TempFolder xdg, documents;
    SessionPlatform session{program.dataPath()};
    frmQuorvel window{m, session};
    Script script;
};

TEST_F(SavingQt, EscapeAndTheCloseButtonOfTheQuitQuestionKeepTheProgramAndTheEdit) {
    window.show();
    window.cmdLaske0.fireClick();  // results not saved, which a title edit keeps
    ASSERT_EQ(m.ResultsValid, -1);
    typeTitle("Kohde A");
    ASSERT_EQ(m.TitleLine1, "Kohde A");
    // The window's close button: Escape, then the box's own close button.
    script.then(Script::key(Qt::Key_Escape));
    EXPECT_FALSE(session.windowOf(window)->close());
    script.then(Script::closeButton());
    EXPECT_FALSE(session.windowOf(window)->close());
    // The quit command: No to the input, Escape to the results question.
    script.then(Script::button(QMessageBox::No));
    script.then(Script::key(Qt::Key_Escape));
    window.cmdLopeta.fireClick();

    EXPECT_TRUE(script.done());
    EXPECT_EQ(script.texts, (std::vector<std::string>{"Tallennetaanko lähtötiedot?", "Tallennetaanko lähtötiedot?",
                                                      "Tallennetaanko lähtötiedot?", "Tallennetaanko tulostiedot?"}));
    EXPECT_TRUE(script.unexpected.empty()) << script.unexpected.front();
    EXPECT_TRUE(session.windowOf(window)->isVisible());
    EXPECT_EQ(m.TitleLine1, "Kohde A");
    EXPECT_EQ(m.InputChanged, -1);
    window.unload();
}

TEST_F(SavingQt, SaveAsInTheFileDialogAddsTheExtensionAndAsksBeforeReplacing) {
    session.settings["Tiedostokansio"] = documents.dataPath();
    window.show();
    typeTitle("Kohde B");
    EXPECT_EQ(title(), Title + " *");

    script.then(script.type("ti_middle"));
    window.cmdTallennalahtoNimella.fireClick();
    const std::string saved = documents.file("ti_middle.dat");
    ASSERT_TRUE(fs::is_regular_file(saved)) << "the name typed without its extension";
    EXPECT_EQ(m.InputFilePath, saved);
    EXPECT_EQ(title(), Title + " - ti_middle.dat");

    // Typed again: the dialog opens in the project's folder; the question
    // before replacing takes Escape as No, Enter as Yes.
    typeTitle("Kohde C");
    EXPECT_EQ(title(), Title + " - ti_middle.dat *");
    const std::string before = documents.read("ti_middle.dat");
    script.then(script.type("ti_middle"));
    script.then(Script::key(Qt::Key_Escape));
    window.cmdTallennalahtoNimella.fireClick();
    EXPECT_EQ(documents.read("ti_middle.dat"), before);
    script.then(script.type("ti_middle"));
    script.then(Script::key(Qt::Key_Return));
    window.cmdTallennalahtoNimella.fireClick();
    EXPECT_NE(documents.read("ti_middle.dat").find("Kohde C"), std::string::npos);
    EXPECT_EQ(title(), Title + " - ti_middle.dat");

    EXPECT_EQ(script.folders, std::vector<std::string>(3, documents.dataPath()));
    EXPECT_EQ(script.texts, std::vector<std::string>(2, "Tiedosto " + saved + " on jo olemassa.\nKorvataanko se?"));
    EXPECT_TRUE(script.unexpected.empty()) << script.unexpected.front();

    // The title keeps the project through a language switch and a new one.
    // New asks the quit command's questions first (the results calculated
    // were never saved): Escape keeps the project, No gives the results up.
    window.SwitchToEnglish();
    window.cmdLaske0.fireClick();
    ASSERT_EQ(m.ResultsValid, -1);
    EXPECT_EQ(title(), Title + " - ti_middle.dat");
    script.then(Script::key(Qt::Key_Escape));
    window.cmdUusi.fireClick();
    EXPECT_EQ(title(), Title + " - ti_middle.dat");
    EXPECT_EQ(m.TitleLine1, "Kohde C");
    script.then(Script::button(QMessageBox::No));
    window.cmdUusi.fireClick();
    EXPECT_EQ(title(), Title + " *");
    EXPECT_EQ(m.TitleLine1, "");
    EXPECT_TRUE(script.done());
    EXPECT_EQ(script.texts.back(), "Save the results?");
    EXPECT_TRUE(script.unexpected.empty()) << script.unexpected.front();
    window.unload();
}

// The work folder is this copy's own, in the user's application data
// folder, which keeps the error log; removed while the program runs, it is
// made again by the next Calculate.
TEST_F(SavingQt, TheWorkFolderIsTheCopysOwnAndComesBackAtTheNextCalculate) {
    const std::string shared = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString() + "/";
    EXPECT_EQ(shared.rfind(xdg.dataPath(), 0), 0u) << shared;
    window.show();
    const fs::path work = fs::path(m.WorkPath).parent_path();
    EXPECT_EQ(work.parent_path().string() + "/", shared);
    EXPECT_EQ(work.filename().string().rfind("work-" + std::to_string(getpid()) + "-", 0), 0u) << m.WorkPath;
    EXPECT_EQ(m.LogPath, shared);
    window.RunCalculation();
    ASSERT_EQ(m.ResultsValid, -1);

    fs::remove_all(work);
    typeTitle("Kohde D");
    window.RunCalculation();
    EXPECT_EQ(m.ResultsValid, -1) << "the calculation after the work folder was removed";
    EXPECT_EQ(m.WorkPath, work.string() + "/");
    for (const char* name : {"quortmp.dat", "quor.tu1"}) EXPECT_TRUE(fs::is_regular_file(work / name)) << name;

    // Replaced by a link to a folder of the user's holding a quor.tu1 of
    // its own: Calculate writes nothing there, but into a new folder.
    const fs::path mine = xdg.path() / "omat";
    fs::create_directories(mine);
    quorvel::testing::writeBytes(mine / "quor.tu1", "the user's");
    fs::remove_all(work);
    fs::create_directory_symlink(mine, work);
    typeTitle("Kohde E");
    window.RunCalculation();
    EXPECT_EQ(m.ResultsValid, -1) << "the calculation after the work folder was replaced by a link";
    EXPECT_NE(m.WorkPath, work.string() + "/");
    EXPECT_TRUE(fs::is_regular_file(fs::path(m.WorkPath) / "quor.tu1"));
    EXPECT_EQ(quorvel::testing::readBytes(mine / "quor.tu1"), "the user's");
    EXPECT_EQ(std::distance(fs::directory_iterator(mine), fs::directory_iterator()), 1) << "only the user's file";
    EXPECT_TRUE(fs::is_symlink(work));
    window.unload();
}

// --- a read-only installation ---

// Every file of a folder with its bytes.
std::map<std::string, std::string> contents(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), folder).string()] = quorvel::testing::readBytes(entry.path());
    return files;
}

void makeReadOnly(const fs::path& folder, bool readOnly) {
    using fs::perms;
    for (const auto& entry : fs::directory_iterator(folder))
        fs::permissions(entry.path(), readOnly ? perms::owner_read | perms::group_read | perms::others_read
                                               : perms::owner_read | perms::owner_write);
    fs::permissions(folder, readOnly ? perms::owner_read | perms::owner_exec | perms::group_read |
                                           perms::group_exec | perms::others_read | perms::others_exec
                                     : perms::owner_all);
}

// The program and its data folder read-only, as under /usr or /opt: start,
// calculate, the report in the viewer, printed to PDF, input and results
// saved into a writable folder. The program folder holds the same files
// with the same bytes afterwards. Permissions stop writes only for a user
// other than the superuser: for the superuser the unchanged folder is the
// check, and the same test runs again as the user "nobody" in a child
// process.
TEST_F(SavingQt, AReadOnlyInstallationCalculatesReportsPrintsAndSaves) {
    const bool superuser = geteuid() == 0;
    const auto before = contents(program.path());
    makeReadOnly(program.path(), true);
    session.setPrintFile(documents.file("raportti.pdf"));
    window.show();
    ASSERT_NE(m.WorkPath.rfind(xdg.dataPath(), 0), std::string::npos) << m.WorkPath;

    window.RunCalculation();
    EXPECT_EQ(m.ResultsValid, -1) << "the calculation did not complete";
    script.then(Script::press("Poistu"));
    window.ShowReportText();
    window.PrintReport();
    EXPECT_GT(fs::file_size(documents.file("raportti.pdf")), 1000u);
    script.then(script.type(documents.file("kohde")));
    window.SaveInputFileAs();
    script.then(script.type(documents.file("kohde")));
    window.SaveResultsFileAs();
    EXPECT_TRUE(fs::is_regular_file(documents.file("kohde.dat")));
    EXPECT_GT(fs::file_size(documents.file("kohde.tul")), 1000u);
    if (!superuser) {
        // A save into the program's folder says why it failed.
        script.then(script.type(program.file("kohde.dat")));
        script.then(Script::key(Qt::Key_Return));
        window.SaveInputFileAs();
        ASSERT_FALSE(script.texts.empty());
        EXPECT_EQ(script.texts.back(),
                  "Tiedostoa " + program.file("kohde.dat") + " ei voitu tallentaa: kansioon ei voi kirjoittaa.");
        EXPECT_EQ(m.InputFilePath, documents.file("kohde.dat"));
    }
    EXPECT_TRUE(script.done());
    EXPECT_TRUE(script.unexpected.empty()) << script.unexpected.front();
    for (const char* name : {"quortmp.dat", "quor.tu1", "quor01.tmp"})
        EXPECT_TRUE(fs::is_regular_file(m.WorkPath + name)) << name;
    window.unload();
    makeReadOnly(program.path(), false);
    EXPECT_EQ(contents(program.path()), before);

    if (!superuser || quorvel::testing::runningAsOtherUser()) return;
    std::string failure;
    const auto status = quorvel::testing::runAsNobody("SavingQt.AReadOnlyInstallation*", failure);
    ASSERT_TRUE(status) << failure;
    EXPECT_EQ(*status, 0) << "the read-only installation failed as the user nobody";
}

}  // namespace
}  // namespace quorvel::app
