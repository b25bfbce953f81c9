#pragma once
// A beam dialog on a new project of one beam type, shown headless: the
// shipped slab catalogue and language files, the type's defaults, a middle
// beam unless the test makes it an edge beam. Messages nobody expected
// fail the test.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/beam_position.h"
#include "app/beam_types.h"
#include "app/slab_catalogue.h"
#include "inputfile/input_file_reader.h"
#include "inputfile/input_file_writer.h"
#include "model/project_defaults.h"
#include "platform/headless/headless_platform.h"
#include "support/test_support.h"

namespace quorvel::dialogs::testing {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

inline model::ProjectModel projectOfType(const std::string& typeName, bool middle = true) {
    model::ProjectModel m;
    m.DataPath = std::string(QUORVEL_SOURCE_DIR) + "/data/";
    m.SlabFileName = "ONTELO.MIT";
    m.StrandFileName = "PUNOS.VAT";
    app::LoadSlabCatalogue(m);
    model::ResetProjectDefaults(m);
    m.IsMiddleBeam = 1;
    app::SelectBeamType(m, *app::findBeamType(typeName));
    if (!middle) app::SetEdgeBeam(m);
    return m;
}

// The project saved to a project file and opened again on a program just
// started (the shipped catalogue, a new project's defaults).
inline model::ProjectModel throughProjectFile(model::ProjectModel& m) {
    quorvel::testing::TempFolder folder;
    const std::string file = folder.file("palkki.dat");
    EXPECT_EQ(inputfile::WriteInputDataFile(m, file), 0);
    model::ProjectModel back = projectOfType("SUORA");
    runtime::Messages messages;
    int16_t firstError = 0;
    EXPECT_EQ(inputfile::ReadInputDataFile(back, messages, file, firstError), 0);
    return back;
}

class BeamDialogTest : public ::testing::Test {
protected:
    BeamDialogTest() {
        ui.setProgramFolder(std::string(QUORVEL_SOURCE_DIR) + "/data/");
        ui.setStrict(true);
    }

    // Opens the dialog modally and runs the user's actions; they must close it.
    template <typename Dialog>
    void open(Dialog& d, std::function<void()> actions) {
        ui.showModal(d, std::move(actions));
    }

    // The range message of a refused value.
    void expectRange(const std::string& typed, const std::string& min, const std::string& max) {
        ui.expectMessageMatching(quorvel::testing::afterFieldName("Syöte " + typed + " ei arvoalueella (" + min + "<=...<=" + max + ")"), "Lukuarvovirhe",
                         Buttons::Ok, Icon::Exclamation);
    }
    void expectEmpty(const std::string& defaultText) {
        ui.expectMessageMatching(quorvel::testing::afterFieldName("Tyhjä kenttä ei kelpaa, asetettu oletusarvo " + defaultText), "Lukuarvovirhe", Buttons::Ok,
                         Icon::Exclamation);
    }
    // The contradiction question with the lines (each ending in CR LF).
    void expectQuestion(const std::string& lines, Answer answer) {
        ui.expectMessage("Ristiriitaisuuksia lähtötiedoissa:\r\n\r\n" + lines + "\r\nHaluatko jatkaa palkin muokkausta?",
                         "Varoitus!", Buttons::YesNo, Icon::Exclamation, answer);
    }

    platform::HeadlessPlatform ui;
};

}  // namespace quorvel::dialogs::testing
