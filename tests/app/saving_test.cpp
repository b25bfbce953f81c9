// Work is never lost, headless: the save questions of quitting can be
// cancelled; Save As adds the extension and asks before it replaces a
// file; a failed save says which file and why; the file dialogs open where
// the user's files are; the program writes its own files only into the
// work folder; the title shows the version, the project and its unsaved
// changes, and the report header the same version.

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <optional>
#include <regex>

#include "app/frm_about.h"
#include "app/frm_quorvel.h"
#include "app/fileview.h"
#include "main_window_fixture.h"
#include "platform/headless/headless_platform.h"
#include "support/as_other_user.h"
#include "platform/print_layout.h"
#include "support/no_wait.h"
#include "test_files.h"

namespace quorvel::app {
namespace {

namespace fs = std::filesystem;
using platform::Answer;
using platform::Buttons;
using platform::Icon;
using platform::ProgramEnded;
using testing::TempFolder;

const std::string VersionText = "Versio " QUORVEL_VERSION " /EC 17.03.2017";
const std::string Title = "Quorvel  " QUORVEL_VERSION " /EC 17.03.2017";

// Every file of a folder with its bytes.
std::map<std::string, std::string> contents(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), folder).string()] = quorvel::testing::readBytes(entry.path());
    return files;
}

// The program started as a user starts it: a program folder holding the
// delivered data folder, a work folder and a home folder of its own, the
// about window closed with OK.
class Session : public ::testing::Test {
protected:
    void SetUp() override {
        for (const auto& entry : fs::directory_iterator(quorvel::testing::sourceFolder() + "/data"))
            fs::copy_file(entry.path(), program.path() / entry.path().filename());
        ui.setProgramFolder(program.dataPath());
        ui.setWorkFolder(work.dataPath());
        ui.setHomeFolder(home.dataPath());
    }
    void start() {
        ui.onModal("frmAbout", [&](platform::Form& about) {
            aboutVersion = static_cast<frmAbout&>(about).txtVersio.caption();
            ui.click(static_cast<frmAbout&>(about).cmdOK);
        });
        w.show();
    }
    void saveAs(const std::string& path, platform::Menu& command) {
        ui.answerFileDialog(path);
        ui.click(command);
    }
    void calculate() {
        ui.click(w.cmdLaske0);
        ASSERT_EQ(m.ResultsValid, -1);
    }
    std::string lastDialogFolder() const { return ui.fileDialogs().back().request.initialFolder; }

    TempFolder program, work, home, documents;
    platform::HeadlessPlatform ui;
    model::ProjectModel m;
    frmQuorvel w{m, ui};
    std::string aboutVersion;
};

// Cancel, Escape and the box's close button all answer Cancel: the program
// stays with the edit; only No to both questions (or saves) ends it.
TEST_F(Session, TheQuitQuestionsCanBeCancelled) {
    start();
    calculate();  // results not saved, which a title edit keeps
    struct Row {
        std::optional<Answer> input, results;
        bool ends;
    };
    for (const Row& row : {Row{Answer::Cancel, std::nullopt, false}, Row{Answer::No, Answer::Cancel, false},
                           Row{Answer::No, Answer::No, true}}) {
        ui.typeOver(w.txtOtsikko1, "Kohde A");
        ui.expectMessage("Tallennetaanko lähtötiedot?", ui.applicationTitle(), Buttons::YesNoCancel, Icon::None,
                         row.input);
        if (row.results)
            ui.expectMessage("Tallennetaanko tulostiedot?", ui.applicationTitle(), Buttons::YesNoCancel,
                             Icon::None, row.results);
        if (row.ends) {
            EXPECT_THROW(ui.click(w.cmdLopeta), ProgramEnded);
        } else {
            ui.click(w.cmdLopeta);
            EXPECT_FALSE(ui.programEnded());
            EXPECT_TRUE(w.isLoaded());
            EXPECT_EQ(m.TitleLine1, "Kohde A");
            EXPECT_EQ(m.InputChanged, -1);
            // The window's close button asks the same; Cancel keeps it open.
            ui.expectMessage("Tallennetaanko lähtötiedot?", ui.applicationTitle(), Buttons::YesNoCancel,
                             Icon::None, Answer::Cancel);
            EXPECT_FALSE(ui.closeByFrame(w));
            EXPECT_TRUE(w.isLoaded());
        }
        ui.verify();
    }
}

// A menu command (or its shortcut) takes no focus: the box being typed in
// is checked first, as leaving it would check it. A refused value stops
// the command, so that no file is saved the program would refuse to open
// and nothing is calculated; an accepted one is the value the command uses.
// Closing the window by its frame checks the box alike.
TEST_F(Session, AMenuCommandChecksTheBoxBeingTypedInFirst) {
    start();
    const std::string saved = documents.file("p.dat");
    struct Row {
        platform::Menu* command;
        const char* typed;
        const char* message;  // none: accepted
    };
    for (const Row& row : {Row{&w.cmdTallennalahtoNimella, "-5", "Syöte -5 ei arvoalueella .*"},
                           Row{&w.cmdTallennalahto, "139", "Syöte 139 ei arvoalueella .*"},
                           Row{&w.cmdLaske0, "-5", "Syöte -5 ei arvoalueella .*"},
                           Row{&w.cmdUusi, "", "Tyhjä kenttä ei kelpaa .*"},
                           Row{&w.cmdTallennalahtoNimella, "3", nullptr}}) {
        SCOPED_TRACE(std::string(row.command->name()) + " " + row.typed);
        const auto dialogs = ui.fileDialogs().size();
        ui.typeOver(w.txtVasenlaatastopysyva, row.typed);
        if (!*row.typed) ui.backspace(w.txtVasenlaatastopysyva);  // the selected text deleted
        const bool refused = row.message != nullptr;
        if (refused) {
            ui.expectMessageMatching(std::string("Pysyvä hyötykuorma, vasen: ") + row.message, "Lukuarvovirhe",
                                     Buttons::Ok, Icon::Exclamation);
        } else {
            ui.answerFileDialog(saved);
        }
        ui.click(*row.command);
        ui.verify();
        if (refused) {
            EXPECT_EQ(ui.fileDialogs().size(), dialogs);
            EXPECT_EQ(m.ResultsValid, 0);
            EXPECT_EQ(m.SlabImposedLoadPermanent(1).number(), 0.5);
            EXPECT_EQ(w.txtVasenlaatastopysyva.text(), "0.5");
            EXPECT_EQ(w.activeControl(), &w.txtVasenlaatastopysyva);
        } else {
            // The left side's topping load, permanent and variable load.
            EXPECT_NE(quorvel::testing::readBytes(saved).find(" 0 3 2.5"), std::string::npos);
        }
    }
    ui.typeOver(w.txtVasenlaatastopysyva, "-5");
    ui.expectMessageMatching("Pysyvä hyötykuorma, vasen: Syöte -5 .*", "Lukuarvovirhe", Buttons::Ok,
                             Icon::Exclamation);
    EXPECT_FALSE(ui.closeByFrame(w));
    ui.verify();
    EXPECT_TRUE(w.isLoaded());
    EXPECT_EQ(m.SlabImposedLoadPermanent(1).number(), 3.0);
}

// A name typed without an extension gets the one of its kind; another
// extension is kept. An existing file of the completed name is replaced
// only after Yes.
TEST_F(Session, SaveAsAddsTheExtensionAndAsksBeforeReplacing) {
    start();
    calculate();
    struct Row {
        platform::Menu* command;
        const char* typed;
        const char* written;
    };
    for (const Row& row : {Row{&w.cmdTallennalahtoNimella, "ti_middle", "ti_middle.dat"},
                           Row{&w.cmdTallennatuloksetNimella, "tulokset", "tulokset.tul"},
                           Row{&w.cmdTallennalahtoNimella, "kohde.txt", "kohde.txt"}}) {
        SCOPED_TRACE(row.typed);
        saveAs(documents.file(row.typed), *row.command);
        EXPECT_TRUE(fs::is_regular_file(documents.file(row.written)));
        if (std::string(row.typed) != row.written) {
            EXPECT_FALSE(fs::exists(documents.file(row.typed)));
        }
    }
    EXPECT_EQ(m.InputFilePath, documents.file("kohde.txt"));

    documents.writeRaw("ti_middle.dat", "old");
    const std::string question = "Tiedosto " + documents.file("ti_middle.dat") + " on jo olemassa.\r\nKorvataanko se?";
    ui.expectMessage(question, ui.applicationTitle(), Buttons::YesNo, Icon::Exclamation, Answer::No);
    saveAs(documents.file("ti_middle"), w.cmdTallennalahtoNimella);
    EXPECT_EQ(documents.read("ti_middle.dat"), "old");
    EXPECT_EQ(m.InputFilePath, documents.file("kohde.txt"));

    ui.expectMessage(question, ui.applicationTitle(), Buttons::YesNo, Icon::Exclamation, Answer::Yes);
    saveAs(documents.file("ti_middle"), w.cmdTallennalahtoNimella);
    EXPECT_EQ(documents.read("ti_middle.dat"), documents.read("kohde.txt"));
    EXPECT_EQ(m.InputFilePath, documents.file("ti_middle.dat"));

    // English windows ask in English.
    ui.click(w.cmdEnglanti);
    documents.writeRaw("tulokset.tul", "old");
    ui.expectMessage("The file " + documents.file("tulokset.tul") + " already exists.\r\nReplace it?",
                     ui.applicationTitle(), Buttons::YesNo, Icon::Exclamation, Answer::No);
    saveAs(documents.file("tulokset"), w.cmdTallennatuloksetNimella);
    EXPECT_EQ(documents.read("tulokset.tul"), "old");
}

// One extension rule for every name a save dialog gives: points at the
// end stand for no extension, a name that ends in the kind's extension
// (".tul" too) or has another is kept, any other gets the kind's. A folder is refused as a
// folder of the completed name is, and counts nothing as saved; a long
// name the folder takes is saved (its temporary name stays within the
// file system's 255 bytes), one longer than that is refused as too long.
TEST_F(Session, SaveAsNamesFollowOneRuleAndLongNamesAreSavedOrRefused) {
    start();
    calculate();
    fs::create_directory(documents.path() / "kansio");
    const std::string long250(250, 'x');
    const std::string long252(252, 'y');
    struct Row {
        platform::Menu* command;
        std::string typed;
        std::string written;  // empty: refused with the message
        std::string says;
    };
    const Row rows[] = {
        {&w.cmdTallennatuloksetNimella, "res.", "res.tul", ""},
        {&w.cmdTallennatuloksetNimella, ".tul", ".tul", ""},
        {&w.cmdTallennatuloksetNimella, "RAPORTTI.TUL", "RAPORTTI.TUL", ""},
        {&w.cmdTallennatuloksetNimella, "raportti.TUL.", "raportti.TUL", ""},
        {&w.cmdTallennalahtoNimella, "kohde.", "kohde.dat", ""},
        {&w.cmdTallennalahtoNimella, "kohde2.dat", "kohde2.dat", ""},
        {&w.cmdTallennatuloksetNimella, "kansio/", "", "samanniminen kansio on jo olemassa"},
        {&w.cmdTallennalahtoNimella, "kansio/", "", "samanniminen kansio on jo olemassa"},
        {&w.cmdTallennatuloksetNimella, long250, long250 + ".tul", ""},
        {&w.cmdTallennalahtoNimella, long250 + ".dat", long250 + ".dat", ""},
        {&w.cmdTallennatuloksetNimella, long252, "", "nimi on liian pitkä"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed.substr(0, 20) + " (" + std::to_string(row.typed.size()) + " bytes)");
        const bool results = row.command == &w.cmdTallennatuloksetNimella;
        m.ResultsSaved = 0;
        m.InputSaved = 0;
        const auto before = contents(documents.path());
        const std::size_t count = ui.messages().size();
        if (!row.written.empty()) {
            saveAs(documents.file(row.typed), *row.command);
            EXPECT_EQ(ui.messages().size(), count) << ui.messages().back().text;
            EXPECT_TRUE(fs::is_regular_file(documents.file(row.written)));
            EXPECT_EQ(results ? m.ResultsFilePath : m.InputFilePath, documents.file(row.written));
            EXPECT_EQ(results ? m.ResultsSaved : m.InputSaved, -1);
            EXPECT_EQ(contents(documents.path()).size(), before.size() + 1) << "one file, no temporary left";
            continue;
        }
        const std::string shownName =
            row.typed.back() == '/' ? documents.file(row.typed) : documents.file(row.typed) + ".tul";
        ui.expectMessage("Tiedostoa " + shownName + " ei voitu tallentaa: " + row.says + ".", ui.applicationTitle(),
                         Buttons::Ok, Icon::Exclamation);
        saveAs(documents.file(row.typed), *row.command);
        ui.verify();
        EXPECT_EQ(results ? m.ResultsSaved : m.InputSaved, 0);
        EXPECT_EQ(contents(documents.path()), before) << "nothing written";
    }
}

// A save onto a link writes the file the link points to, with that file's
// permissions; the link stays.
TEST_F(Session, ASaveOntoALinkWritesTheLinkedFileAndKeepsItsPermissions) {
    start();
    fs::create_directory(documents.path() / "real");
    documents.writeRaw("real/kohde.dat", "old");
    fs::permissions(documents.path() / "real/kohde.dat", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("real/kohde.dat", documents.path() / "kohde.dat");
    ui.typeOver(w.txtOtsikko1, "Linkin kautta");
    saveAs(documents.file("kohde.dat"), w.cmdTallennalahtoNimella);
    EXPECT_EQ(m.InputSaved, -1);
    EXPECT_TRUE(fs::is_symlink(documents.path() / "kohde.dat"));
    EXPECT_NE(documents.read("real/kohde.dat").find("Linkin kautta"), std::string::npos);
    EXPECT_EQ(fs::status(documents.path() / "real/kohde.dat").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

// The message of a failed save names the file and the reason in the
// window's language; the project keeps its name and counts as unsaved.
TEST_F(Session, AFailedSaveNamesTheFileAndTheReason) {
    start();
    fs::create_directory(documents.path() / "kansio.dat");
    const bool full = fs::exists("/dev/full");
    if (full) fs::create_symlink("/dev/full", documents.path() / "taysi.dat");
    struct Row {
        const char* name;
        int16_t language;
        const char* says;
    };
    for (const Row& row : {Row{"puuttuu/kohde.dat", 0, "kansiota ei ole"},
                           Row{"puuttuu/kohde.dat", 1, "the folder does not exist"},
                           Row{"kansio.dat", 0, "samanniminen kansio on jo olemassa"},
                           Row{"taysi.dat", 0, "levy on täynnä"}, Row{"taysi.dat", 1, "the disk is full"}}) {
        if (std::string(row.name) == "taysi.dat" && !full) continue;
        SCOPED_TRACE(row.name);
        ui.click(row.language == 1 ? w.cmdEnglanti : w.cmdSuomi);
        const std::string path = documents.file(row.name);
        ui.expectMessage(row.language == 1 ? "The file " + path + " could not be saved: " + row.says + "."
                                           : "Tiedostoa " + path + " ei voitu tallentaa: " + row.says + ".",
                         ui.applicationTitle(), Buttons::Ok, Icon::Exclamation);
        saveAs(path, w.cmdTallennalahtoNimella);
        EXPECT_EQ(m.InputSaved, 0);
        EXPECT_TRUE(m.InputFilePath.empty());
        ui.verify();
    }
}

// The current project's folder, else the folder last used (kept in the
// settings), else the home folder.
TEST_F(Session, FileDialogsOpenWhereTheUsersFilesAre) {
    start();
    ui.answerFileDialog(std::nullopt);
    testing::declineSaveQuestions(ui, m);
    ui.click(w.cmdAvaalahto);
    EXPECT_EQ(lastDialogFolder(), home.dataPath());
    ui.saveSetting("Quorvel835", "Settings", "Tiedostokansio", documents.file("poistettu"));
    ui.answerFileDialog(std::nullopt);
    ui.click(w.cmdTallennalahtoNimella);
    EXPECT_EQ(lastDialogFolder(), home.dataPath()) << "a stored folder that is gone";

    fs::create_directory(documents.path() / "a");
    saveAs(documents.file("a/kohde.dat"), w.cmdTallennalahtoNimella);
    EXPECT_EQ(ui.getSetting("Quorvel835", "Settings", "Tiedostokansio", ""), documents.dataPath() + "a/");
    ui.answerFileDialog(std::nullopt);
    ui.click(w.cmdTallennalahtoNimella);
    EXPECT_EQ(lastDialogFolder(), documents.dataPath() + "a/") << "the project's folder";

    testing::declineSaveQuestions(ui, m);
    ui.click(w.cmdUusi);  // no project file: the folder last used
    ui.answerFileDialog(std::nullopt);
    testing::declineSaveQuestions(ui, m);
    ui.click(w.cmdAvaalahto);
    EXPECT_EQ(lastDialogFolder(), documents.dataPath() + "a/");

    // A project opened from elsewhere: its folder, also for the results,
    // and the folder is remembered.
    fs::create_directory(documents.path() / "b");
    fs::copy_file(QUORVEL_FIXTURES_DIR "/inputfiles/concrete_middle_beam.dat", documents.path() / "b/p.dat");
    ui.setStrict(false);
    ui.answerFileDialog(documents.file("b/p.dat"));
    testing::declineSaveQuestions(ui, m);
    ui.click(w.cmdAvaalahto);
    ASSERT_EQ(m.InputFilePath, documents.file("b/p.dat"));
    EXPECT_EQ(ui.getSetting("Quorvel835", "Settings", "Tiedostokansio", ""), documents.dataPath() + "b/");
    calculate();
    ui.answerFileDialog(std::nullopt);
    ui.click(w.cmdTallennatuloksetNimella);
    EXPECT_EQ(lastDialogFolder(), documents.dataPath() + "b/");
}

// The title keeps the version, names the project's file and marks changes
// not saved, through saves, edits, a language switch, a new project and an
// open (an opened project counts as changed, as the quit question does).
TEST_F(Session, TheTitleShowsTheProjectAndItsUnsavedChanges) {
    start();
    EXPECT_EQ(w.caption(), Title);
    struct Step {
        const char* what;
        std::function<void()> act;
        std::string title;
    };
    const std::string file = documents.file("kohde.dat");
    const Step steps[] = {
        {"edit", [&] { ui.typeOver(w.txtOtsikko1, "Kohde"); }, Title + " *"},
        {"save as", [&] { saveAs(file, w.cmdTallennalahtoNimella); }, Title + " - kohde.dat"},
        {"edit", [&] { ui.typeOver(w.txtOtsikko2, "Muutos"); }, Title + " - kohde.dat *"},
        {"English", [&] { ui.click(w.cmdEnglanti); }, Title + " - kohde.dat *"},
        {"save", [&] { ui.click(w.cmdTallennalahto); }, Title + " - kohde.dat"},
        {"Finnish", [&] { ui.click(w.cmdSuomi); }, Title + " - kohde.dat"},
        {"new", [&] { testing::declineSaveQuestions(ui, m); ui.click(w.cmdUusi); }, Title + " *"},
        {"open", [&] { ui.answerFileDialog(file); testing::declineSaveQuestions(ui, m); ui.click(w.cmdAvaalahto); }, Title + " - kohde.dat *"},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(w.caption(), step.title) << "after " << step.what;
    }
}

// A named pipe, a socket or a folder as the project to open or as the name
// to save the project or the results under is refused at once with one
// message that says what the name is; nothing waits for another program.
TEST_F(Session, PipesSocketsAndFoldersAreRefusedAtOnceWithOneMessage) {
    start();
    calculate();
    const std::string pipe = documents.file("putki.dat");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    documents.file("pistoke.dat").copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    fs::create_directory(documents.path() / "kansio.dat");
    const std::string notAFile = "nimi kuuluu nimetylle putkelle, pistokkeelle tai laitteelle, ei tiedostolle";
    struct Row {
        const char* name;
        const char* opening;  // what the name is, as the message of opening says it
        std::string saving;   // why the save failed
    } rows[] = {{"putki.dat", "nimetty putki", notAFile},
                {"pistoke.dat", "pistoke", notAFile},
                {"kansio.dat", "kansio", "samanniminen kansio on jo olemassa"}};
    ui.setStrict(false);  // the messages are matched below
    for (const Row& row : rows) {
        const std::string path = documents.file(row.name);
        for (platform::Menu* command : {&w.cmdAvaalahto, &w.cmdTallennalahtoNimella, &w.cmdTallennatuloksetNimella}) {
            SCOPED_TRACE(std::string(row.name) + " " + command->name());
            ui.clearMessages();
            ui.answerFileDialog(path);
            EXPECT_TRUE(quorvel::testing::returnsWithoutWaitingOn(pipe, [&] { ui.click(*command); }))
                << "waited " << quorvel::testing::PipeWaitSeconds << " s for the command on " << row.name;
            ASSERT_EQ(ui.messages().size(), 1u);
            EXPECT_EQ(ui.messages()[0].text,
                      command == &w.cmdAvaalahto
                          ? "Tiedostoa " + path + " ei voi avata.\r\nSe ei ole tiedosto vaan " + row.opening +
                                ".\r\nIkkunan projekti säilyy ennallaan."
                          : "Tiedostoa " + path + " ei voitu tallentaa: " + row.saving + ".");
        }
    }
    // Printing to a PDF file of those names is refused as the save is, and
    // so is a device (which a save writes in place); a file or a new name
    // is printed to.
    fs::create_symlink(pipe, documents.path() / "linkki.pdf");
    documents.writeRaw("vanha.pdf", "old");
    const std::pair<std::string, std::optional<std::string>> printTargets[] = {
        {pipe, notAFile},
        {documents.file("pistoke.dat"), notAFile},
        {documents.file("kansio.dat"), "samanniminen kansio on jo olemassa"},
        {documents.file("linkki.pdf"), notAFile},
        {"/dev/null", notAFile},
        {documents.file("vanha.pdf"), std::nullopt},
        {documents.file("uusi.pdf"), std::nullopt},
    };
    for (const auto& [target, reason] : printTargets)
        EXPECT_EQ(platform::printFileRefusal(target, false),
                  reason ? std::optional("Tiedostoon " + target + " ei voi tulostaa: " + *reason + ".") : std::nullopt)
            << target;
    close(sock);
    EXPECT_TRUE(m.InputFilePath.empty());
    EXPECT_TRUE(m.ResultsFilePath.empty());
    EXPECT_TRUE(fs::is_fifo(pipe));
}

// A project only its owner may read stays so when saved again, and the
// temporary file an interrupted save of it left (readable by others, as
// earlier versions made them) is removed by that save.
TEST_F(Session, APrivateProjectStaysPrivateAndWhatAnInterruptedSaveLeftGoes) {
    start();
    documents.writeRaw("kohde.dat", "old");
    fs::permissions(documents.path() / "kohde.dat", fs::perms::owner_read | fs::perms::owner_write);
    documents.writeRaw(".kohde.dat.0123456789abcdef.tmp", "half of an interrupted save");
    documents.writeRaw(".kohde.dat.417093-3.tmp", "half of an interrupted save");
    ui.typeOver(w.txtOtsikko1, "Yksityinen");
    saveAs(documents.file("kohde.dat"), w.cmdTallennalahtoNimella);
    EXPECT_EQ(m.InputSaved, -1);
    EXPECT_NE(documents.read("kohde.dat").find("Yksityinen"), std::string::npos);
    EXPECT_EQ(fs::status(documents.path() / "kohde.dat").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(contents(documents.path()).size(), 1u) << "the temporaries of interrupted saves";
}

// The work folder removed while the program runs is made again by the next
// Calculate; the slab catalogue removed and put back under another letter
// case is found again by the next Calculate.
TEST_F(Session, AWorkFolderAndACatalogueThatComeBackAreUsedAtTheNextCalculate) {
    start();
    calculate();
    fs::remove_all(work.path());
    calculate();
    for (const char* name : {"quortmp.dat", "quor.tu1"}) EXPECT_TRUE(fs::is_regular_file(work.path() / name)) << name;

    const auto catalogue = runtime::findFileIgnoringCase(program.dataPath(), m.SlabFileName);
    ASSERT_TRUE(catalogue);
    fs::rename(*catalogue, program.path() / "poissa");
    ui.setStrict(false);
    ui.click(w.cmdLaske0);
    EXPECT_EQ(m.ResultsValid, 0) << "calculated without its catalogue";
    EXPECT_EQ(ui.messages().size(), 1u);
    std::string otherCase = fs::path(*catalogue).filename().string();
    for (char& c : otherCase) c = static_cast<char>(std::islower(c) ? std::toupper(c) : std::tolower(c));

    fs::rename(program.path() / "poissa", program.path() / otherCase);
    ui.clearMessages();
    calculate();
    EXPECT_TRUE(ui.messages().empty()) << ui.messages()[0].text;
}

// One version: the about window, the title and the report header show the
// text the build gives.
TEST_F(Session, TheAboutWindowTitleAndReportShowTheBuildsVersion) {
    start();
    EXPECT_EQ(aboutVersion, VersionText);
    EXPECT_EQ(w.caption(), Title);
    calculate();
    ui.onModal("Fileview", [&](platform::Form& view) { static_cast<Fileview&>(view).cmdPoistu.press(); });
    ui.click(w.cmdTeksti);
    runtime::TextFileReader report(m.ViewFileName);
    report.readLine(), report.readLine();
    EXPECT_EQ(report.readLine(), "Ohjelma       " + VersionText);
}

// Calculating, the report, printing and saving write nothing into the
// program's folder (which is the data folder): the work files go to the
// work folder, the saved files where the user chose.
TEST_F(Session, TheProgramWritesItsOwnFilesOnlyIntoTheWorkFolder) {
    work.write("quor01.tmp", {"a report left over"});
    const auto before = contents(program.path());
    start();
    EXPECT_FALSE(fs::exists(work.path() / "quor01.tmp")) << "left over from an earlier run";
    EXPECT_EQ(m.DataPath, program.dataPath());
    ui.setStrict(false);
    calculate();
    ui.onModal("Fileview", [&](platform::Form& view) { static_cast<Fileview&>(view).cmdPoistu.press(); });
    ui.click(w.cmdTeksti);
    ui.click(w.cmdTulosta);
    EXPECT_EQ(ui.printJobs().size(), 1u);
    saveAs(documents.file("kohde"), w.cmdTallennalahtoNimella);
    saveAs(documents.file("kohde"), w.cmdTallennatuloksetNimella);
    EXPECT_TRUE(fs::exists(documents.path() / "kohde.dat"));
    EXPECT_TRUE(fs::exists(documents.path() / "kohde.tul"));
    for (const char* name : {"quortmp.dat", "quor.tu1", "quor01.tmp"})
        EXPECT_TRUE(fs::is_regular_file(work.path() / name)) << name;
    EXPECT_EQ(contents(program.path()), before);
}

// Another copy of the program, started as Session starts its own, with a
// work folder of its own.
struct Copy {
    Copy(const TempFolder& program, const TempFolder& home) {
        ui.setProgramFolder(program.dataPath());
        ui.setWorkFolder(work.dataPath());
        ui.setHomeFolder(home.dataPath());
        ui.onModal("frmAbout", [&](platform::Form& about) { ui.click(static_cast<frmAbout&>(about).cmdOK); });
        w.show();
    }
    void open(const std::string& file) {
        ui.answerFileDialog(file);
        ui.click(w.cmdAvaalahto);
        ASSERT_EQ(m.InputFilePath, file);
    }
    TempFolder work;
    platform::HeadlessPlatform ui;
    model::ProjectModel m;
    frmQuorvel w{m, ui};
};

// Two copies open one project; B types a title and saves, then A changes a
// load and saves. A is asked before B's save is replaced, with a button for
// each choice in the window's language: Cancel (and Escape) keeps B's file,
// Replace replaces it, Save as... (and Enter) goes to Save as. A file deleted since is made
// again without a question; the same bytes saved again are no change. The
// results file is checked as the project file is.
TEST_F(Session, ASaveAsksBeforeReplacingWhatAnotherCopySavedSince) {
    enum Choice { None, Replace, SaveAs, Cancel, Enter, Escape };
    struct Row {
        Choice answer;  // None: no question
        bool english = false;
        bool deleted = false;      // B deletes the file instead of saving it
        bool sameBytes = false;    // B saves the file as it was
        bool aLast = true;         // the file then holds A's save (else B's)
    };
    const Row rows[] = {{Cancel, false, false, false, false}, {Replace},
                        {SaveAs, false, false, false, false}, {Replace, true},
                        {Enter, true, false, false, false},   {Escape, true, false, false, false},
                        {None, false, true},                  {None, false, false, true}};
    int n = 0;
    for (const Row& row : rows) {
        const std::string file = documents.file("yhteinen" + std::to_string(++n) + ".dat");
        SCOPED_TRACE(file);
        {
            Copy maker(program, home);
            maker.ui.answerFileDialog(file);
            maker.ui.click(maker.w.cmdTallennalahtoNimella);
        }
        Copy a(program, home), b(program, home);
        a.open(file);
        b.open(file);
        if (row.english) a.ui.click(a.w.cmdEnglanti);
        if (row.deleted) {
            fs::remove(file);
        } else {
            if (!row.sameBytes) b.ui.typeOver(b.w.txtOtsikko1, "KohdeB");
            b.ui.setStrict(true);
            b.ui.click(b.w.cmdTallennalahto);
            EXPECT_TRUE(b.ui.messages().empty()) << "B's own save is asked nothing";
        }
        a.ui.typeOver(a.w.txtVasenlaatastopysyva, "2.75");
        a.ui.setStrict(true);
        const std::vector<std::string> captions = row.english
                                                      ? std::vector<std::string>{"Replace", "Save as...", "Cancel"}
                                                      : std::vector<std::string>{"Korvaa", "Tallenna nimellä...", "Peruuta"};
        if (row.answer == Enter) a.ui.setStrict(false);  // an unscripted box takes its Enter button
        if (row.answer == Escape) a.ui.escapeNext();
        if (row.answer >= Replace && row.answer <= Cancel)
            a.ui.expectChoice(row.english ? "The file " + file +
                                                " was changed by another program since it was opened: replace it?"
                                          : "Tiedostoa " + file +
                                                " on muutettu toisella ohjelmalla sen jälkeen, kun se avattiin: "
                                                "korvataanko se?",
                              a.ui.applicationTitle(), captions, Icon::Exclamation, captions[row.answer - Replace]);
        const bool savedAs = row.answer == SaveAs || row.answer == Enter;
        const bool cancelled = row.answer == Cancel || row.answer == Escape;
        const std::string other = documents.file("muu" + std::to_string(n) + ".dat");
        if (savedAs) a.ui.answerFileDialog(other);
        const auto dialogs = a.ui.fileDialogs().size();
        a.ui.click(a.w.cmdTallennalahto);
        a.ui.verify();
        const std::string bytes = quorvel::testing::readBytes(file);
        EXPECT_EQ(bytes.find("2.75") != std::string::npos, row.aLast);
        EXPECT_EQ(bytes.find("KohdeB") != std::string::npos, !row.aLast && !row.sameBytes);
        if (row.answer != None) {
            ASSERT_FALSE(a.ui.messages().empty());
            EXPECT_EQ(a.ui.messages().back().captions, captions);
        }
        EXPECT_EQ(a.m.InputSaved, cancelled ? 0 : -1);
        if (savedAs) {
            ASSERT_EQ(a.ui.fileDialogs().size(), dialogs + 1);
            EXPECT_TRUE(a.ui.fileDialogs().back().save);
            EXPECT_NE(quorvel::testing::readBytes(other).find("2.75"), std::string::npos);
            EXPECT_EQ(a.m.InputFilePath, other);
        }
        if (row.answer == Replace) {
            // A's own file now: its next save is asked nothing.
            a.ui.typeOver(a.w.txtVasenlaatastopysyva, "2.5");
            a.ui.click(a.w.cmdTallennalahto);
            a.ui.verify();
            EXPECT_EQ(a.m.InputSaved, -1);
        }
    }

    // The results file: A saves it, B saves its own under the same name,
    // A saves again and is asked.
    Copy a(program, home), b(program, home);
    const std::string results = documents.file("tulokset.tul");
    for (Copy* copy : {&a, &b}) {
        copy->ui.click(copy->w.cmdLaske0);
        ASSERT_EQ(copy->m.ResultsValid, -1);
        copy->ui.answerFileDialog(results);
        copy->ui.click(copy->w.cmdTallennatuloksetNimella);
        ASSERT_EQ(copy->m.ResultsSaved, -1);
    }
    const std::string bs = quorvel::testing::readBytes(results);
    // The two reports are alike (one project, the test's clock): B's
    // differs by a line added after it was saved.
    quorvel::testing::writeBytes(results, bs + "B\r\n");
    a.m.ResultsSaved = 0;
    a.ui.expectChoice("Tiedostoa " + results + " on muutettu toisella ohjelmalla sen jälkeen, kun se viimeksi "
                      "tallennettiin tästä ohjelmasta: korvataanko se?",
                      a.ui.applicationTitle(), {"Korvaa", "Tallenna nimellä...", "Peruuta"}, Icon::Exclamation,
                      "Peruuta");
    a.ui.click(a.w.cmdTallennatulokset);
    a.ui.verify();
    EXPECT_EQ(quorvel::testing::readBytes(results), bs + "B\r\n");
    EXPECT_EQ(a.m.ResultsSaved, 0);
}

// A save as an ordinary user (the superuser runs it as nobody): a group
// the saved file cannot keep is named after the save; a file the user may
// write in a folder the user may not, and another user's file in a sticky
// folder, are refused with their reason, in the window's language.
TEST_F(Session, ASaveNamesAGroupItCannotKeepAndWhyAFolderStopsIt) {
    constexpr const char* SharedVariable = "QUORVEL_SHARED_FOLDERS";
    struct Row {
        const char* folder;
        mode_t mode;
        int16_t language;
        const char* says;
    };
    const Row rows[] = {
        {"ryhma", 0777, 0,
         "Tiedosto % tallennettiin, mutta sen ryhmää \"staff\" ei voitu säilyttää (et kuulu siihen): tiedosto "
         "kuuluu nyt ryhmään \"nogroup\", eivätkä ryhmän \"staff\" jäsenet ehkä voi enää kirjoittaa sitä."},
        {"suljettu", 0755, 1,
         "The file % could not be saved: the folder is not writable: the file itself is, but a save writes the new "
         "file beside it and puts it in the old one's place (save it under another name in a folder of your own)."},
        {"sticky", 01777, 0,
         "Tiedostoa % ei voitu tallentaa: tiedosto kuuluu toiselle käyttäjälle, ja kansio sallii vain tiedoston "
         "omistajan korvata sen (kansion sticky-bitti on asetettu)."},
    };
    if (geteuid() == 0) {
        for (const Row& row : rows) {
            fs::create_directory(documents.path() / row.folder);
            ASSERT_EQ(chmod(documents.file(row.folder).c_str(), row.mode), 0);
            documents.writeRaw(std::string(row.folder) + "/kohde.dat", "old");
            const std::string file = documents.file(std::string(row.folder) + "/kohde.dat");
            ASSERT_EQ(chown(file.c_str(), 0, 50), 0);  // root:staff
            ASSERT_EQ(chmod(file.c_str(), 0666), 0);
        }
        ASSERT_EQ(chmod(documents.path().c_str(), 0755), 0);
        setenv(SharedVariable, documents.dataPath().c_str(), 1);
        std::string failure;
        const auto status = quorvel::testing::runAsNobody("Session.ASaveNamesAGroupItCannotKeep*", failure);
        unsetenv(SharedVariable);
        ASSERT_TRUE(status) << failure;
        EXPECT_EQ(*status, 0) << "the rows failed as the user nobody";
        struct stat s {};
        ASSERT_EQ(stat(documents.file("ryhma/kohde.dat").c_str(), &s), 0);
        EXPECT_EQ(s.st_gid, 65534u) << "saved by nobody";
        EXPECT_EQ(documents.read("suljettu/kohde.dat"), "old");
        EXPECT_EQ(documents.read("sticky/kohde.dat"), "old");
        return;
    }
    const char* shared = std::getenv(SharedVariable);
    if (!shared) GTEST_SKIP() << "needs the files of another user and group, which only the superuser makes";
    start();
    for (const Row& row : rows) {
        const std::string file = std::string(shared) + row.folder + "/kohde.dat";
        SCOPED_TRACE(file);
        ui.click(row.language == 1 ? w.cmdEnglanti : w.cmdSuomi);
        std::string says = row.says;
        says.replace(says.find('%'), 1, file);
        ui.expectMessage(says, ui.applicationTitle(), Buttons::Ok, Icon::Exclamation);
        saveAs(file, w.cmdTallennalahtoNimella);
        ui.verify();
        EXPECT_EQ(m.InputFilePath == file, std::string(row.folder) == "ryhma");
    }
}

}  // namespace
}  // namespace quorvel::app
