// The Kvatro beam dialog driven as a user types and clicks: bar diameters
// for areas, the bounds taken from other boxes, the bottom width from the
// visible boxes, the beam concrete, the two bar rows always saved, and its
// values through the project file.

#include "dialogs/concrete-beams/frm_kvatropalkki.h"

#include <cmath>
#include <limits>

#include "app/input_tools.h"
#include "beam_dialog_fixture.h"

namespace quorvel::dialogs::testing {
namespace {

class KvatroDialog : public BeamDialogTest {
protected:
    model::ProjectModel m = projectOfType("KVATRO");
    frmKvatropalkki d{m, ui};
};

TEST_F(KvatroDialog, ShowsDiametersAndTheWidthBetweenTheWebs) {
    // Area pi 16^2 = 804.2477: d = 2 sqrt(804.2477 / 3.14159265) = 32.
    // Between the webs: 490 - 120 - 120 - 2 (5) = 240.
    open(d, [&] {
        EXPECT_EQ(d.txtAlaRaudA.text(), "32");
        EXPECT_EQ(d.txtYlaRaudA.text(), "32");
        EXPECT_EQ(d.txtAlaRaudDist.text(), "48");
        EXPECT_EQ(d.txtYlaRaudDist.text(), "217");
        EXPECT_EQ(d.txtUala.text(), "240");
        EXPECT_EQ(d.txtVasenlaippa.text(), "120");
        EXPECT_EQ(d.cboTayttobetoni.text(), "30");
        EXPECT_EQ(d.cboTayttoluokka.text(), "1");
        EXPECT_FALSE(d.txtAla.visible());
        ui.click(d.cmdPeruuta);
    });
}

TEST_F(KvatroDialog, BothBarRowsAreSavedByOkWhateverElseChanged) {
    // The type's defaults count one row although the top bars of row 2 are
    // filled and shown: OK without any edit saves the count 2.
    ASSERT_EQ(m.ReinforcementRowCount, 1);
    open(d, [&] { ui.click(d.cmdOK); });
    EXPECT_EQ(m.SubFormChanged, 1);
    EXPECT_EQ(m.ReinforcementRowCount, 2);
    EXPECT_EQ(m.BarDistanceFromBottom(2).number(), 217);
    // With the count already 2 an unedited OK changes nothing.
    frmKvatropalkki again(m, ui);
    open(again, [&] { ui.click(again.cmdOK); });
    EXPECT_EQ(m.SubFormChanged, 0);
}

TEST_F(KvatroDialog, DiameterBecomesAreaAndAFractionOfABarIsRefused) {
    // Diameter 20: pi (20 / 2)^2 = 314.159265. A bar count holds whole bars:
    // 2.5 is refused, not rounded to what the box does not show.
    open(d, [&] {
        ui.typeOver(d.txtAlaRaudA, "20");
        ui.paste(d.txtAlaRaudLkm, "2.5");
        ui.expectMessage("Terästen lukumäärä rivillä: Syöte 2.5 ei ole kokonaisluku (kokonaisluku 2<=...<=10)",
                         "Lukuarvovirhe", Buttons::Ok, Icon::Exclamation);
        ui.click(d.cmdOK);
        ASSERT_TRUE(d.isLoaded());
        ui.paste(d.txtAlaRaudLkm, "3");
        ui.paste(d.txtYlaRaudLkm, "3");  // three 32 mm bars fit the 240 mm between the webs, four do not
        ui.click(d.cmdOK);
    });
    EXPECT_NEAR(m.BarArea(1).number(), 314.159265, 1e-6);
    EXPECT_EQ(m.BarsInRow(1), 3);
    EXPECT_EQ(m.BarsInRow(2), 3);
}

TEST_F(KvatroDialog, HugeDiameterInABoxNeverLeftIsRefusedByOk) {
    // pi (1E+30 / 2)^2 is beyond the single range. The boxes were never
    // left: OK checks them, the first refused box keeps the focus and the
    // model keeps its values.
    const double area = m.BarArea(1).number();
    const int16_t bars = m.BarsInRow(1);
    open(d, [&] {
        d.txtAlaRaudLkm.setText("1E+30");
        d.txtAlaRaudA.setText("1E+30");
        ui.expectMessage("Terästen lukumäärä rivillä: Syöte 1E+30 ei arvoalueella (kokonaisluku 2<=...<=10)",
                         "Lukuarvovirhe", Buttons::Ok, Icon::Exclamation);
        ui.click(d.cmdOK);
        ASSERT_TRUE(d.isLoaded());
        EXPECT_EQ(d.activeControl(), &d.txtAlaRaudLkm);
        ui.paste(d.txtAlaRaudLkm, "2");
        ui.expectMessage("Alareunan raudoitteen halkaisija: Syöte 1E+30 ei arvoalueella (16<=...<=32 mm)",
                         "Lukuarvovirhe", Buttons::Ok, Icon::Exclamation);
        ui.click(d.cmdOK);
        ASSERT_TRUE(d.isLoaded());
        EXPECT_EQ(d.activeControl(), &d.txtAlaRaudA);
        ui.paste(d.txtAlaRaudA, "20");  // Cancel takes the focus from the box
        ui.click(d.cmdPeruuta);
    });
    EXPECT_EQ(m.BarArea(1).number(), area);
    EXPECT_EQ(m.BarsInRow(1), bars);
}

TEST_F(KvatroDialog, OkWritesTheSectionFromTheVisibleBoxes) {
    // Inner width 240, ledges 110 and 110, webs 6: 240 + 110 + 110 + 12 = 472;
    // opened again the inner width shows 240.
    open(d, [&] {
        ui.typeOver(d.txttw, "6");
        ui.typeOver(d.txtVasenlaippa, "110");
        ui.typeOver(d.txtOikealaippa, "110");
        ui.typeOver(d.txth, "300");
        ui.typeOver(d.txthfala, "8");
        ui.click(d.chkVaarnoitus);
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.BottomFlangeWidth.number(), 472);
    EXPECT_EQ(m.WebThickness.number(), 6);
    EXPECT_EQ(m.BeamHeight.number(), 300);
    EXPECT_EQ(m.BottomFlangeThickness.number(), 8);
    EXPECT_EQ(m.TopFlangeWidth.number(), 0);
    EXPECT_EQ(m.DowelledConnection, 1);
    frmKvatropalkki again(m, ui);
    open(again, [&] {
        EXPECT_EQ(again.txtUala.text(), "240");
        EXPECT_EQ(again.chkVaarnoitus.value(), 1);
        ui.click(again.cmdPeruuta);
    });
}

TEST_F(KvatroDialog, WidthCheckReadsTheWidthTheWindowShows) {
    // Stored bottom width 490 fits a spacing of 500; the inner width typed
    // as 300 makes it 300 + 240 + 10 = 550, which does not.
    open(d, [&] {
        ui.typeOver(d.txtOikealoppuvali, "500");
        ui.typeOver(d.txtUala, "300");
        std::string lines;
        int16_t conflict = 0;
        d.CheckKvatroFormInput(lines, conflict);
        EXPECT_EQ(lines, "- Palkin leveys <=> palkkivälit.\r\n");
        ui.typeOver(d.txtUala, "240");
        d.CheckKvatroFormInput(lines, conflict);
        EXPECT_EQ(lines, "");
        ui.click(d.cmdPeruuta);
    });
}

TEST_F(KvatroDialog, LedgeAndHeightChecks) {
    // Ledges 110 against joint grout 30 + support 80 = 110 pass; 105 on the
    // right does not. A top row at 282 under a 300 height lies above
    // 300 - 20, though it passed its own bound 300 - 16.
    open(d, [&] {
        ui.typeOver(d.txtVasenlaippa, "110");
        ui.typeOver(d.txtOikealaippa, "110");
        std::string lines;
        int16_t conflict = 0;
        d.CheckKvatroFormInput(lines, conflict);
        EXPECT_EQ(lines, "");
        ui.typeOver(d.txtOikealaippa, "105");
        ui.typeOver(d.txth, "300");
        ui.typeOver(d.txtYlaRaudDist, "282");
        ui.tab();
        EXPECT_EQ(d.txtYlaRaudDist.text(), "282");
        d.CheckKvatroFormInput(lines, conflict);
        EXPECT_EQ(conflict, 1);
        EXPECT_EQ(lines,
                  "- Palkin leuka <=> saumavalu + tukipituus.\r\n- Palkin korkeus <=> raudoitteiden sijoitus.\r\n");
        ui.click(d.cmdPeruuta);
    });
}

TEST_F(KvatroDialog, RowDistanceBoundsComeFromTheOtherRows) {
    open(d, [&] {
        // The bottom row at most 217 - 16 = 201.
        expectRange("205", "8", "201 mm");
        ui.typeOver(d.txtAlaRaudDist, "205");
        ui.tab();
        ui.typeOver(d.txtAlaRaudDist, "48");
        // The top row at least 48 + 32 = 80 and at most 265 - 16 = 249.
        ui.expectMessageMatching(quorvel::testing::afterFieldName("Syöte 70 ei arvoalueella (80<=...<=249 mm)"), "Lukuarvovirhe", Buttons::Ok, Icon::Exclamation);
        ui.typeOver(d.txtYlaRaudDist, "70");
        ui.tab();
        ui.typeOver(d.txtYlaRaudDist, "217");
        ui.click(d.cmdPeruuta);
    });
}

TEST_F(KvatroDialog, EmptiedBoxesDoNotBecomeBounds) {
    // With the top row's box emptied, the bottom row's bound still comes
    // from the stored top row (217 - 16), not from an empty box read as 0.
    open(d, [&] {
        d.txtYlaRaudDist.setText("");
        ui.typeOver(d.txtAlaRaudDist, "100");
        ui.click(d.txtJannevali);
        EXPECT_EQ(d.txtAlaRaudDist.text(), "100");
        d.txtYlaRaudDist.setText("217");
        ui.click(d.cmdPeruuta);
    });
}

TEST_F(KvatroDialog, ConcreteCombosEditTheBeamConcrete) {
    // The Kvatro section and the project file use the beam concrete: a
    // strength of 35 (not in the list) is kept, shown and saved.
    m.BeamConcreteClass = 35;
    m.ConcreteQualityClass(1) = 0;  // not a class: becomes 2 on opening
    open(d, [&] {
        ASSERT_EQ(d.cboTayttobetoni.listCount(), 4);
        EXPECT_EQ(d.cboTayttobetoni.text(), "35");
        EXPECT_EQ(d.cboTayttoluokka.text(), "2");
        ui.click(d.cmdPeruuta);
    });
    EXPECT_EQ(m.ConcreteQualityClass(1).number(), 2);
    frmKvatropalkki again(m, ui);
    open(again, [&] {
        ui.typeOver(again.cboTayttobetoni, "45");
        ui.pressEnter();  // typed and confirmed with Enter
    });
    EXPECT_EQ(m.BeamConcreteClass.number(), 45);
    model::ProjectModel back = throughProjectFile(m);
    EXPECT_EQ(back.BeamConcreteClass.number(), 45);
}

TEST_F(KvatroDialog, EmptyHeightTakesTheThickerSlab) {
    // Middle beam with P32 (320) left and P27 (265) right: 320. Edge
    // beam: the right slab, 265. Neither in the catalogue: 200.
    m.SlabTypeName(1) = "P32";
    open(d, [&] {
        expectEmpty("320");
        ui.paste(d.txth, "");
        ui.tab();
        ui.click(d.cmdPeruuta);
    });
    m.IsMiddleBeam = 0;
    frmKvatropalkki edge(m, ui);
    open(edge, [&] {
        expectEmpty("265");
        ui.paste(edge.txth, "");
        ui.tab();
        expectEmpty("120");  // the left ledge of an edge beam: the type's own
        ui.paste(edge.txtVasenlaippa, "");
        ui.tab();
        ui.click(edge.cmdPeruuta);
    });
    m.SlabTypeName(1) = m.SlabTypeName(2) = "P99";
    frmKvatropalkki none(m, ui);
    open(none, [&] {
        expectEmpty("200");
        ui.paste(none.txth, "");
        ui.tab();
        ui.click(none.cmdPeruuta);
    });
}

TEST_F(KvatroDialog, ValuesComeBackThroughTheProjectFile) {
    open(d, [&] {
        ui.typeOver(d.txtAlaRaudA, "25");
        ui.typeOver(d.txtYlaRaudLkm, "3");
        ui.typeOver(d.txtUala, "260");
        ui.typeOver(d.txtTeraslujuus, "420");
        ui.click(d.cmdOK);
    });
    model::ProjectModel back = throughProjectFile(m);
    EXPECT_EQ(back.ReinforcementRowCount, 2);
    frmKvatropalkki again(back, ui);
    open(again, [&] {
        EXPECT_NEAR(app::ParseNumber(again.txtAlaRaudA.text(), '.'), 25, 1e-4);
        EXPECT_EQ(again.txtYlaRaudLkm.text(), "3");
        EXPECT_EQ(again.txtYlaRaudDist.text(), "217");
        EXPECT_EQ(again.txtUala.text(), "260");
        EXPECT_EQ(again.txtTeraslujuus.text(), "420");
        ui.click(again.cmdPeruuta);
    });
}

}  // namespace
}  // namespace quorvel::dialogs::testing
