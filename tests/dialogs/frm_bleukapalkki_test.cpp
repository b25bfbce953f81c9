// The ledge beam dialog (BLEUKA and JALO) driven as a user types and
// clicks, and its values through the project file.

#include "dialogs/concrete-beams/frm_bleukapalkki.h"

#include "beam_dialog_fixture.h"

namespace quorvel::dialogs::testing {
namespace {

class LedgeDialog : public BeamDialogTest {
protected:
    model::ProjectModel m = projectOfType("BLEUKA");
    frmBLeukapalkki d{m, ui};
};

TEST_F(LedgeDialog, ShowsTheLedgesAndWritesThemOnOk) {
    open(d, [&] {
        EXPECT_EQ(d.txtKorkeus.text(), "365");
        EXPECT_EQ(d.txtLeveys.text(), "280");
        EXPECT_EQ(d.txtVasenLeuankorkeus.text(), "100");
        EXPECT_EQ(d.txtOikeaLeuankorkeus.text(), "100");
        EXPECT_EQ(d.txtVasenleuka.text(), "150");
        EXPECT_EQ(d.txtOikealeuka.text(), "150");
        EXPECT_EQ(d.chkVaarnoitus.value(), 1);
        EXPECT_EQ(d.txtRaudLkm.text(), "10");
        ui.typeOver(d.txtVasenLeuankorkeus, "120");
        ui.typeOver(d.txtOikeaLeuankorkeus, "130");
        ui.typeOver(d.txtVasenleuka, "160");
        ui.typeOver(d.txtOikealeuka, "170");
        ui.typeOver(d.txtKorkeus, "400");
        ui.click(d.chkVaarnoitus);
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.SubFormChanged, 1);
    EXPECT_EQ(m.LeftLedgeHeight.number(), 120);
    EXPECT_EQ(m.RightLedgeHeight.number(), 130);
    EXPECT_EQ(m.LeftLedgeDepth.number(), 160);
    EXPECT_EQ(m.RightLedgeDepth.number(), 170);
    EXPECT_EQ(m.OverallBeamHeight.number(), 400);
    EXPECT_EQ(m.DowelledConnection, 0);
}

TEST_F(LedgeDialog, EdgeBeamWidthLeavesTheJointGrout) {
    m = projectOfType("BLEUKA", false);
    const double grout = m.JointGroutWidth(2).number();
    open(d, [&] {
        EXPECT_TRUE(d.txtVasenleuka.enabled());  // only the left spacings are off
        EXPECT_FALSE(d.txtVasenloppuvali.enabled());
        ui.typeOver(d.txtLeveys, "380");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.BeamWidth.number(), 380);
    EXPECT_EQ(m.JointGroutWidth(2).number(), grout);
}

TEST_F(LedgeDialog, EmptyLedgeTakesTheSeatAndThirtyFive) {
    // Joint grout 90 and support 65 on the right: 90 + 65 + 35 = 190; the
    // type's own 50 and 65 give 150, the smallest default.
    m.JointGroutWidth(2) = 90;
    open(d, [&] {
        expectEmpty("190");
        ui.paste(d.txtOikealeuka, "");
        ui.tab();
        expectEmpty("150");
        ui.paste(d.txtVasenleuka, "");
        ui.tab();
        ui.click(d.cmdPeruuta);
    });
}

TEST_F(LedgeDialog, WebMayBeNarrowerWithoutALeftLedge) {
    open(d, [&] {
        ui.typeOver(d.txtVasenleuka, "0.05");
        ui.typeOver(d.txtLeveys, "150");
        ui.tab();
        EXPECT_EQ(d.txtLeveys.text(), "150");
        ui.typeOver(d.txtVasenleuka, "0.1");
        ui.expectMessageMatching(quorvel::testing::afterFieldName("Syöte 150 ei arvoalueella (180<=...<=5000 mm)"), "Lukuarvovirhe", Buttons::Ok, Icon::Exclamation);
        ui.click(d.txtLeveys);
        ui.tab();
        ui.typeOver(d.txtLeveys, "280");
        ui.click(d.cmdPeruuta);
    });
}

TEST_F(LedgeDialog, CheckComparesHeightsLedgesAndSpacings) {
    open(d, [&] {
        // Ledge heights 100 and 620 with the height emptied: 620.
        ui.typeOver(d.txtOikeaLeuankorkeus, "620");
        expectEmpty("620");
        ui.paste(d.txtKorkeus, "");
        ui.tab();
        std::string lines;
        int16_t conflict = 0;
        ui.typeOver(d.txtKorkeus, "600");
        // Web 280 with ledges 150 and 150 against a smallest spacing of 500.
        ui.typeOver(d.txtVasenloppuvali, "500");
        d.CheckBLeukaFormInput(lines, conflict);
        EXPECT_EQ(conflict, 1);
        EXPECT_EQ(lines, "- Palkin leveys <=> palkkivälit.\r\n- Palkin korkeus <=> leuan korkeus.\r\n");
        ui.typeOver(d.txtVasenloppuvali, "580");  // 580 is not greater than 580
        ui.typeOver(d.txtKorkeus, "620");
        d.CheckBLeukaFormInput(lines, conflict);
        EXPECT_EQ(lines, "");
        // Ledges 200 + 200 on a web of 300 take 700 between the beams (the calculation's check).
        ui.typeOver(d.txtVasenleuka, "200");
        ui.typeOver(d.txtOikealeuka, "200");
        ui.typeOver(d.txtLeveys, "300");
        ui.typeOver(d.txtVasenloppuvali, "650");
        d.CheckBLeukaFormInput(lines, conflict);
        EXPECT_EQ(lines, "- Palkin leveys <=> palkkivälit.\r\n");
        ui.typeOver(d.txtVasenloppuvali, "700");
        d.CheckBLeukaFormInput(lines, conflict);
        EXPECT_EQ(lines, "");
        ui.click(d.cmdPeruuta);
    });
}

TEST_F(LedgeDialog, EdgeBeamComparesTheRightLedgeOnly) {
    // Right ledge 100 against joint grout 90 + support 65; the left ledge
    // of 0 is not compared on an edge beam.
    m = projectOfType("BLEUKA", false);
    m.JointGroutWidth(2) = 90;
    open(d, [&] {
        ui.typeOver(d.txtOikealeuka, "100");
        ui.typeOver(d.txtVasenleuka, "0");
        std::string lines;
        int16_t conflict = 0;
        d.CheckBLeukaFormInput(lines, conflict);
        EXPECT_EQ(lines, "- Palkin leuka <=> saumavalut + tukipituudet.\r\n");
        ui.click(d.cmdPeruuta);
    });
}

TEST_F(LedgeDialog, JaloOpensTheSameDialogOnItsOwnValues) {
    m = projectOfType("JALO");
    open(d, [&] {
        EXPECT_EQ(d.caption(), "Leukapalkki/Jalopalkki - teräsbetonia");
        EXPECT_EQ(d.txtRaudLkm.text(), "14");
        EXPECT_EQ(d.txtRaudA.text(), "93");
        EXPECT_EQ(d.txtEsijannitys.text(), "1000");
        EXPECT_EQ(d.txtRaud_lujuus.text(), "1550");
        ui.typeOver(d.txtEsijannitys, "1200");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.BarPrestress(1).number(), 1200);
    EXPECT_EQ(m.BeamTypeName, "JALO");
}

TEST_F(LedgeDialog, ClassChoiceAloneIsSaved) {
    open(d, [&] {
        ui.selectItem(d.cboLuokka, 2);
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.SubFormChanged, 1);
    EXPECT_EQ(m.ConcreteQualityClass(1).number(), 3);
}

TEST_F(LedgeDialog, StrengthTypedAndConfirmedWithEnterIsSaved) {
    open(d, [&] {
        ui.typeOver(d.cboBetoni, "55");
        ui.pressEnter();
    });
    EXPECT_EQ(m.BeamConcreteClass.number(), 55);
}

TEST_F(LedgeDialog, ValuesComeBackThroughTheProjectFile) {
    open(d, [&] {
        ui.typeOver(d.txtVasenLeuankorkeus, "140");
        ui.typeOver(d.txtOikealeuka, "175");
        ui.typeOver(d.txtRiviLkm, "2");
        ui.typeOver(d.txtRiviNo, "2");
        ui.typeOver(d.txtRaudLkm, "6");
        ui.typeOver(d.cboBetoni, "45");
        ui.selectItem(d.cboLuokka, 1);
        ui.click(d.cmdOK);
    });
    model::ProjectModel back = throughProjectFile(m);
    frmBLeukapalkki again(back, ui);
    open(again, [&] {
        EXPECT_EQ(again.txtVasenLeuankorkeus.text(), "140");
        EXPECT_EQ(again.txtOikealeuka.text(), "175");
        EXPECT_EQ(again.txtRiviLkm.text(), "2");
        EXPECT_EQ(again.cboBetoni.text(), "45");
        EXPECT_EQ(again.cboLuokka.text(), "2");
        ui.typeOver(again.txtRiviNo, "2");
        EXPECT_EQ(again.txtRaudLkm.text(), "6");
        EXPECT_EQ(again.chkVaarnoitus.value(), 1);
        ui.click(again.cmdPeruuta);
    });
}

}  // namespace
}  // namespace quorvel::dialogs::testing
