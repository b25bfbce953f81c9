// The strain check at the slab support and the side symmetry of the
// calculation, through the main window: the sides without slabs count for
// nothing, a mirrored project gives mirrored gauges, and a beam whose slabs
// bear on ledges shows the check as not applicable in the gauge and the
// table in the window's language.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "app/beam_types.h"
#include "app/frm_quorvel.h"
#include "app/frm_taulukot.h"
#include "model/topping_load.h"
#include "project_window_fixture.h"

namespace quorvel::app {
namespace {

using platform::DrawCommand;

class StrainCheck : public testing::ProjectWindowTest {
protected:
    void chooseType(std::string_view typeName) {
        choose(*static_cast<platform::OptionButton*>(w.findControl(std::string(findBeamType(typeName)->option))));
    }
    // The calculation as the Calculate command runs it once its questions
    // are answered with No: the topping load, the driver, the gauges.
    void calculate() {
        model::ComputeToppingLoad(m);
        runtime::Messages messages;
        ASSERT_EQ(analysis::PerformCalculation(m, messages), 0) << m.BeamTypeName;
        m.ResultsValid = -1;
        w.DrawResultGauges();
    }
    // The eight gauge values in the window's order: left shear, bending,
    // cracking, right shear, bending, cracking, beam, strain.
    std::array<double, 8> gauges() const {
        return {m.SlabShearUtilisation(1), m.SlabBendingUtilisation(1), m.SlabCrackingUtilisation(1),
                m.SlabShearUtilisation(2), m.SlabBendingUtilisation(2), m.SlabCrackingUtilisation(2),
                m.UtilisationRatio,        m.BeamTopStrainMax / m.AllowedStrain};
    }
    // The texts a gauge shows.
    static std::vector<std::pair<platform::Color, std::string>> texts(const platform::PictureBox& pic) {
        std::vector<std::pair<platform::Color, std::string>> all;
        for (const DrawCommand& c : pic.displayList())
            if (c.kind == DrawCommand::Kind::Text) all.emplace_back(c.color, c.text);
        return all;
    }
};

// Every input of one side exchanged with the other's.
void mirror(model::ProjectModel& m) {
    auto side = [](auto& a) { std::swap(a(1), a(2)); };
    auto bySide = [](auto& a, int first, int last) {  // (side, index)
        for (int i = first; i <= last; ++i) std::swap(a(1, i), a(2, i));
    };
    auto byLoad = [](auto& a) {  // (load, side)
        for (int i = 0; i <= 5; ++i) std::swap(a(i, 1), a(i, 2));
    };
    side(m.SlabTypeName), side(m.BottomStrandCode), side(m.TopStrandCode);
    for (model::SideArray* a :
         {&m.StrandInitialStress, &m.StrandPrestressLoss, &m.SlabConcreteClass, &m.SlabSupportLength,
          &m.SlabBottomGap, &m.JointGroutWidth, &m.CoreFillingLength, &m.ToppingLoad, &m.SlabImposedLoadPermanent,
          &m.SlabImposedLoadVariable, &m.SlabLineLoadCount, &m.SlabPointLoadCount, &m.SlabSelfWeightFactor})
        side(*a);
    side(m.HoleCount);
    for (model::SideEndArray* a : {&m.BeamSpacing, &m.HoleX, &m.HoleWidthB, &m.HoleY, &m.HoleLengthA})
        bySide(*a, 0, 2);
    for (model::LoadSideArray* a : {&m.SlabLineLoadG, &m.SlabLineLoadQ, &m.SlabLineLoadY, &m.SlabPointLoadG,
                                    &m.SlabPointLoadQ, &m.SlabPointLoadX, &m.SlabPointLoadY})
        byLoad(*a);
    std::swap(m.LeftLedgeHeight, m.RightLedgeHeight);
    std::swap(m.LeftLedgeDepth, m.RightLedgeDepth);
    std::swap(m.LeftLedgeWidth, m.RightLedgeWidth);
}

// A middle beam whose two slab fields differ (spans 7200 and 6000 mm,
// variable loads 2.5 and 6 kN/m2, slab bottoms 10 and 40 mm over their
// seats), mirrored: every gauge of one side shows what the other side's
// showed, the beam and the strain what they showed. Over every type of the
// main window: as a middle beam the window gives each a section that is the
// same seen from either side (equal ledges, flanges and seats).
TEST_F(StrainCheck, AMirroredMiddleBeamGivesMirroredGauges) {
    for (const BeamTypeInfo& type : BeamTypes()) {
        SCOPED_TRACE(type.typeName);
        model::ResetProjectDefaults(m);
        chooseType(type.typeName);
        ui.click(w.optKeskipalkki);
        for (int end = 1; end <= 2; ++end) m.BeamSpacing(2, end) = 6000;
        m.SlabImposedLoadVariable(1) = 2.5;
        m.SlabImposedLoadVariable(2) = 6.0;
        m.SlabBottomGap(1) = 10;
        m.SlabBottomGap(2) = 40;
        calculate();
        const std::array<double, 8> before = gauges();
        ASSERT_NE(before[0], before[3]);  // the sides differ

        mirror(m);
        calculate();
        const std::array<double, 8> after = gauges();
        const int mirrored[8] = {3, 4, 5, 0, 1, 2, 6, 7};
        for (int g = 0; g < 8; ++g)
            EXPECT_NEAR(after[g], before[mirrored[g]], 1e-9 * std::fabs(before[mirrored[g]])) << "gauge " << g;
    }
}

// The edge beam whose hidden left side holds values (a SUORA edge beam, the
// left slab bottom gap 10 and grout 90 mm, as a project file may give
// them): changing them to 100 and 20 mm moved the strain from 1.156e-5 to
// 1.686e-5. The left side carries no slabs: no gauge moves.
TEST_F(StrainCheck, AnEdgeBeamsHiddenLeftSideChangesNoGauge) {
    ui.click(w.optReunapalkki);
    ASSERT_EQ(m.BeamTypeName, "SUORA");
    m.SlabBottomGap(1) = 10;
    m.JointGroutWidth(1) = 90;
    calculate();
    const std::array<double, 8> before = gauges();
    EXPECT_GT(before[7], 0.0);  // the check applies to a beam carrying the slabs on its top
    m.SlabBottomGap(1) = 100;
    m.JointGroutWidth(1) = 20;
    calculate();
    EXPECT_EQ(gauges(), before);
    EXPECT_EQ(m.SlabBottomGap(1), 100.0);  // the run gives the hidden values back
    EXPECT_EQ(m.JointGroutWidth(1), 20.0);
}

// Where the slabs bear on ledges (the LBL beam) the strain check does not
// apply: the gauge shows no bar and no number, only "ei sovelleta" in grey,
// "not applicable" once the windows are English, and the table's strain
// row says the same without a picture; a beam carrying the slabs on its
// top (SUORA) shows its percentage.
TEST_F(StrainCheck, WhereTheCheckDoesNotApplyGaugeAndTableSaySo) {
    constexpr platform::Color Grey = platform::rgb(128, 128, 128);
    const std::string dashes = "--------------------- ";
    chooseType("LBL");
    calculate();
    for (auto [language, text] : {std::pair{0, "ei sovelleta"}, std::pair{1, "not applicable"}}) {
        SCOPED_TRACE(text);
        if (language == 1) w.SwitchToEnglish();
        EXPECT_EQ(texts(w.picVenyma), (std::vector<std::pair<platform::Color, std::string>>{{Grey, text}}));
        for (const DrawCommand& c : w.picVenyma.displayList())
            EXPECT_NE(c.kind, DrawCommand::Kind::FilledBox) << "a bar";
        ui.onModal("frmTaulukot", [&, text = text](platform::Form& f) {
            auto& table = static_cast<frmTaulukot&>(f);
            EXPECT_EQ(table.Grid3.textMatrix(2, 1), dashes);
            EXPECT_EQ(table.Grid3.textMatrix(2, 2), dashes);
            EXPECT_EQ(table.Grid3.textMatrix(2, 3), std::string(text) + " ");
            EXPECT_EQ(table.Grid3.cellPicture(2, 3), "");
            table.cmdOK.press();
        });
        ui.click(w.cmdTaulukko);
    }

    chooseType("SUORA");
    calculate();
    const auto percent = texts(w.picVenyma);
    ASSERT_EQ(percent.size(), 1u);
    EXPECT_EQ(percent[0].second, std::to_string(std::lround(100 * m.BeamTopStrainMax / m.AllowedStrain)));
    EXPECT_NE(percent[0].first, Grey);
}

}  // namespace
}  // namespace quorvel::app
