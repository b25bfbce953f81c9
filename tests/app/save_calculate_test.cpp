// What the user entered is what the project file keeps, around a Calculate
// and through a save and reopen: every beam type of the window as a middle
// and as an edge beam, and every project of the corpus.
//  - Calculate changes no input: the file saved after it equals the one
//    saved before it, and a failed calculation leaves every input as it was.
//  - Save, reopen and calculate gives the results of the first calculation
//    (the along-the-beam results file byte for byte, the utilisations to
//    the last digit).

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/beam_types.h"
#include "app/frm_quorvel.h"
#include "app/geometry_checks.h"
#include "project_window_fixture.h"
#include "support/fixture_projects.h"

namespace quorvel::app {
namespace {

namespace fs = std::filesystem;
using platform::Answer;

class SaveCalculate : public testing::ProjectWindowTest {
protected:
    void SetUp() override {
        ProjectWindowTest::SetUp();
        ui.setStrict(false);
    }

    // Calculate as the user presses it; a contradiction question is
    // answered No (calculate anyway), as are the CWQ topping questions.
    void pressCalculate() {
        std::string lines;
        int16_t found = 0;
        CollectInputContradictions(m, lines, found);
        if (found) ui.answerNext(Answer::No);
        if (m.BeamTypeName == "CWQ") {
            ui.answerNext(Answer::No);
            ui.answerNext(Answer::No);
        }
        ui.click(w.cmdLaske0);
    }

    struct Results {
        std::string alongTheBeam;  // quor.tu1
        std::vector<double> utilisations;
    };
    Results results() const {
        Results r{folder.read("quor.tu1"), {m.UtilisationRatio.number(), m.MomentResistanceUsed.number(),
                                            m.ActingDesignMoment.number()}};
        for (int s = 1; s <= 2; ++s)
            for (const auto* f : {&m.SlabShearUtilisation, &m.SlabBendingUtilisation, &m.SlabCrackingUtilisation})
                r.utilisations.push_back((*f)(s).number());
        return r;
    }

    // The two invariants for the project the window holds now.
    void expectInputKeptAndResultsReproduced(const std::string& what) {
        SCOPED_TRACE(what);
        const std::string before = inputBytes(m, scratch, "before.dat");
        pressCalculate();
        ASSERT_EQ(m.ResultsValid, -1) << (ui.messages().empty() ? "" : ui.messages().back().text);
        EXPECT_EQ(inputBytes(m, scratch, "after.dat"), before);
        const Results first = results();

        ui.answerFileDialog(scratch.file("saved.dat"));
        ui.click(w.cmdTallennalahtoNimella);
        declineSaveQuestions();
        ui.click(w.cmdUusi);
        ui.answerFileDialog(scratch.file("saved.dat"));
        declineSaveQuestions();
        ui.click(w.cmdAvaalahto);
        ASSERT_EQ(m.InputFilePath, scratch.file("saved.dat"));
        pressCalculate();
        ASSERT_EQ(m.ResultsValid, -1);
        const Results again = results();
        EXPECT_EQ(again.alongTheBeam, first.alongTheBeam);
        EXPECT_EQ(again.utilisations, first.utilisations);
    }

    quorvel::testing::TempFolder scratch;
};

TEST_F(SaveCalculate, EveryBeamTypeKeepsItsInputAndReproducesItsResults) {
    for (const BeamTypeInfo& type : BeamTypes()) {
        for (bool edge : {false, true}) {
            declineSaveQuestions();
            ui.click(w.cmdUusi);
            choose(*static_cast<platform::OptionButton*>(w.findControl(std::string(type.option))));
            ui.click(edge ? w.optReunapalkki : w.optKeskipalkki);
            expectInputKeptAndResultsReproduced(std::string(type.typeName) + (edge ? " edge" : " middle"));
        }
    }
}

TEST_F(SaveCalculate, EveryCorpusProjectKeepsItsInputAndReproducesItsResults) {
    for (const fs::path& project : quorvel::testing::fixtureProjects()) {
        ui.answerFileDialog(fixture(project.filename().string()));
        declineSaveQuestions();
        ui.click(w.cmdAvaalahto);
        expectInputKeptAndResultsReproduced(project.filename().string());
    }
}

// The release strength ratio changes the slab checks and is kept in the
// file's last record; a file written before that record reads 0.7.
TEST_F(SaveCalculate, TheReleaseStrengthRatioSurvivesSaveAndReopen) {
    m.ReleaseStrengthRatio = 0.6;
    expectInputKeptAndResultsReproduced("release strength ratio 0.6");
    EXPECT_NEAR(m.ReleaseStrengthRatio.number(), 0.6, 1e-7);

    m.ReleaseStrengthRatio = 0.6;
    ui.answerFileDialog(fixture("concrete_middle_beam.dat"));
    declineSaveQuestions();
    ui.click(w.cmdAvaalahto);
    EXPECT_EQ(m.InputFilePath, folder.file("concrete_middle_beam.dat"));
    EXPECT_NEAR(m.ReleaseStrengthRatio.number(), 0.7, 1e-12);
}

// Zeros typed where the calculation needs a small positive number (bottom
// gaps, bar prestress) come back as typed; a failed calculation gives back
// the topping load too.
TEST_F(SaveCalculate, TypedZerosAndAFailedCalculationLeaveTheInputAsTyped) {
    ui.typeOver(w.txtVasenlaatanalavali, "0");
    ui.typeOver(w.txtOikealaatanalavali, "0");
    m.BarPrestress(1) = 0;
    expectInputKeptAndResultsReproduced("zero gaps and prestress");

    declineSaveQuestions();
    ui.click(w.cmdUusi);
    const std::string before = inputBytes(m, scratch, "before.dat");
    m.SlabTypeName(2) = "EI-LUETTELOSSA";
    const std::string typed = inputBytes(m, scratch, "typed.dat");
    pressCalculate();
    EXPECT_NE(m.ResultsValid, -1);
    EXPECT_EQ(inputBytes(m, scratch, "after.dat"), typed);
    EXPECT_NE(typed, before);

    // A negative core filling (from the start) opens, calculates by its size, keeps -600 on reopen.
    std::string bytes = quorvel::testing::readBytes(fixture("concrete_middle_beam.dat"));
    for (std::size_t at; (at = bytes.find(" 1  50 7200")) != std::string::npos;) bytes.replace(at, 11, " 1  -600 7200");
    quorvel::testing::writeBytes(scratch.file("negative.dat"), bytes);
    declineSaveQuestions();
    ui.answerFileDialog(scratch.file("negative.dat"));
    ui.click(w.cmdAvaalahto);
    ASSERT_EQ(m.InputFilePath, scratch.file("negative.dat"));
    expectInputKeptAndResultsReproduced("negative core filling");
    EXPECT_EQ(m.RequiredCoreFillingLength(1), 600.0);
    EXPECT_EQ(w.txtVasenontelotaytto.text() + w.txtOikeaontelotaytto.text(), "-600-600");
}

// Opening a project file and saving it without an edit writes the same
// bytes: a new project of every beam type, middle and edge, saved, opened
// and saved again; and every project of the corpus opened and saved, then
// opened and saved again. The corrections the calculation needs (a topping
// of 0 taken as 0.0001 mm, a bar prestress of 0 as 1E-05, near-zero loads
// as 0.0011) never reach the model the user edits and saves.
TEST_F(SaveCalculate, OpenAndSaveWithoutAnEditWritesTheSameBytes) {
    auto saveAs = [&](const std::string& name) {
        ui.answerFileDialog(scratch.file(name));
        ui.click(w.cmdTallennalahtoNimella);
        return scratch.read(name);
    };
    auto open = [&](const std::string& path) {
        declineSaveQuestions();
        ui.click(w.cmdUusi);
        ui.answerFileDialog(path);
        declineSaveQuestions();
        ui.click(w.cmdAvaalahto);
        ASSERT_EQ(m.InputFilePath, path) << (ui.messages().empty() ? "" : ui.messages().back().text);
    };
    for (const BeamTypeInfo& type : BeamTypes()) {
        for (bool edge : {false, true}) {
            SCOPED_TRACE(std::string(type.typeName) + (edge ? " edge" : " middle"));
            declineSaveQuestions();
            ui.click(w.cmdUusi);
            choose(*static_cast<platform::OptionButton*>(w.findControl(std::string(type.option))));
            ui.click(edge ? w.optReunapalkki : w.optKeskipalkki);
            const std::string saved = saveAs("new.dat");
            open(scratch.file("new.dat"));
            EXPECT_EQ(saveAs("again.dat"), saved);
        }
    }
    for (const fs::path& project : quorvel::testing::fixtureProjects()) {
        SCOPED_TRACE(project.filename().string());
        open(fixture(project.filename().string()));
        const std::string saved = saveAs("once.dat");
        open(scratch.file("once.dat"));
        EXPECT_EQ(saveAs("twice.dat"), saved);
    }
}

}  // namespace
}  // namespace quorvel::app
