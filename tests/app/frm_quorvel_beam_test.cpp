// The main window's middle / edge beam options, beam type options and the
// refresh from the model: what they write into the model and what the
// window then shows.

#include <gtest/gtest.h>

#include <cmath>

#include "app/beam_types.h"
#include "inputfile/input_file_writer.h"
#include "main_window_fixture.h"
#include "support/test_support.h"

using namespace quorvel;
using platform::OptionButton;
using platform::TextBox;

namespace {

using MainWindowBeam = app::testing::MainWindowTest;

// The six left boxes that an edge beam hides.
std::vector<TextBox*> hiddenLeftBoxes(app::frmQuorvel& w) {
    return {&w.txtVasenontelotaytto, &w.txtVasenlaatanalavali, &w.txtVasensaumavalu,
            &w.txtVasentukipituus,   &w.txtVasenalkuvali,      &w.txtVasenloppuvali};
}

bool slabsOnLedgeSketch(const app::frmQuorvel& w) {
    const bool ledge = w.linVasenvino.visible() && w.linVasenpysty.visible() && w.linOikeapysty.visible() &&
                       w.linOikeavino.visible();
    const bool top = w.linViiva.visible() && w.linKeskivino.visible() && w.shpPaalla.visible() &&
                     w.linAlempiyla.visible();
    EXPECT_NE(ledge, top) << "exactly one sketch variant is shown";
    return ledge;
}

}  // namespace

// --- Middle and edge beam ------------------------------------------------------

TEST_F(MainWindowBeam, SuoraMiddleEdgeMiddleRoundTrip) {
    ASSERT_EQ(m.BeamWidth.number(), 380.0);
    ASSERT_EQ(m.JointGroutWidth(2).number(), 90.0);
    ui.typeOver(w.txtOikeaalkuvali, "6600");
    ui.typeOver(w.txtOikealaatastopysyva, "0.8");
    ui.typeOver(w.txtVasentukipituus, "70");
    ui.typeOver(w.txtVasenontelotaytto, "120");

    ui.click(w.optReunapalkki);
    EXPECT_EQ(m.IsMiddleBeam, 0);
    EXPECT_EQ(m.JointGroutWidth(2).number(), 280.0);  // 90 + 380 / 2
    EXPECT_EQ(m.JointGroutWidth(1).number(), 0.0);
    EXPECT_EQ(m.BeamSpacing[4].number(), 0.0);
    EXPECT_EQ(m.BeamSpacing[7].number(), 0.0);
    EXPECT_EQ(m.SlabImposedLoadPermanent(1).number(), 0.0);
    EXPECT_EQ(m.SlabImposedLoadVariable(1).number(), 0.0);
    // Kept behind the hidden boxes.
    EXPECT_EQ(m.SlabSupportLength(1).number(), 70.0);
    EXPECT_EQ(m.CoreFillingLength(1).number(), 120.0);
    EXPECT_EQ(m.SlabTypeName(1), "P27");

    EXPECT_EQ(w.txtOikeasaumavalu.text(), "90");
    for (TextBox* load : {&w.txtVasenlaatastopysyva, &w.txtVasenlaatastomuuttuva}) {
        EXPECT_EQ(load->text(), "0");
        EXPECT_TRUE(load->visible());
        EXPECT_FALSE(load->enabled());
    }
    for (TextBox* box : hiddenLeftBoxes(w)) {
        EXPECT_FALSE(box->visible()) << box->name();
        EXPECT_FALSE(box->enabled()) << box->name();
    }
    EXPECT_FALSE(w.cboVasenlaattatyyppi.enabled());

    ui.click(w.optKeskipalkki);
    EXPECT_EQ(m.IsMiddleBeam, 1);
    EXPECT_EQ(m.JointGroutWidth(1).number(), 90.0);
    EXPECT_EQ(m.JointGroutWidth(2).number(), 90.0);
    EXPECT_EQ(m.BeamSpacing[4].number(), 6600.0);  // the right side's
    EXPECT_EQ(m.BeamSpacing[7].number(), 7200.0);
    EXPECT_FLOAT_EQ(static_cast<float>(m.SlabImposedLoadPermanent(1)), 0.8f);
    EXPECT_EQ(m.SlabSupportLength(1).number(), 70.0);
    EXPECT_EQ(w.txtVasenalkuvali.text(), "6600");
    EXPECT_EQ(w.txtVasenlaatastopysyva.text(), "0.8");
    EXPECT_EQ(w.txtVasensaumavalu.text(), "90");
    EXPECT_EQ(w.txtOikeasaumavalu.text(), "90");
    for (TextBox* box : hiddenLeftBoxes(w)) {
        EXPECT_TRUE(box->visible()) << box->name();
        EXPECT_TRUE(box->enabled()) << box->name();
    }
    EXPECT_TRUE(w.cboVasenlaattatyyppi.enabled());
    EXPECT_TRUE(w.txtVasenlaatastopysyva.enabled());
    EXPECT_EQ(m.InputChanged, -1);
}

TEST_F(MainWindowBeam, MiddleSwitchGivesAnLbBeamItsLeftProjectionBack) {
    choose(w.optLBL);
    ASSERT_EQ(m.BottomFlangeWidth.number(), 680.0);
    ui.click(w.optReunapalkki);
    ui.click(w.optKeskipalkki);
    EXPECT_EQ(m.BottomFlangeWidth.number(), 680.0);  // a 100 mm projection is left as it is

    ui.click(w.optReunapalkki);
    m.LeftLedgeWidth = 150;  // as the beam dialog might leave it
    m.SlabSupportLength(1) = 40;
    ui.click(w.optKeskipalkki);
    EXPECT_EQ(m.BottomFlangeWidth.number(), 630.0);  // 680 + 100 - 150
    EXPECT_EQ(m.LeftLedgeWidth.number(), 100.0);
    EXPECT_EQ(m.SlabSupportLength(1).number(), m.SlabSupportLength(2).number());
}

TEST_F(MainWindowBeam, TiEdgeSwitchMovesTheRightJointByHalfTheTopFlange) {
    choose(w.optTI);
    ASSERT_EQ(m.TopFlangeWidth.number(), 300.0);
    ASSERT_EQ(m.JointGroutWidth(2).number(), 85.0);
    ui.click(w.optReunapalkki);
    EXPECT_EQ(m.JointGroutWidth(2).number(), 235.0);
    EXPECT_EQ(w.txtOikeasaumavalu.text(), "85");
    ui.click(w.optKeskipalkki);
    EXPECT_EQ(m.JointGroutWidth(2).number(), 85.0);

    choose(w.optHQ);  // other families store the typed width in both states
    ui.click(w.optReunapalkki);
    EXPECT_EQ(m.JointGroutWidth(2).number(), 35.0);
}

// --- Beam types -----------------------------------------------------------------

TEST_F(MainWindowBeam, TypeChangesOnAnEdgeBeam) {
    ui.click(w.optReunapalkki);
    ASSERT_EQ(m.JointGroutWidth(2).number(), 280.0);
    ASSERT_FALSE(slabsOnLedgeSketch(w));

    // Less the SUORA half width (190), reset to 150 - 65 = 85, plus the TI
    // half top flange (150).
    choose(w.optTI);
    EXPECT_EQ(m.BeamTypeName, "TI");
    EXPECT_EQ(m.IsMiddleBeam, 0);
    EXPECT_EQ(m.JointGroutWidth(2).number(), 235.0);
    EXPECT_EQ(w.txtOikeasaumavalu.text(), "85");
    EXPECT_TRUE(w.optReunapalkki.value());
    EXPECT_FALSE(w.txtVasensaumavalu.visible());
    EXPECT_FALSE(slabsOnLedgeSketch(w));

    choose(w.optBLeuka);
    EXPECT_EQ(m.IsMiddleBeam, 0);
    EXPECT_EQ(m.JointGroutWidth(2).number(), 50.0);  // 115 - 65
    EXPECT_EQ(m.JointGroutWidth(1).number(), 0.0);
    EXPECT_EQ(m.BeamSpacing[4].number(), 0.0);
    EXPECT_EQ(m.BeamSpacing[7].number(), 0.0);
    EXPECT_EQ(m.SlabImposedLoadPermanent(1).number(), 0.0);
    EXPECT_EQ(m.SlabImposedLoadVariable(1).number(), 0.0);
    EXPECT_TRUE(slabsOnLedgeSketch(w));
    EXPECT_EQ(w.txtOikeasaumavalu.text(), "50");
    EXPECT_FALSE(w.cboVasenlaattatyyppi.enabled());
}

TEST_F(MainWindowBeam, TypeDefaultsStandAfterTheWindowRefresh) {
    choose(w.optKvatro);
    EXPECT_EQ(m.BeamFamilyCode(), "KV");
    EXPECT_EQ(m.ReinforcementRowCount, 1);  // although two rows are filled
    const double bar32 = M_PI * 16 * 16;    // two 32 mm bars per row
    for (int r : {1, 2}) {
        EXPECT_EQ(m.BarsInRow(r), 2);
        EXPECT_NEAR(m.BarArea(r), bar32, 1e-9);
        EXPECT_DOUBLE_EQ(m.BarPrestress(r), 0.001);
    }
    EXPECT_EQ(m.BarDistanceFromBottom(1).number(), 48.0);
    EXPECT_EQ(m.BarDistanceFromBottom(2).number(), 217.0);
    EXPECT_EQ(w.txtOikeasaumavalu.text(), "30");
    EXPECT_EQ(w.txtOikeatukipituus.text(), "80");

    choose(w.OptApalkki);
    EXPECT_EQ(m.BeamFamilyCode(), "AP");
    // Bar of 314 mm²: d = sqrt(4 x 314 / 3.14159) = 19.995 mm; rows at
    // Int(d/2 + 0.5) = 10 and Int(15 + d/2 + 0.5) = 25 from the top.
    EXPECT_EQ(m.TopBarDistanceFromTop(1).number(), 10.0);
    EXPECT_EQ(m.TopBarDistanceFromTop(2).number(), 25.0);
    EXPECT_NEAR(m.OverallBeamHeight, 245 + 19.995, 1e-3);

    ASSERT_EQ(m.BeamSpan.number(), 6000.0);
    m.BeamSpan = 7000;
    choose(w.optMEK);
    EXPECT_EQ(m.BeamSpan.number(), 6850.0);
    choose(w.optSuper);  // hidden: chosen from code
    EXPECT_EQ(m.BeamSpan.number(), 6000.0);
    EXPECT_EQ(m.BeamTypeName, "BESUPER");
    m.BeamSpan = 7000;
    choose(w.optDelta);
    EXPECT_EQ(m.BeamSpan.number(), 7000.0);
    EXPECT_EQ(m.InputChanged, -1);
}

TEST_F(MainWindowBeam, ProjectOfAHiddenTypeSelectsItsOption) {
    for (auto [name, option] : {std::pair{"CWQ", &w.OptCWQ}, {"JALO", &w.optJalo}, {"BESUPER", &w.optSuper}}) {
        SCOPED_TRACE(name);
        m.BeamTypeName = name;
        w.RefreshMainForm();
        EXPECT_TRUE(option->value());
        EXPECT_FALSE(option->visible());
        EXPECT_EQ(m.BeamTypeName, name);
        EXPECT_EQ(m.Family(), app::findBeamType(name)->family);
    }
    EXPECT_EQ(m.ReinforcementStrength.number(), 1630.0);  // BESUPER's defaults were written
}

// --- Refresh --------------------------------------------------------------------

TEST_F(MainWindowBeam, RefreshCorrectsListsAndGaps) {
    ui.typeOver(w.txtPintapaksuus, "35");
    m.JointConcreteClass = 35;
    m.ToppingConcreteClass = 20;
    m.ConcreteQualityClass(3) = 0;
    m.ConcreteQualityClass(6) = 4;
    m.SlabBottomGap(1) = -5;
    m.SlabBottomGap(2) = 0.001;
    m.ToppingThickness = 0.001;
    m.InputChanged = 0;
    w.RefreshMainForm();

    EXPECT_EQ(w.cboSaumabetoni.items(), (std::vector<std::string>{"16", "25", "30", "35"}));
    EXPECT_EQ(w.cboSaumabetoni.listIndex(), 3);
    EXPECT_EQ(m.JointConcreteClass.number(), 35.0);
    EXPECT_EQ(w.cboPintabetoni.items(), (std::vector<std::string>{"20", "25", "30"}));
    EXPECT_EQ(w.cboPintabetoni.text(), "20");
    EXPECT_EQ(m.ConcreteQualityClass(3).number(), 2.0);
    EXPECT_EQ(m.ConcreteQualityClass(6).number(), 2.0);
    EXPECT_EQ(w.cboSaumaluokka.text(), "2");
    EXPECT_EQ(w.cboPintaluokka.text(), "2");
    EXPECT_EQ(m.SlabBottomGap(1).number(), 0.0);
    EXPECT_EQ(m.SlabBottomGap(2).number(), 0.0);
    EXPECT_EQ(w.txtVasenlaatanalavali.text(), "0");
    EXPECT_EQ(w.txtOikealaatanalavali.text(), "0");
    EXPECT_EQ(w.txtPintapaksuus.text(), "0");
    EXPECT_DOUBLE_EQ(m.ToppingThickness, 0.0);  // what the box shows
    EXPECT_EQ(m.InputChanged, -1);  // the boxes whose text changed stored it
}

TEST_F(MainWindowBeam, RefreshShowsTheTypedRightJointOfAnEdgeBeam) {
    ui.click(w.optReunapalkki);
    m.JointGroutWidth(2) = 240;
    w.RefreshMainForm();
    EXPECT_EQ(w.txtOikeasaumavalu.text(), "50");  // 240 - 380 / 2
    EXPECT_EQ(m.JointGroutWidth(2).number(), 240.0);
}

TEST_F(MainWindowBeam, BothLeftSpacingsZeroMakeAnEdgeBeam) {
    m.BeamSpacing[4] = 0;
    w.RefreshMainForm();
    EXPECT_EQ(m.IsMiddleBeam, 1);  // one spacing is not enough

    m.BeamSpacing[7] = 0;
    w.RefreshMainForm();
    EXPECT_EQ(m.IsMiddleBeam, 0);
    EXPECT_TRUE(w.optReunapalkki.value());
    EXPECT_FALSE(w.cboVasenlaattatyyppi.enabled());
    EXPECT_FALSE(w.txtVasentukipituus.visible());
    EXPECT_FALSE(w.txtVasenlaatastopysyva.enabled());
    EXPECT_EQ(m.JointGroutWidth(1).number(), 0.0);
}

// A type the catalogue lacks is shown as it is, never replaced unasked.
TEST_F(MainWindowBeam, SlabTypeOutsideTheCatalogueIsShownAndKept) {
    m.SlabTypeName(1) = "P99";
    const std::string strands = m.BottomStrandCode(1);
    w.RefreshMainForm();
    EXPECT_EQ(w.cboVasenlaattatyyppi.listCount(), m.SlabTypeCount + 1);
    EXPECT_EQ(w.cboVasenlaattatyyppi.text(), "P99");
    EXPECT_EQ(m.SlabTypeName(1), "P99");
    EXPECT_EQ(m.BottomStrandCode(1), strands);
    EXPECT_EQ(m.SlabTypeName(2), "P27");
}

TEST_F(MainWindowBeam, FamilyWithoutAnOptionStartsANewProject) {
    for (const char* name : {"HX", "XX", ""}) {
        SCOPED_TRACE(name);
        choose(w.optTI);
        ui.typeOver(w.txtOtsikko1, "Vanha");
        m.BeamTypeName = name;
        w.RefreshMainForm();
        EXPECT_EQ(m.BeamTypeName, "SUORA");
        EXPECT_EQ(m.BeamWidth.number(), 380.0);
        EXPECT_TRUE(w.optSuora.value());  // the window shows the new project's type
        EXPECT_FALSE(slabsOnLedgeSketch(w));
        EXPECT_EQ(w.txtOtsikko1.text(), "");
        EXPECT_EQ(m.TitleLine1, "");
    }
}

// Selecting a type and refreshing leaves a window and a model that one more
// refresh does not change: every box shows a value that reads back as
// itself, and nothing marks the input changed.
TEST(MainWindowRefresh, SecondRefreshChangesNothingForEveryTypeAndPosition) {
    quorvel::testing::TempFolder folder;
    auto snapshot = [&](const model::ProjectModel& m, const app::frmQuorvel& w) {
        model::ProjectModel copy = m;
        EXPECT_EQ(inputfile::WriteInputDataFile(copy, folder.file("state.dat")), 0);
        std::string s = folder.read("state.dat") + "|middle " + std::to_string(m.IsMiddleBeam);
        for (const platform::Control* c : w.controls()) {
            if (c->kind() == platform::ControlKind::TextBox)
                s += "|" + c->name() + "=" + static_cast<const TextBox*>(c)->text();
            if (c->kind() == platform::ControlKind::ComboBox)
                s += "|" + c->name() + "=" + static_cast<const platform::ComboBox*>(c)->text();
            s += c->visible() ? "v" : "h";
            s += c->enabled() ? "e" : "d";
        }
        return s;
    };

    for (const app::BeamTypeInfo& type : app::BeamTypes()) {
        for (bool edge : {false, true}) {
            SCOPED_TRACE(std::string(type.typeName) + (edge ? " edge" : " middle"));
            platform::HeadlessPlatform ui;
            model::ProjectModel m;
            app::testing::loadShippedCatalogue(m);
            model::ResetProjectDefaults(m);
            m.IsMiddleBeam = 1;
            app::frmQuorvel w(m, ui);
            w.onLoad = nullptr;
            w.show();
            w.RefreshMainForm();
            if (edge) w.optReunapalkki.setValue(true);

            auto& option = *static_cast<OptionButton*>(w.findControl(std::string(type.option)));
            if (option.value()) w.optHQ.setValue(true);
            option.setValue(true);
            ASSERT_EQ(m.BeamTypeName, type.typeName);
            ASSERT_EQ(m.IsMiddleBeam, edge ? 0 : 1);
            w.RefreshMainForm();

            const std::string before = snapshot(m, w);
            m.InputChanged = 0;
            w.RefreshMainForm();
            EXPECT_EQ(snapshot(m, w), before);
            EXPECT_EQ(m.InputChanged, 0);
            EXPECT_TRUE(ui.messages().empty());
        }
    }
}
