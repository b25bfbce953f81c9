// Projects drawn at random within the main window's inputs, over every beam
// type the window knows, middle and edge beam, calculated through the
// Calculate command. Each calculation either completes with finite results
// or reports a run-time error number; none crashes, hangs or changes what
// the user typed beyond the documented corrections of the work-file round
// trip.
//
// QUORVEL_RANDOM_PROJECTS sets the number of projects (default 2000) and
// QUORVEL_RANDOM_SEED the seed (default fixed), so that a long run can be
// made once and any project it finds can be drawn again.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <iostream>
#include <map>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "app/beam_types.h"
#include "app/frm_quorvel.h"
#include "inputfile/input_file_reader.h"
#include "inputfile/input_file_writer.h"
#include "main_window_fixture.h"
#include "model/project_defaults.h"
#include "model/topping_load.h"
#include "support/test_support.h"

namespace quorvel::app {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

// A user who answers every question with No (go on with the calculation)
// and keeps the last failure message of a calculation.
class GoOnUser : public platform::HeadlessPlatform {
public:
    Answer messageBox(const std::string& text, Buttons buttons, Icon icon, const std::string& title,
                      Answer escapeAnswer) override {
        (void)escapeAnswer;
        if (buttons == Buttons::YesNo) return Answer::No;
        if (std::regex_search(text, failure) || text.rfind("Laskentaa ei", 0) == 0) lastFailure = text;
        (void)icon;
        (void)title;
        return Answer::Ok;
    }
    std::string lastFailure;
    const std::regex failure{"^(Laskenta keskeytyi|Calculation error)"};
};

long environmentNumber(const char* name, long fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtol(text, nullptr, 10) : fallback;
}

// Everything the user typed or chose in the main window, as it shows.
std::string windowInputs(const frmQuorvel& w) {
    std::string all;
    for (const platform::Control* c : w.controls()) {
        if (c->kind() == platform::ControlKind::TextBox)
            all += c->name() + "=" + static_cast<const platform::TextBox*>(c)->text() + "\n";
        else if (c->kind() == platform::ControlKind::ComboBox)
            all += c->name() + "=" + static_cast<const platform::ComboBox*>(c)->text() + "\n";
        else if (c->kind() == platform::ControlKind::OptionButton)
            all += c->name() + "=" + (static_cast<const platform::OptionButton*>(c)->value() ? "1" : "0") + "\n";
    }
    return all;
}

// The project as its file carries it.
std::string projectFile(model::ProjectModel& m, const quorvel::testing::TempFolder& folder) {
    const std::string path = folder.file("vertailu.dat");
    EXPECT_EQ(inputfile::WriteInputDataFile(m, path), 0);
    return quorvel::testing::readBytes(path);
}

// The first line where two texts differ, both versions.
std::string firstDifference(const std::string& before, const std::string& after) {
    std::istringstream a(before), b(after);
    std::string la, lb;
    for (int line = 1;; ++line) {
        const bool moreA = static_cast<bool>(std::getline(a, la));
        const bool moreB = static_cast<bool>(std::getline(b, lb));
        if (!moreA && !moreB) return "";
        if (!moreA || !moreB || la != lb) return "line " + std::to_string(line) + " before [" + (moreA ? la : "") + "] after [" + (moreB ? lb : "") + "]";
    }
}

// The results the window and the report show first: the eight gauges, the
// beam's maxima, its deflection and strain, the core filling.
std::vector<std::pair<const char*, double>> headlineResults(const model::ProjectModel& m) {
    std::vector<std::pair<const char*, double>> r;
    for (int side = 1; side <= 2; ++side) {
        r.emplace_back("SlabShearUtilisation", m.SlabShearUtilisation[side]);
        r.emplace_back("SlabBendingUtilisation", m.SlabBendingUtilisation[side]);
        r.emplace_back("SlabCrackingUtilisation", m.SlabCrackingUtilisation[side]);
        r.emplace_back("CoreFillingResult", m.CoreFillingResult(side));
        r.emplace_back("SlabPrincipalStressMax", m.SlabPrincipalStressMax(side));
    }
    r.emplace_back("UtilisationRatio", m.UtilisationRatio);
    r.emplace_back("MomentResistanceUsed", m.MomentResistanceUsed);
    r.emplace_back("MaxDesignMoment", m.MaxDesignMoment);
    r.emplace_back("MaxShearStage6", m.MaxShearStage6);
    r.emplace_back("BeamTopStrainMax", m.BeamTopStrainMax);
    r.emplace_back("AllowedStrain", m.AllowedStrain);
    r.emplace_back("BeamDeflectionTotalMax", m.BeamDeflectionTotalMax);
    for (int i = 0; i <= m.CalculationPointCount && i <= model::MaxCalculationPoint; ++i) {
        r.emplace_back("BeamMomentDesign", m.BeamMomentDesign(i, 6));
        r.emplace_back("BeamShearDesign", m.BeamShearDesign(i, 6));
    }
    return r;
}

// One project drawn within the boxes' ranges. The boxes are written as the
// user's typing writes them (each edit stores its field and throws the
// results away); the slab strands, which the slab dialog edits, go to the
// model.
class ProjectDrawer {
public:
    ProjectDrawer(frmQuorvel& w, unsigned seed) : w_(w), random_(seed) {}

    std::string draw() {
        model::ProjectModel& m = w_.model();
        std::ostringstream said;
        model::ResetProjectDefaults(m);
        m.IsMiddleBeam = 1;
        w_.RefreshMainForm();

        const auto types = BeamTypes();
        const BeamTypeInfo& type = types[pick(types.size())];
        auto* option = static_cast<platform::OptionButton*>(w_.findControl(std::string(type.option)));
        option->setValue(true);
        const bool edge = chance(0.3);
        (edge ? w_.optReunapalkki : w_.optKeskipalkki).setValue(true);
        said << type.typeName << (edge ? " edge" : " middle");

        for (int side = 1; side <= 2; ++side) {
            platform::ComboBox& list = side == 1 ? w_.cboVasenlaattatyyppi : w_.cboOikealaattatyyppi;
            if (list.listCount() > 0) list.setListIndex(static_cast<int>(pick(list.listCount())));
            for (const model::SlabTypeRecord& record : m.SlabCatalogue)
                if (record.Name == m.SlabTypeName(side) && record.StrandCount > 0)
                    m.BottomStrandCode(side) = record.StrandNames(static_cast<int>(pick(record.StrandCount)));
            said << " " << m.SlabTypeName(side) << "/" << m.BottomStrandCode(side);
        }

        const double span = m.BeamSpan;
        const struct {
            platform::TextBox frmQuorvel::*box;
            double low, high;
        } boxes[] = {
            {&frmQuorvel::txtVasenalkuvali, 200, 30000},    {&frmQuorvel::txtOikeaalkuvali, 200, 30000},
            {&frmQuorvel::txtVasenloppuvali, 200, 30000},   {&frmQuorvel::txtOikealoppuvali, 200, 30000},
            {&frmQuorvel::txtVasenlaatastopysyva, 0, 20},   {&frmQuorvel::txtOikealaatastopysyva, 0, 20},
            {&frmQuorvel::txtVasenlaatastomuuttuva, 0, 20}, {&frmQuorvel::txtOikealaatastomuuttuva, 0, 20},
            {&frmQuorvel::txtVasenlaatanalavali, 0, 100},   {&frmQuorvel::txtOikealaatanalavali, 0, 100},
            {&frmQuorvel::txtVasenontelotaytto, 0, 3000},   {&frmQuorvel::txtOikeaontelotaytto, 0, 3000},
            {&frmQuorvel::txtVasensaumavalu, 0, 300},       {&frmQuorvel::txtOikeasaumavalu, 0, 300},
            {&frmQuorvel::txtVasentukipituus, 20, 200},     {&frmQuorvel::txtOikeatukipituus, 20, 200},
            {&frmQuorvel::txtSaumanetaisyys, -span / 2, span / 2},
            {&frmQuorvel::txtPintapaksuus, 0, 500},         {&frmQuorvel::txtRaudoiteala, 0, 5000},
            {&frmQuorvel::txtRaudoitelujuus, 200, 700},
        };
        for (const auto& b : boxes) {
            platform::TextBox& box = w_.*b.box;
            if (!box.isEffectivelyVisible() || !box.enabled() || chance(0.5)) continue;
            const std::string text = number(b.low, b.high);
            box.setText(text);
            said << " " << box.name() << "=" << text;
        }
        for (platform::ComboBox* grade : {&w_.cboSaumabetoni, &w_.cboPintabetoni})
            if (chance(0.3) && grade->listCount() > 0) grade->setListIndex(static_cast<int>(pick(grade->listCount())));
        return said.str();
    }

private:
    std::size_t pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }
    // A value as typed: whole numbers mostly, the ends of the range and
    // near-zero values now and then.
    std::string number(double low, double high) {
        double v;
        switch (pick(8)) {
        case 0: v = low; break;
        case 1: v = high; break;
        case 2: v = low + (high - low) * 1e-4; break;
        default: v = std::round(std::uniform_real_distribution<double>(low, high)(random_)); break;
        }
        std::ostringstream s;
        s << v;
        return s.str();
    }

    frmQuorvel& w_;
    std::mt19937 random_;
};

TEST(RandomProjects, EveryCalculationCompletesOrReportsAnErrorNumber) {
    const long count = environmentNumber("QUORVEL_RANDOM_PROJECTS", 2000);
    const unsigned seed = static_cast<unsigned>(environmentNumber("QUORVEL_RANDOM_SEED", 20240305));

    quorvel::testing::TempFolder folder;
    for (const auto& entry : std::filesystem::directory_iterator(QUORVEL_SOURCE_DIR "/data"))
        std::filesystem::copy_file(entry.path(), folder.path() / entry.path().filename());

    GoOnUser ui;
    model::ProjectModel m;
    testing::loadShippedCatalogue(m);
    m.DataPath = folder.dataPath();
    frmQuorvel w(m, ui);
    w.onLoad = nullptr;
    w.show();

    ProjectDrawer drawer(w, seed);
    std::map<std::string, int> outcomes;
    const long examplesShown = environmentNumber("QUORVEL_RANDOM_EXAMPLES", 0);
    std::ostringstream examples;
    int failures = 0;
    for (long i = 0; i < count && failures < 5; ++i) {
        const std::string project = drawer.draw();
        const std::string inputsBefore = windowInputs(w);
        // Every calculation first brings the topping load up to date.
        model::ProjectModel beforeRun = m;
        model::ProjectModel expected = m;
        model::ComputeToppingLoad(expected);
        const std::string fileBefore = projectFile(expected, folder);
        ui.lastFailure.clear();
        w.RunCalculation();

        bool ok = true;
        if (m.ResultsValid == -1) {
            ++outcomes["completed"];
            for (const auto& [name, value] : headlineResults(m))
                if (!std::isfinite(value)) {
                    ADD_FAILURE() << "project " << i << " (" << project << "): " << name << " = " << value;
                    ok = false;
                    break;
                }
        } else {
            // A failed calculation says so with its number; a project the
            // calculation refuses (a slab side whose spacing leaves its
            // slabs no span, a beam section that cannot be built) says what
            // it refuses.
            std::smatch number;
            if (ui.lastFailure.rfind("Laskentaa ei tehty: ", 0) == 0) {
                if (++outcomes["not calculated"] <= examplesShown)
                    examples << "  not calculated: " << project << "\n";
            } else if (std::regex_search(ui.lastFailure, number, std::regex(" (-?[0-9]+)$"))) {
                const std::string outcome = "error " + number[1].str();
                if (++outcomes[outcome] <= examplesShown) examples << "  " << outcome << ": " << project << "\n";
            } else {
                ADD_FAILURE() << "project " << i << " (" << project << ") failed without its error number" << ui.lastFailure;
                ok = false;
            }
        }
        const std::string inputsAfter = windowInputs(w);
        const std::string fileAfter = projectFile(m, folder);
        // Completed or failed, the calculation gives back what was entered:
        // the file holds what it held before (with the topping load brought
        // up to date on success, as the calculation uses it).
        const std::string fileExpected = m.ResultsValid == -1 ? fileBefore : projectFile(beforeRun, folder);
        if (inputsAfter != inputsBefore || fileAfter != fileExpected) {
            ADD_FAILURE() << "project " << i << " (" << project << ") changed its input: "
                          << firstDifference(inputsBefore, inputsAfter) << " "
                          << firstDifference(fileExpected, fileAfter);
            ok = false;
        }
        if (!ok) ++failures;
    }
    std::ostringstream summary;
    for (const auto& [outcome, n] : outcomes) summary << " " << outcome << ": " << n << ";";
    std::cout << "[ random   ] seed " << seed << ", " << count << " projects:" << summary.str() << "\n" << examples.str();
    EXPECT_GT(outcomes["completed"], 0) << "no drawn project calculated at all";
}

}  // namespace
}  // namespace quorvel::app
