#pragma once
// The main window on a new project, shown headless without its start-up
// (no settings, no about window): the shipped slab catalogue, the
// new-project defaults, a middle beam, one refresh, the input unchanged.

#include <gtest/gtest.h>

#include <string>

#include "app/frm_quorvel.h"
#include "app/slab_catalogue.h"
#include "model/project_defaults.h"
#include "platform/headless/headless_platform.h"
#include "support/test_support.h"

namespace quorvel::app::testing {

inline void loadShippedCatalogue(model::ProjectModel& m) {
    m.DataPath = quorvel::testing::sourceFolder() + "/data/";
    m.SlabFileName = "ONTELO.MIT";
    m.StrandFileName = "PUNOS.VAT";
    LoadSlabCatalogue(m);
}

// The save questions that leaving the project asks (New, Open and Quit ask
// them while the project counts as changed; the results only when there
// are some not saved), answered No.
inline void declineSaveQuestions(platform::HeadlessPlatform& ui, const model::ProjectModel& m) {
    if (m.InputChanged != -1) return;
    if (m.InputSaved != -1) ui.answerNext(platform::Answer::No);
    if (m.ResultsValid == -1 && m.ResultsSaved != -1) ui.answerNext(platform::Answer::No);
}

class MainWindowTest : public ::testing::Test {
protected:
    explicit MainWindowTest(char decimalMark = '.') : ui(decimalMark) {}

    void SetUp() override {
        loadShippedCatalogue(m);
        model::ResetProjectDefaults(m);
        m.IsMiddleBeam = 1;
        w.onLoad = nullptr;  // the start-up sequence is tested on its own
        w.show();
        w.RefreshMainForm();
        m.InputChanged = 0;
        ui.setStrict(true);  // a message nobody expected fails the test
    }

    void declineSaveQuestions() { testing::declineSaveQuestions(ui, m); }

    // The focus leaves a box for a title line (which checks nothing).
    void leave() { ui.click(w.txtOtsikko2); }

    // Chooses an option as a click does (hidden options from code).
    void choose(platform::OptionButton& option) {
        if (option.isEffectivelyVisible())
            ui.click(option);
        else
            option.setValue(true);
    }

    platform::HeadlessPlatform ui;
    model::ProjectModel m;
    frmQuorvel w{m, ui};
};

}  // namespace quorvel::app::testing
