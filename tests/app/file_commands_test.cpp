// The file menu of the main window, headless and end to end: new, open,
// save, save as, save results and quit, the save questions before a
// project is left, damaged, oversized and unshowable project files, text
// fields that would not read back, and saves that fail.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <regex>

#include "app/frm_quorvel.h"
#include "app/settings.h"
#include "project_window_fixture.h"
#include "support/as_other_user.h"
#include "support/fixture_projects.h"

namespace quorvel::app {
namespace {

namespace fs = std::filesystem;
using platform::Answer;
using platform::Buttons;
using platform::Icon;
using platform::ProgramEnded;

class FileCommands : public testing::ProjectWindowTest {
protected:
    void open(const std::string& path) {
        ui.answerFileDialog(path);
        ui.click(w.cmdAvaalahto);
    }
    void saveAs(std::optional<std::string> path) {
        ui.answerFileDialog(std::move(path));
        ui.click(w.cmdTallennalahtoNimella);
    }
    // Whether a message box with a text matching pattern was shown.
    bool shown(const std::string& pattern) const {
        for (const auto& message : ui.messages())
            if (std::regex_search(message.text, std::regex(pattern))) return true;
        return false;
    }
    // A new project as NewProject leaves it: default beam, no file.
    void expectNewProject() {
        EXPECT_EQ(m.BeamTypeName, "SUORA");
        EXPECT_TRUE(m.InputFilePath.empty());
        EXPECT_EQ(m.InputFileTitle, " *");
        EXPECT_EQ(m.InputChanged, -1);
        EXPECT_TRUE(w.optSuora.value());
    }
    // What the window shows of the project: every box, list and option,
    // the table button (which says whether results are shown) and the
    // title bar.
    std::vector<std::string> windowState() const {
        std::vector<std::string> state{w.caption(), w.cmdTaulukko.caption()};
        for (const platform::Control* c : w.controls()) {
            if (c->kind() == platform::ControlKind::TextBox)
                state.push_back(c->name() + "=" + static_cast<const platform::TextBox*>(c)->text());
            else if (c->kind() == platform::ControlKind::ComboBox)
                state.push_back(c->name() + "=" + static_cast<const platform::ComboBox*>(c)->text());
            else if (c->kind() == platform::ControlKind::OptionButton &&
                     static_cast<const platform::OptionButton*>(c)->value())
                state.push_back(c->name());
        }
        return state;
    }
    quorvel::testing::TempFolder scratch;
};

TEST_F(FileCommands, NewProjectForgetsTheFileAndCountsAsChanged) {
    open(fixture("steel_hq_line_loads.dat"));
    ASSERT_EQ(m.BeamTypeName, "HQ");
    declineSaveQuestions();
    ui.click(w.cmdUusi);
    expectNewProject();
    EXPECT_EQ(m.TitleLine1, "");
    EXPECT_EQ(m.IsMiddleBeam, 1);
    EXPECT_EQ(m.ResultsValid, 0);
}

// Every fixture project opens without a message (the save questions of
// the project before it apart), takes the file's name and reads back the
// same input after a save under another name.
TEST_F(FileCommands, EveryFixtureProjectOpensSavesAndReopensTheSame) {
    for (const fs::path& project : quorvel::testing::fixtureProjects()) {
        SCOPED_TRACE(project.filename().string());
        const std::string path = fixture(project.filename().string());
        ui.clearMessages();
        declineSaveQuestions();
        open(path);
        for (const auto& message : ui.messages()) EXPECT_EQ(message.text.rfind("Tallennetaanko", 0), 0u) << message.text;
        EXPECT_EQ(m.InputFilePath, path);
        EXPECT_EQ(m.InputFileTitle, path + " *");  // an opened project counts as changed
        EXPECT_EQ(m.InputChanged, -1);

        ui.typeOver(w.txtOtsikko1, "Muutettu otsikko");
        const std::string copy = scratch.file(project.stem().string() + "_copy.dat");
        saveAs(copy);
        EXPECT_EQ(m.InputSaved, -1);
        EXPECT_EQ(m.InputFilePath, copy);
        EXPECT_EQ(m.InputFileTitle, copy);
        const std::string saved = inputBytes(m, scratch, "saved.dat");

        declineSaveQuestions();
        ui.click(w.cmdUusi);
        declineSaveQuestions();
        open(copy);
        EXPECT_EQ(m.TitleLine1, "Muutettu otsikko");
        EXPECT_EQ(inputBytes(m, scratch, "reopened.dat"), saved);
    }
}

// A project opened after another, or after New, is the project its file
// makes of a new one: every slot the file does not fill (loads and holes
// beyond its counts, reinforcement rows beyond its rows) holds the new
// project's default, seen by writing the model with every count at its
// largest, as raising a count in a dialog shows the slots. The gauges show
// no number of the project before: as at start-up, a grey 0 each. New
// gives the project of start-up, whatever the project before.
TEST_F(FileCommands, NothingOfTheProjectBeforeSurvivesNewOrOpen) {
    auto everySlot = [this] {
        auto copy = std::make_unique<model::ProjectModel>(m);
        copy->BeamPointLoadCount = 5;
        for (int s = 1; s <= 2; ++s) {
            copy->SlabLineLoadCount(s) = 5;
            copy->SlabPointLoadCount(s) = 5;
            copy->HoleCount(s) = 2;
        }
        copy->ReinforcementRowCount = copy->TopRebarRowCount = copy->SteelBeamRebarRowCount = 10;
        return inputBytes(*copy, scratch, "slots.dat");
    };
    auto expectGaugesAsAtStartUp = [this] {
        for (const platform::PictureBox* pic : {&w.picVasenleikkaus, &w.picVasentaipuma, &w.picVasenhalkeilu,
                                                &w.picOikealeikkaus, &w.picOikeataipuma, &w.picOikeahalkeilu,
                                                &w.picPalkkitaipuma, &w.picVenyma}) {
            const auto& list = pic->displayList();
            const auto text = std::find_if(list.begin(), list.end(),
                                           [](const auto& c) { return c.kind == platform::DrawCommand::Kind::Text; });
            ASSERT_NE(text, list.end()) << pic->name();
            EXPECT_EQ(text->text, "0") << pic->name();
            EXPECT_EQ(text->color, platform::rgb(128, 128, 128)) << pic->name();
        }
    };
    // The project before: calculated, its gauges drawn, every slot of it
    // holding a value of its own.
    const std::string before = fixture("delta_edge_beam_holes_loads.dat");
    auto openFilledProject = [&] {
        declineSaveQuestions();
        open(before);
        calculate();
        w.DrawResultGauges();
        for (auto* rows : {&m.BarArea, &m.BarDistanceFromBottom, &m.BarPrestress, &m.TopBarArea,
                           &m.TopBarDistanceFromTop, &m.TopBarPrestress, &m.SteelBeamBarArea,
                           &m.SteelBeamBarDistance, &m.SteelBeamBarPrestress})
            rows->fill(7);
        m.BeamPointLoadX.fill(7);
        for (auto* counts : {&m.BarsInRow, &m.TopBarsInRow, &m.SteelBeamBarsInRow}) counts->fill(7);
        for (auto* loads : {&m.SlabLineLoadG, &m.SlabLineLoadQ, &m.SlabLineLoadY, &m.SlabPointLoadG,
                            &m.SlabPointLoadQ, &m.SlabPointLoadX, &m.SlabPointLoadY})
            loads->fill(7);
        for (auto* holes : {&m.HoleX, &m.HoleWidthB, &m.HoleY, &m.HoleLengthA}) holes->fill(7);
        m.BeamPointLoad.fill(7);
    };

    const std::string startUp = everySlot();
    openFilledProject();
    declineSaveQuestions();
    ui.click(w.cmdUusi);
    expectGaugesAsAtStartUp();
    EXPECT_EQ(everySlot(), startUp);
    for (const char* name : {"concrete_middle_beam.dat", "composite_delta_point_load.dat", "steel_hq_line_loads.dat",
                             "apalkki_new_project_old_format.dat", "lbl_core_filling.dat"}) {
        SCOPED_TRACE(name);
        const std::string file = fixture(name);
        declineSaveQuestions();
        open(file);
        const std::string afterNew = everySlot();
        openFilledProject();
        declineSaveQuestions();
        open(file);
        expectGaugesAsAtStartUp();
        EXPECT_EQ(everySlot(), afterNew);
    }
    // A box that keeps the focus through New (Ctrl+N) gives way to the new
    // project's value, not to the one it showed before.
    m.SlabImposedLoadPermanent(1) = 3.0f;
    w.RefreshMainForm();
    ui.click(w.txtVasenlaatastopysyva);
    declineSaveQuestions();
    w.NewProject();
    ui.typeOver(w.txtVasenlaatastopysyva, "-5");
    ui.expectMessageMatching(".*: Syöte -5 ei arvoalueella .*", "Lukuarvovirhe", Buttons::Ok, Icon::Exclamation);
    ui.tab();
    EXPECT_EQ(w.txtVasenlaatastopysyva.text(), "0.5");
    EXPECT_EQ(m.SlabImposedLoadPermanent(1).number(), 0.5);
    // New after any project is the project of start-up.
    for (const char* name : {"steel_hq_line_loads.dat", "concrete_middle_beam.dat"}) {
        declineSaveQuestions();
        open(folder.file(name));
        openFilledProject();
        declineSaveQuestions();
        ui.click(w.cmdUusi);
        EXPECT_EQ(everySlot(), startUp) << name;
    }
}

TEST_F(FileCommands, CancelledSaveAsChangesNothing) {
    m.InputChanged = -1;
    saveAs(std::nullopt);
    EXPECT_EQ(m.InputSaved, 0);
    EXPECT_TRUE(m.InputFilePath.empty());
    // Save without a name asks for one.
    ui.answerFileDialog(std::nullopt);
    ui.click(w.cmdTallennalahto);
    ASSERT_EQ(ui.fileDialogs().size(), 2u);
    EXPECT_TRUE(ui.fileDialogs().back().save);
    EXPECT_EQ(m.InputSaved, 0);
}

TEST_F(FileCommands, DialogsCarryTheirTitlesFiltersAndRules) {
    ui.answerFileDialog(std::nullopt);
    ui.click(w.cmdAvaalahto);
    saveAs(std::nullopt);
    m.ResultsValid = -1;
    ui.answerFileDialog(std::nullopt);
    ui.click(w.cmdTallennatuloksetNimella);
    const auto& dialogs = ui.fileDialogs();
    ASSERT_EQ(dialogs.size(), 3u);
    namespace F = platform::FileFlags;
    EXPECT_FALSE(dialogs[0].save);
    EXPECT_EQ(dialogs[0].request.title, "Avaa lähtötiedot");
    EXPECT_EQ(dialogs[0].request.filter, "Datatiedostot (*.dat)|*.dat|Kaikki tiedostot (*.*)|*.*");
    EXPECT_EQ(dialogs[0].request.flags, F::FileMustExist | F::PathMustExist | F::HideReadOnly);
    EXPECT_TRUE(dialogs[1].save);
    EXPECT_EQ(dialogs[1].request.title, "Tallenna lähtötiedot nimellä");
    EXPECT_EQ(dialogs[1].request.flags, F::OverwritePrompt | F::PathMustExist | F::HideReadOnly);
    EXPECT_EQ(dialogs[2].request.title, "Tallenna tulokset nimellä");
    EXPECT_EQ(dialogs[2].request.filter, "Datatiedostot (*.tul)|*.tul|Kaikki tiedostot (*.*)|*.*");
    EXPECT_EQ(dialogs[2].request.flags, F::OverwritePrompt | F::PathMustExist | F::HideReadOnly);
}

TEST_F(FileCommands, ResultsSavedTwiceGiveIdenticalFilesAndKeepTheirName) {
    open(fixture("concrete_middle_beam.dat"));
    calculate();
    ui.answerFileDialog(scratch.file("first.tul"));
    ui.click(w.cmdTallennatulokset);  // no name yet: asks for one
    EXPECT_EQ(m.ResultsSaved, -1);
    EXPECT_EQ(m.ResultsFilePath, scratch.file("first.tul"));
    ui.answerFileDialog(scratch.file("second.tul"));
    ui.click(w.cmdTallennatuloksetNimella);
    ASSERT_FALSE(scratch.read("first.tul").empty());
    EXPECT_EQ(scratch.read("first.tul"), scratch.read("second.tul"));
    // Saving under the input's new name forgets the report's name.
    saveAs(scratch.file("renamed.dat"));
    EXPECT_TRUE(m.ResultsFilePath.empty());
}

TEST_F(FileCommands, QuitWithoutChangesAsksNothingAndSavesTheSettings) {
    ui.setStrict(true);
    EXPECT_THROW(ui.click(w.cmdLopeta), ProgramEnded);
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(ui.getSetting("Quorvel835", "Settings", "QuorPath", "?"), m.DataPath);
}

// "Save the results?" is asked only when there are results of the input
// that are not saved: never after Open or New alone, nor after an edit
// threw the results away; after a calculation, until they are saved. The
// questions are asked in the window's language.
TEST_F(FileCommands, TheResultsQuestionComesOnlyWithResultsNotSaved) {
    const std::string project = fixture("concrete_middle_beam.dat");
    const std::string input = "Tallennetaanko lähtötiedot?";
    const std::string results = "Tallennetaanko tulostiedot?";
    struct Row {
        const char* what;
        std::function<void()> before;
        platform::Menu* command;
        std::vector<std::string> questions;
    };
    const Row rows[] = {
        {"open, then new", [&] { open(project); }, &w.cmdUusi, {input}},
        {"new, then open", [&] { ui.click(w.cmdUusi); }, &w.cmdAvaalahto, {input}},
        {"open, then quit", [&] { open(project); }, &w.cmdLopeta, {input}},
        {"calculated, then new", [&] { open(project); calculate(); }, &w.cmdUusi, {input, results}},
        {"calculated, then open", [&] { open(project); calculate(); }, &w.cmdAvaalahto, {input, results}},
        {"calculated, then quit", [&] { open(project); calculate(); }, &w.cmdLopeta, {input, results}},
        {"calculated and saved, then new",
         [&] {
             open(project);
             calculate();
             ui.answerFileDialog(scratch.file("saved.tul"));
             ui.click(w.cmdTallennatulokset);
         },
         &w.cmdUusi, {input}},
        {"calculated, then edited",
         [&] {
             open(project);
             calculate();
             ui.typeOver(w.txtVasenlaatastopysyva, "2");
         },
         &w.cmdUusi, {input}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        declineSaveQuestions();
        row.before();
        ui.clearMessages();
        for (const std::string& q : row.questions)
            ui.expectMessage(q, ui.applicationTitle(), Buttons::YesNoCancel, Icon::None, Answer::No);
        if (row.command == &w.cmdAvaalahto) ui.answerFileDialog(project);
        if (row.command == &w.cmdLopeta)
            EXPECT_THROW(ui.click(*row.command), ProgramEnded);
        else
            ui.click(*row.command);
        ui.verify();
        EXPECT_EQ(ui.messages().size(), row.questions.size());
    }
    declineSaveQuestions();
    open(project);
    calculate();
    ui.click(w.cmdEnglanti);
    ui.expectMessage("Save the input data?", ui.applicationTitle(), Buttons::YesNoCancel, Icon::None, Answer::No);
    ui.expectMessage("Save the results?", ui.applicationTitle(), Buttons::YesNoCancel, Icon::None, Answer::No);
    EXPECT_THROW(ui.click(w.cmdLopeta), ProgramEnded);
}

// Yes to the input question with a save that fails or is cancelled keeps
// the program running: the work would be lost.
TEST_F(FileCommands, QuitStaysWhenTheSaveFailsOrIsCancelled) {
    open(fixture("concrete_middle_beam.dat"));
    const std::string original = folder.read("concrete_middle_beam.dat");
    m.InputFilePath = folder.file("no_such_folder/project.dat");
    ui.expectMessage("Tallennetaanko lähtötiedot?", ui.applicationTitle(), Buttons::YesNoCancel, Icon::None, Answer::Yes);
    ui.expectMessageMatching("Tiedostoa .*project\\.dat ei voitu tallentaa: kansiota ei ole\\.", ui.applicationTitle(),
                             Buttons::Ok, Icon::Exclamation);
    EXPECT_NO_THROW(ui.click(w.cmdLopeta));
    EXPECT_FALSE(ui.programEnded());
    EXPECT_EQ(m.InputSaved, 0);

    m.InputFilePath.clear();
    ui.expectMessage("Tallennetaanko lähtötiedot?", ui.applicationTitle(), Buttons::YesNoCancel, Icon::None, Answer::Yes);
    ui.answerFileDialog(std::nullopt);
    EXPECT_NO_THROW(ui.click(w.cmdLopeta));
    EXPECT_FALSE(ui.programEnded());

    // The window frame asks the same and stays open.
    ui.expectMessage("Tallennetaanko lähtötiedot?", ui.applicationTitle(), Buttons::YesNoCancel, Icon::None, Answer::Yes);
    ui.answerFileDialog(std::nullopt);
    EXPECT_FALSE(ui.closeByFrame(w));
    EXPECT_TRUE(w.isLoaded());
    EXPECT_EQ(folder.read("concrete_middle_beam.dat"), original);
}

TEST_F(FileCommands, QuitWithASuccessfulSaveEnds) {
    open(fixture("concrete_middle_beam.dat"));
    ui.expectMessage("Tallennetaanko lähtötiedot?", ui.applicationTitle(), Buttons::YesNoCancel, Icon::None, Answer::Yes);
    EXPECT_THROW(ui.click(w.cmdLopeta), ProgramEnded);
    EXPECT_EQ(m.InputSaved, -1);
}

// New and Open ask the quit command's questions of an edited project
// first. Cancel (also what Escape and the box's close button answer) keeps
// the project, its results and its file; Yes saves, through Save As when
// the project has no name, and goes on only when the save was made; No
// goes on and leaves the file as it was.
TEST_F(FileCommands, NewAndOpenAskToSaveAnEditedProjectFirst) {
    fixture("concrete_middle_beam.dat");  // each row edits a fresh copy of it
    const std::string other = fixture("steel_hq_line_loads.dat");
    struct Row {
        const char* what;
        platform::Menu* command;
        Answer input;
        bool named;                        // the project has a file
        std::optional<std::string> saveAs;  // the Save As dialog's answer (Yes without a name)
        bool openDialogCancelled = false;
    };
    const std::string savedAs = scratch.file("named.dat");
    const Row rows[] = {
        {"new, yes", &w.cmdUusi, Answer::Yes, true, {}},
        {"new, no", &w.cmdUusi, Answer::No, true, {}},
        {"new, cancel", &w.cmdUusi, Answer::Cancel, true, {}},
        {"new, yes without a name", &w.cmdUusi, Answer::Yes, false, savedAs},
        {"new, yes, save as cancelled", &w.cmdUusi, Answer::Yes, false, std::nullopt},
        {"open, yes", &w.cmdAvaalahto, Answer::Yes, true, {}},
        {"open, no", &w.cmdAvaalahto, Answer::No, true, {}},
        {"open, cancel", &w.cmdAvaalahto, Answer::Cancel, true, {}},
        {"open, no, dialog cancelled", &w.cmdAvaalahto, Answer::No, true, {}, true},
        {"open, yes without a name", &w.cmdAvaalahto, Answer::Yes, false, savedAs},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        fs::remove(savedAs);
        folder.writeRaw("edited.dat", folder.read("concrete_middle_beam.dat"));
        const std::string original = folder.read("edited.dat");
        declineSaveQuestions();
        open(folder.file("edited.dat"));
        calculate();
        ui.typeOver(w.txtOtsikko1, "Muutettu");
        if (!row.named) m.InputFilePath.clear();
        const std::string input = inputBytes(m, scratch, "input.dat");
        const std::vector<std::string> window = windowState();
        const std::size_t dialogs = ui.fileDialogs().size();

        ui.expectMessage("Tallennetaanko lähtötiedot?", ui.applicationTitle(), Buttons::YesNoCancel, Icon::None,
                         row.input);
        const bool saving = row.input == Answer::Yes;
        if (saving && !row.named) ui.answerFileDialog(row.saveAs);
        const bool goesOn = row.input == Answer::No || (saving && (row.named || row.saveAs));
        if (goesOn)
            ui.expectMessage("Tallennetaanko tulostiedot?", ui.applicationTitle(), Buttons::YesNoCancel,
                             Icon::None, Answer::No);
        const bool opening = goesOn && row.command == &w.cmdAvaalahto;
        if (opening) ui.answerFileDialog(row.openDialogCancelled ? std::nullopt : std::optional(other));
        ui.click(*row.command);
        ui.verify();

        const bool savedInPlace = saving && row.named;
        EXPECT_EQ(folder.read("edited.dat") != original, savedInPlace) << "the project's file";
        if (savedInPlace) {
            EXPECT_NE(folder.read("edited.dat").find("Muutettu"), std::string::npos);
        }
        EXPECT_EQ(fs::exists(savedAs), saving && row.saveAs.has_value()) << "the file Save As named";
        if (saving && row.saveAs) {
            EXPECT_EQ(scratch.read("named.dat"), input);
        }
        const bool kept = !goesOn || row.openDialogCancelled;
        EXPECT_EQ(ui.fileDialogs().size(), dialogs + (saving && !row.named) + opening);
        if (kept) {
            EXPECT_EQ(inputBytes(m, scratch, "after.dat"), input);
            EXPECT_EQ(m.ResultsValid, -1);
            EXPECT_EQ(windowState(), window);
        } else if (row.command == &w.cmdUusi) {
            EXPECT_EQ(m.TitleLine1, "");
            EXPECT_TRUE(m.InputFilePath.empty());
        } else {
            EXPECT_EQ(m.InputFilePath, other);
            EXPECT_EQ(m.BeamTypeName, "HQ");
        }
    }
}

// A file that cannot be opened, whatever the reason, gives one message
// naming the file and what is wrong, in the window's language, and leaves
// the project in the window as it was: its input, results, file name,
// catalogue and language, and what the window shows.
TEST_F(FileCommands, ARefusedFileLeavesTheProjectAndItsResultsAsTheyWere) {
    const std::string good = fixture("concrete_middle_beam.dat");
    runtime::TextFileReader source(good);
    std::vector<std::string> lines;
    while (!source.eof()) lines.push_back(source.readLine());
    auto fileOf = [&lines](std::size_t count, std::size_t changed = 99, const std::string& line = "") {
        std::string bytes;
        for (std::size_t i = 0; i < count; ++i) bytes += runtime::utf8ToCp1252(i == changed ? line : lines[i]) + "\r\n";
        return bytes;
    };
    std::string garbage;
    for (int i = 0; i < 4000; ++i) garbage += static_cast<char>((i * 7919 + 13) % 256);
    std::string languageSeven = fileOf(lines.size(), 9, " 200000  500 900");  // 900 reinforcement rows
    languageSeven += " 7\r\n";                                                     // and a language the program lacks
    // An HX beam, which no option of the window shows (no reinforcement records).
    std::string hx;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == 9 || i == 10 || i == 11) continue;
        hx += runtime::utf8ToCp1252(i == 7 ? "0 HX  7200 355 355 355"
                                    : i == 8 ? "HX 1 1 9 300 10 20 300 20 500 150 150 200"
                                             : lines[i]) + "\r\n";
    }

    struct Damage {
        const char* name;
        std::string bytes;
        const char* finnish;  // the message's line and words
    } damages[] = {
        {"short.dat", fileOf(11), "Rivi 12: tiedosto loppuu kesken: tämä rivi puuttuu"},
        {"huge.dat", fileOf(lines.size(), 9, " 200000  500 900"), "Rivi 10: kentän Raudoiterivien lkm arvo 900 ei ole rajoissa \\(0 \\.\\.\\. 10\\)"},
        {"short-line.dat", fileOf(lines.size(), 13, " 10 10 90"), "Rivi 14: rivillä on liian vähän lukuja: 3, tarvitaan 6"},
        {"xyz.dat", "\r\n\r\nXYZ\r\n", "Rivi 4: tiedosto loppuu kesken"},
        // A file that ends inside line 1 or 2 names the line it lacks
        // (before: no line).
        {"empty.dat", "", "Rivi 1: tiedosto loppuu kesken: tämä rivi puuttuu"},
        {"title-only.dat", "Toimistotalo", "Rivi 2: tiedosto loppuu kesken: tämä rivi puuttuu"},
        {"language7.dat", languageSeven, "Rivi 10: kentän Raudoiterivien lkm arvo 900"},
        {"garbage.dat", garbage, "Rivi [0-9]+: tiedostossa on binääritietoa eikä tekstiä"},
        {"big.dat", std::string(1024 * 1024 + 1, 'x'), "Tiedosto on liian suuri lähtötiedoiksi \\(yli 1 Mt\\)"},
        {"hx.dat", hx, "Palkkityyppiä HX ei voi käsitellä tässä ikkunassa"},
        // Values outside the limits of their fields.
        {"spacing.dat", fileOf(lines.size(), 4, "P27 10L 0  900 20 40 1  50 -7800 1E+39"),
         "Rivi 5: kentän Palkkivälit alkupäässä, oikea arvo -7800 ei ole rajoissa \\(200 \\.\\.\\. 30000 mm\\)"},
        {"spacing0.dat", fileOf(lines.size(), 4, "P27 10L 0  900 20 40 1  50 0 0"), "Rivi 5: kentän Palkkivälit alkupäässä, oikea arvo 0 "},
        {"kfi.dat", fileOf(lines.size(), 14, " 1.15 1.5 1 1.15 1.15 -1 .7"),
         "Rivi 15: kentän Kfi arvo -1 ei ole rajoissa \\(0\\.9 \\.\\.\\. 1\\.1\\)"},
        // The annex's classes CC1 ... CC3 take 0.9 ... 1.1: 0.8 designs 11 % under CC1.
        {"kfi-08.dat", fileOf(lines.size(), 14, " 1.15 1.5 1 1.15 1.15 .8 .7"),
         "Rivi 15: kentän Kfi arvo \\.8 ei ole rajoissa \\(0\\.9 \\.\\.\\. 1\\.1\\)"},
        // A factor far below its range would turn every gauge green.
        {"kfi-tiny.dat", fileOf(lines.size(), 14, " 1.15 1.5 1 1.15 1.15 1E-30 .7"),
         "Rivi 15: kentän Kfi arvo 1E-30 ei ole rajoissa"},
        {"rebar.dat", fileOf(lines.size(), 9, " 200000  -1E+30 2"), "Rivi 10: kentän Lujuus fyk, punokset fp0.1k arvo -1"},
        // The left slab of a middle beam: its values bind as the right one's.
        {"left-spacing.dat", fileOf(lines.size(), 3, "P27 10L 0  900 20 40 1  50 7200 .001"),
         "Rivi 4: kentän Palkkivälit loppupäässä, vasen arvo \\.001 ei ole rajoissa \\(200 \\.\\.\\. 30000 mm\\)"},
        {"left-loss.dat", fileOf(lines.size(), 3, "P27 10L 0  900 -50 40 1  50 7200 7200"),
         "Rivi 4: kentän Jännityshäviö, vasen arvo -50 ei ole rajoissa"},
    };

    // An edited project with results: the save questions are answered No,
    // so the refusal alone keeps it.
    open(good);
    calculate();
    ui.typeOver(w.txtOtsikko1, "Ennen");
    const std::string input = inputBytes(m, scratch, "input.dat");
    const std::vector<std::string> window = windowState();
    const std::string catalogue = m.SlabFileName;
    auto expectKept = [&] {
        EXPECT_EQ(inputBytes(m, scratch, "after.dat"), input);
        EXPECT_EQ(m.ResultsValid, -1);
        EXPECT_EQ(m.InputFilePath, good);
        EXPECT_EQ(m.InputChanged, -1);
        EXPECT_EQ(m.SlabFileName, catalogue);
        EXPECT_EQ(windowState(), window);
    };
    ui.setStrict(false);  // the messages are counted and matched below
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.name);
        folder.writeRaw(damage.name, damage.bytes);
        ui.clearMessages();
        declineSaveQuestions();
        open(folder.file(damage.name));
        ASSERT_EQ(ui.messages().size(), 3u) << "the two save questions and one message";
        EXPECT_TRUE(std::regex_search(ui.messages().back().text,
                                      std::regex(std::string("^Tiedostoa .*") + damage.name + " ei voi avata\\.\r\n" +
                                                 damage.finnish + "[^\r]*\\.\r\nIkkunan projekti säilyy ennallaan\\.$")))
            << ui.messages().back().text;
        EXPECT_FALSE(shown("^Virhe|rivillä -?[0-9]"));
        expectKept();
        EXPECT_EQ(m.LanguageIndex, 0);
    }

    // The message follows the window's language.
    ui.click(w.cmdEnglanti);
    for (auto [name, line] : {std::pair{"xyz.dat", "4"}, std::pair{"empty.dat", "1"}}) {
        ui.clearMessages();
        declineSaveQuestions();
        open(folder.file(name));
        ASSERT_EQ(ui.messages().size(), 3u);
        EXPECT_EQ(ui.messages().back().text, "The file " + folder.file(name) + " cannot be opened.\r\nLine " + line +
                                                 ": the file ends too early: this line is missing.\r\nThe project "
                                                 "in the window is kept as it was.");
    }
    EXPECT_EQ(m.LanguageIndex, 1);
    EXPECT_EQ(m.SlabFileName, catalogue);

    // Nothing of a refused file reaches the settings.
    SaveSettings(m, ui);
    EXPECT_EQ(ui.settings().at("Quorvel835/Settings/Ontelolaatat"), catalogue);
}

// A file that does not open for reading is named with the cause the
// system gives, in the window's language (before: "the line cannot be read
// (error 75)"). The superuser reads any file: the row without read
// permission is run again as the user nobody.
TEST_F(FileCommands, AFileThatDoesNotOpenIsNamedWithItsCause) {
    const std::string bytes = quorvel::testing::readBytes(fixture("concrete_middle_beam.dat"));
    fs::create_symlink("loop-b.dat", folder.path() / "loop-a.dat");
    fs::create_symlink("loop-a.dat", folder.path() / "loop-b.dat");
    folder.writeRaw("locked.dat", bytes);
    fs::permissions(folder.path() / "locked.dat", fs::perms::none);
    const bool superuser = geteuid() == 0;
    struct Case {
        const char* name;
        bool english;
        const char* cause;
    } cases[] = {
        {"loop-a.dat", false, "Tiedostoa ei voi lukea: liian monta symbolista linkkiä (linkit kiertävät silmukkana)."},
        {"locked.dat", false, "Tiedostoa ei voi lukea: lukuoikeus puuttuu (tiedostoon tai sen kansioon)."},
        {"missing.dat", false, "Tiedostoa ei voi lukea: sitä ei ole."},
        {"loop-a.dat", true, "The file cannot be read: too many symbolic links (the links lead round in a loop)."},
        {"locked.dat", true,
         "The file cannot be read: permission denied (no read permission for the file or its folder)."},
    };
    ui.setStrict(false);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + (c.english ? " in English" : ""));
        if (superuser && std::string(c.name) == "locked.dat") continue;
        if (c.english && m.LanguageIndex != 1) ui.click(w.cmdEnglanti);
        const std::string path = folder.file(c.name);
        ui.clearMessages();
        declineSaveQuestions();
        open(path);
        ASSERT_FALSE(ui.messages().empty());
        EXPECT_EQ(ui.messages().back().text,
                  c.english ? "The file " + path + " cannot be opened.\r\n" + c.cause +
                                  "\r\nThe project in the window is kept as it was."
                            : "Tiedostoa " + path + " ei voi avata.\r\n" + c.cause +
                                  "\r\nIkkunan projekti säilyy ennallaan.");
        EXPECT_TRUE(m.InputFilePath.empty());
    }
    if (superuser) {
        std::string failure;
        const auto status = quorvel::testing::runAsNobody("FileCommands.AFileThatDoesNotOpenIsNamedWithItsCause", failure);
        ASSERT_TRUE(status) << failure;
        EXPECT_EQ(*status, 0) << "the rows failed as the user nobody";
    }
}

// A file an editor saved in UTF-8 with a byte-order mark opens with the
// mark taken as what it is: no part of the title (before: "ï»¿" at its
// start), the text after it read as UTF-8. A character the project file
// cannot hold is read as "?" and the first one is named, with its line, in
// the window's language (before: not a word).
TEST_F(FileCommands, AByteOrderMarkIsNoPartOfTheTitle) {
    const std::string plain = fixture("concrete_middle_beam.dat");
    struct Row {
        bool english;
        const char* from;  // replaced in the file
        const char* to;
        const char* shown;   // line 1 and 2 as the window shows them
        std::string notice;  // the one message at Open; empty: none
    } rows[] = {
        {false, "Toimistotalo", "Työmaatalo Ä", "Työmaatalo Ä, 3. kerros|Keskipalkki K3, linja B/4-5", ""},
        {true, "Toimistotalo", "Työmaatalo Ä", "Työmaatalo Ä, 3. kerros|Keskipalkki K3, linja B/4-5", ""},
        {false, "Toimistotalo", "Ω-talo ≤",  "?-talo ?, 3. kerros|Keskipalkki K3, linja B/4-5",
         "Rivi 1: merkki \"Ω\" ei mahdu lähtötietoihin (Windows-1252), ja se luetaan merkkinä \"?\"."},
        {true, "Keskipalkki", "Palkki ≤ 2", "Toimistotalo, 3. kerros|Palkki ? 2 K3, linja B/4-5",
         "Line 2: the character \"≤\" does not fit the input data (Windows-1252) and is read as \"?\"."},
    };
    ui.setStrict(false);  // the notices are counted and matched below
    open(plain);
    const std::string asWindows = inputBytes(m, scratch, "windows.dat");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.to);
        std::string bytes = quorvel::testing::readBytes(plain);
        bytes.replace(bytes.find(row.from), std::string(row.from).size(), row.to);
        folder.writeRaw("marked.dat", "\xEF\xBB\xBF" + bytes);
        if (row.english != (m.LanguageIndex == 1)) {
            ui.click(row.english ? w.cmdEnglanti : w.cmdSuomi);
        }
        m.InputChanged = 0;  // no save question
        ui.clearMessages();
        open(folder.file("marked.dat"));
        ASSERT_EQ(ui.messages().size(), row.notice.empty() ? 0u : 1u);
        if (!row.notice.empty()) {
            EXPECT_EQ(ui.messages().front().text, row.notice);
        }
        EXPECT_EQ(m.InputFilePath, folder.file("marked.dat"));
        EXPECT_EQ(w.txtOtsikko1.text() + "|" + w.txtOtsikko2.text(), row.shown);
    }
    // Everything else as the file without the mark, in Windows-1252.
    m.TitleLine1 = "Toimistotalo, 3. kerros";
    m.TitleLine2 = "Keskipalkki K3, linja B/4-5";
    EXPECT_EQ(inputBytes(m, scratch, "marked.dat"), asWindows);
}

// A project naming a catalogue this installation lacks opens with the
// installation's own, and says so.
// A project's slab catalogue is loaded at Open: one that does not load (not
// in this installation, a beam library of the data folder) gives way to the
// one loaded before with one message saying why. A slab type the catalogue
// lacks is named with its side and the catalogue, kept as the file has it,
// never calculated and saved as it was read.
TEST_F(FileCommands, AProjectsCatalogueAndSlabTypesAreLoadedOrNamedAtOpen) {
    folder.write("HQLIB.MIT", {"HQ-PALKIT tyyppi luokka", "HQ400 1 0 220 30 2 S355", "LOPPU"});
    const std::string noFileName(5000, 'K');  // longer than any file name: quoted by its start
    struct Case {
        int line;  // 0-based line of the project file replaced, with those after it the text holds
        const char* text;
        std::string message;  // the one message, a pattern
        const char* rightType;
    } cases[] = {
        {2, "XYZ",
         "^Projektin ontelolaattatiedostoa XYZ\\.mit ei voi käyttää\\. Tiedostoa .*/XYZ\\.mit ei ole\\. "
         "Käytetään tiedostoa ONTELO\\.MIT\\.$",
         "P27"},
        // A name with its extension is taken as it stands; one with a
        // folder ("/" ends the data of a line) is quoted as the file has it,
        // and sought inside the data folder, named without a doubled "/".
        {2, "XYZ.MIT",
         "^Projektin ontelolaattatiedostoa XYZ\\.MIT ei voi käyttää\\. Tiedostoa .*/XYZ\\.MIT ei ole\\. "
         "Käytetään tiedostoa ONTELO\\.MIT\\.$",
         "P27"},
        {2, "/dev/zero",
         "^Projektin ontelolaattatiedostoa /dev/zero\\.mit ei voi käyttää\\. Tiedostoa /[^ ]*[^/]/dev/zero\\.mit ei ole\\. "
         "Käytetään tiedostoa ONTELO\\.MIT\\.$",
         "P27"},
        {2, noFileName.c_str(),
         "^Projektin ontelolaattatiedostoa K{120}\\.\\.\\. ei voi käyttää\\. Tiedostoa /[^ ]*K\\.\\.\\. ei voi lukea: nimi on liian pitkä\\. "
         "Käytetään tiedostoa ONTELO\\.MIT\\.$",
         "P27"},
        // The catalogue named as it stands on disk, not as the project
        // names it ("HQLIB.mit").
        {2, "HQLIB",
         "^Projektin ontelolaattatiedostoa HQLIB\\.MIT ei voi käyttää\\. [^]*Laattatiedoston .*/HQLIB\\.MIT rivillä 2 "
         "tunnuksen HQ400 kentän 6 \\(Ep\\) jälkeen on vielä \"S355\"[^]*Käytetään tiedostoa ONTELO\\.MIT\\.$",
         "P27"},
        {4, "P99 10L 0  900 20 40 1  50 7200 7200",
         "^Laattatyyppiä \"P99\" \\(Oikea ontelolaatta\\) ei ole laattatiedostossa .*/ONTELO\\.MIT\\. Laskentaa ei "
         "tehdä, ennen kuin laattatyyppi on valittu\\.$",
         "P99"},
        {2, "XYZ\r\nP99 10L 0  900 20 40 1  50 7200 7200",  // both in one message
         "^Projektin ontelolaattatiedostoa XYZ\\.mit ei voi käyttää\\..*\r\n\r\nLaattatyyppiä \"P99\" "
         "\\(Vasen ontelolaatta\\)",
         "P27"},
    };
    const std::string path = fixture("concrete_middle_beam.dat");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        runtime::TextFileReader source(path);
        std::string bytes;
        const int replaced = static_cast<int>(std::count(c.text, c.text + std::strlen(c.text), '\n')) + 1;
        for (int i = 0; !source.eof(); ++i) {
            const std::string line = source.readLine();
            if (i == c.line) bytes += runtime::utf8ToCp1252(c.text) + "\r\n";
            else if (i < c.line || i >= c.line + replaced) bytes += runtime::utf8ToCp1252(line) + "\r\n";
        }
        folder.writeRaw("project.dat", bytes);
        ui.clearMessages();
        ui.setStrict(false);
        m.InputChanged = 0;  // nothing to save first
        open(folder.file("project.dat"));
        ASSERT_EQ(ui.messages().size(), 1u);
        EXPECT_TRUE(shown(c.message)) << ui.messages()[0].text;
        EXPECT_TRUE(m.SlabFileName == "ONTELO.MIT" || m.SlabFileName == "ONTELO.mit") << m.SlabFileName;
        EXPECT_EQ(m.SlabTypeCount, 7);
        EXPECT_EQ(m.InputFilePath, folder.file("project.dat"));
        EXPECT_EQ(m.TitleLine1, "Toimistotalo, 3. kerros");
        EXPECT_EQ(m.SlabTypeName(2), c.rightType);
        EXPECT_EQ(w.cboOikealaattatyyppi.text(), c.rightType);
        if (std::string(c.rightType) != "P99") continue;

        ui.clearMessages();
        ui.click(w.cmdLaske0);
        EXPECT_TRUE(shown("^Laskentaa ei tehty: laattatyyppiä \"P99\" \\(Oikea ontelolaatta\\)"));
        EXPECT_NE(m.ResultsValid, -1);
        ui.click(w.cmdTallennalahto);
        EXPECT_NE(folder.read("project.dat").find("P99 10L"), std::string::npos);
    }
}

// A title line longer than the window's box (70 characters) is held to it
// at Open, and said, in the window's language: the report, the title bar
// and Save never carry more than the window shows. A title of exactly 70
// characters, with two-byte letters among them, is kept whole.
TEST_F(FileCommands, ATitleLongerThanItsBoxIsCutAtOpenAndSaid) {
    const std::string seventy = "Pääty " + std::string(64, 'x');  // 70 characters, 72 bytes in UTF-8
    struct Case {
        int language;
        std::string title1, title2;
        std::string held1, held2;
        std::string message;  // empty: none
    } cases[] = {
        {0, std::string(900000, 'A'), "Toinen", std::string(70, 'A'), "Toinen",
         "Rivin 1 otsikko on yli 70 merkkiä pitkä; siitä käytetään 70 ensimmäistä merkkiä."},
        {1, "Ensimmäinen", seventy + "ä", "Ensimmäinen", seventy,
         "The title on line 2 is longer than 70 characters; its first 70 characters are used."},
        {0, seventy, seventy, seventy, seventy, ""},
    };
    const std::string path = fixture("concrete_middle_beam.dat");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.held1);
        runtime::TextFileReader source(path);
        std::string bytes = runtime::utf8ToCp1252(c.title1) + "\r\n" + runtime::utf8ToCp1252(c.title2) + "\r\n";
        source.readLine();
        source.readLine();
        while (!source.eof()) bytes += runtime::utf8ToCp1252(source.readLine()) + "\r\n";
        folder.writeRaw("titles.dat", bytes);
        ui.click(c.language == 1 ? w.cmdEnglanti : w.cmdSuomi);
        ui.clearMessages();
        ui.setStrict(false);
        m.InputChanged = 0;
        open(folder.file("titles.dat"));
        EXPECT_EQ(m.TitleLine1, c.held1);
        EXPECT_EQ(m.TitleLine2, c.held2);
        EXPECT_EQ(w.txtOtsikko1.text(), c.held1);
        if (c.message.empty()) {
            EXPECT_TRUE(ui.messages().empty());
        } else {
            ASSERT_EQ(ui.messages().size(), 1u);
            EXPECT_EQ(ui.messages()[0].text, c.message);
        }
    }
}

// Save results that cannot make the report names why, not the writing: a
// failed calculation is named by its own message and nothing is asked or
// written; a missing report text file is named with the file.
TEST_F(FileCommands, SavingResultsThatCannotBeMadeNamesTheCause) {
    struct Case {
        const char* what;
        int16_t language;
        std::function<void()> make;
        bool asksForAName;
        std::string message;  // a pattern; @ for the file saved
    } cases[] = {
        {"a span outside its limits", 0, [&] { m.BeamSpan = 1e-30; }, false,
         "^Laskentaa ei tehty: kentän Palkin jänneväli arvo 1E-30 ei ole rajoissa "
         "\\(1000 \\.\\.\\. 40000 mm\\)\\.$"},
        // Above min(0.8 fpk, 0.9 fp0.1k) = 1473.12 MPa of the 1860 MPa strands.
        {"a strand stress above its limit", 1, [&] { m.StrandInitialStress(2) = 1474; }, false,
         "^Not calculated: the value 1474 of .* is above 1473\\.12 MPa \\(the strands' largest stress at tensioning "
         "min\\(0\\.8 fpk, 0\\.9 fp0\\.1k\\), EN 1992-1-1 5\\.10\\.2\\.1\\)\\.$"},
        {"no report headings", 1, [&] { fs::remove(folder.path() / "TEKSTIT1.DA0"); }, true,
         "^The file @ was not saved\\. The text file .*/(TEKSTIT1\\.DA0|tekstit1\\.da0) of the report is missing\\. \\(Error 53\\)$"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string saved = scratch.file(std::string(c.what) + ".tul");
        std::string pattern = c.message;
        if (const std::size_t at = pattern.find('@'); at != std::string::npos)
            pattern.replace(at, 1, std::regex_replace(saved, std::regex(R"([.^$|()\[\]{}*+?\\])"), R"(\$&)"));
        m.LanguageIndex = c.language;
        c.make();
        ui.setStrict(false);
        ui.clearMessages();
        if (c.asksForAName) ui.answerFileDialog(saved);
        ui.click(w.cmdTallennatuloksetNimella);
        ASSERT_FALSE(ui.messages().empty());
        EXPECT_TRUE(std::regex_search(ui.messages().back().text, std::regex(pattern))) << ui.messages().back().text;
        for (const auto& message : ui.messages())
            EXPECT_EQ(message.text.find("kirjoitus epäonnistui"), std::string::npos) << message.text;
        EXPECT_FALSE(fs::exists(saved));
        m.InputChanged = 0;  // nothing to save first
        w.NewProject();
    }
}

TEST_F(FileCommands, AMissingOrFaultyBeamLibraryIsNamed) {
    const std::string path = fixture("concrete_middle_beam.dat");
    runtime::TextFileReader source(path);
    std::vector<std::string> lines;
    while (!source.eof()) lines.push_back(source.readLine());
    lines[7] = "KIRJASTO SUORA  7200 50  1";
    std::string bytes;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (i != 8) bytes += runtime::utf8ToCp1252(lines[i]) + "\r\n";  // the library holds the section
    folder.writeRaw("library.dat", bytes);
    ui.setStrict(false);
    open(folder.file("library.dat"));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_TRUE(shown("\r\nRivi 8: palkkikirjastoa KIRJASTO\\.mit ei löydy\\.\r\n"));
    EXPECT_TRUE(m.InputFilePath.empty());
    EXPECT_EQ(m.InputChanged, 0);

    // A library without the project's beam type is named too, as it
    // stands on disk.
    folder.write("KIRJASTO.MIT", {"BLEUKA 2 0 0 0 6 700 300 300 300 0 200", "LOPPU"});
    ui.clearMessages();
    open(folder.file("library.dat"));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_TRUE(shown("\r\nRivi 8: palkkikirjastossa KIRJASTO\\.MIT ei ole palkkityyppiä SUORA\\.\r\n"));

    // A text that is no number in the library's line is named with the
    // library's line and field, never read as its leading digits.
    folder.write("KIRJASTO.MIT", {"SUORA 2 0 0 0 2 6OO 480", "LOPPU"});
    ui.clearMessages();
    open(folder.file("library.dat"));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_TRUE(shown("\r\nRivi 8: palkkikirjaston KIRJASTO\\.MIT rivillä 1 kenttä 7 \\(Palkin korkeus\\) \"6OO\" ei "
                      "ole luku\\.\r\n"));
}

// A strand designation typed with a blank would be split into two fields
// on the next open: the save refuses it, names the field and leaves the
// file on disk as it was.
TEST_F(FileCommands, ATextFieldThatWouldNotReadBackIsRefusedNamed) {
    const std::string path = fixture("concrete_middle_beam.dat");
    open(path);
    const std::string before = folder.read("concrete_middle_beam.dat");
    m.BottomStrandCode(2) = "10 J";
    ui.expectMessage(
        "Kentässä \"Oikean laatan alapunokset\" on välilyönti, pilkku tai kauttaviiva: \"10 J\".\r\n"
        "Lähtötietoja ei tallennettu.",
        ui.applicationTitle(), Buttons::Ok, Icon::Exclamation);
    ui.click(w.cmdTallennalahto);
    EXPECT_EQ(m.InputSaved, 0);
    EXPECT_EQ(folder.read("concrete_middle_beam.dat"), before);
    // Save as refuses before asking for a name.
    ui.expectMessageMatching("Kentässä [^]*", ui.applicationTitle(), Buttons::Ok, Icon::Exclamation);
    const std::size_t dialogs = ui.fileDialogs().size();
    ui.click(w.cmdTallennalahtoNimella);
    EXPECT_EQ(ui.fileDialogs().size(), dialogs);

    m.BottomStrandCode(2) = "10J";
    ui.click(w.cmdTallennalahto);
    EXPECT_EQ(m.InputSaved, -1);
}

TEST_F(FileCommands, OpeningAnEnglishProjectSwitchesTheWindowsLanguage) {
    m.LanguageIndex = 1;
    saveAs(scratch.file("english.dat"));
    m.LanguageIndex = 0;
    ui.click(w.cmdSuomi);
    const std::string finnishNew = w.cmdUusi.caption();
    open(scratch.file("english.dat"));
    EXPECT_EQ(m.LanguageIndex, 1);
    EXPECT_NE(w.cmdUusi.caption(), finnishNew);
    EXPECT_EQ(w.imgFlag.picture(), w.imgFlagEng.picture());
}

}  // namespace
}  // namespace quorvel::app
