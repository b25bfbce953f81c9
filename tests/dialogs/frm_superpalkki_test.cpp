// The Super beam dialog driven as a user types and clicks: the angle size,
// the bar-row limit, the check against the angle size, every row written,
// and its values through the project file.

#include "dialogs/concrete-beams/frm_superpalkki.h"

#include "beam_dialog_fixture.h"

namespace quorvel::dialogs::testing {
namespace {

class SuperDialog : public BeamDialogTest {
protected:
    SuperDialog() {
        // Slabs level with the default beam: 240 + 20 = 260 lies within
        // 10 mm of a 265 mm slab without a gap.
        m.SlabBottomGap(1) = 0;
        m.SlabBottomGap(2) = 0;
    }
    model::ProjectModel m = projectOfType("BESUPER");
    FrmSuperpalkki d{m, ui};
};

TEST_F(SuperDialog, ShowsTheModelWithTheStrandCountFixed) {
    open(d, [&] {
        EXPECT_EQ(d.cboBetoni.text(), "60");
        EXPECT_EQ(d.cbobwbeam.text(), "600");
        EXPECT_EQ(d.cboh.text(), "240");
        EXPECT_EQ(d.cboLaippa1.text(), "110");
        EXPECT_EQ(d.txtBYla.text(), "50");
        EXPECT_EQ(d.txthfYla.text(), "5");
        EXPECT_EQ(d.txthfala.text(), "8");
        EXPECT_EQ(d.txtJanneRiviLkm.text(), "2");
        EXPECT_FALSE(d.txtJanneRiviLkm.enabled());
        EXPECT_FALSE(d.vsbRiviLkm.enabled());
        EXPECT_EQ(d.txtJanneLkm.text(), "12");
        EXPECT_EQ(d.txtRaudRiviLkm.text(), "2");
        EXPECT_EQ(d.txt_ypRaud_et_yp.text(), "40");
        EXPECT_FALSE(d.chkVaarnoitus.visible());
        EXPECT_FALSE(d.cbohkulma.visible());
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.SubFormChanged, 0);
}

TEST_F(SuperDialog, AngleSizeGivesBothLedgesAndThePlateWidth) {
    // Web 600 and angle 110: 600 + 2 (110) = 820; a typed 100 gives 800.
    open(d, [&] {
        ui.typeOver(d.cboLaippa1, "100");
        EXPECT_EQ(d.cbohkulma.text(), "100");
        // The seat 100 - 8 = 92 is short of joint grout 35 + support 65.
        expectQuestion("- Palkin leuka <=> saumavalu + tukipituus.\r\n", Answer::No);
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.AngleSteelHeight.number(), 100);
    EXPECT_EQ(m.LeftLedgeWidth.number(), 100);
    EXPECT_EQ(m.RightLedgeWidth.number(), 100);
    EXPECT_EQ(m.BottomFlangeWidth.number(), 800);
}

TEST_F(SuperDialog, StoredAngleSizeIsShownAndKept) {
    // A stored 120 opens as 120, so that OK after another edit does not
    // overwrite it with 110: the plate is 600 + 2 (120) = 840.
    m.AngleSteelHeight = 120;
    m.LeftLedgeWidth = 120;
    m.RightLedgeWidth = 120;
    open(d, [&] {
        EXPECT_EQ(d.cboLaippa1.text(), "120");
        EXPECT_EQ(d.cbohkulma.text(), "120");
        ui.typeOver(d.txtBYla, "60");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.AngleSteelHeight.number(), 120);
    EXPECT_EQ(m.LeftLedgeWidth.number(), 120);
    EXPECT_EQ(m.BottomFlangeWidth.number(), 840);
    EXPECT_EQ(m.TopFlangeWidth.number(), 60);
}

TEST_F(SuperDialog, WebWidthChosenFromTheListIsSaved) {
    m.BeamWidth = 500;
    open(d, [&] {
        EXPECT_EQ(d.cbobwbeam.text(), "500");
        ui.selectItem(d.cbobwbeam, 0);
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.SubFormChanged, 1);
    EXPECT_EQ(m.BeamWidth.number(), 600);
}

TEST_F(SuperDialog, BarRowsAreAtMostTwo) {
    m.TopRebarRowCount = 5;
    open(d, [&] {
        EXPECT_EQ(d.txtRaudRiviLkm.text(), "2");  // a stored count above 2 shows 2
        ui.spinUp(d.vsbYRiviLkm);
        EXPECT_EQ(d.vsbYRiviLkm.value(), 2);
        EXPECT_EQ(d.txtRaudRiviLkm.text(), "2");
        ui.paste(d.txtRaudRiviLkm, "5");  // not taken; leaving the box would refuse it
        EXPECT_EQ(d.vsbYRiviLkm.value(), 2);
        ui.paste(d.txtRaudRiviLkm, "1");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.TopRebarRowCount, 1);
}

TEST_F(SuperDialog, EveryStrandRowTheWindowShowsIsSaved) {
    // A project file with three strand rows: the count cannot be changed
    // here, but row 3 is shown and its edit must be saved.
    m.ReinforcementRowCount = 3;
    m.BarsInRow(3) = 4;
    m.BarArea(3) = 100;
    m.BarDistanceFromBottom(3) = 60;
    m.BarPrestress(3) = 1100;
    open(d, [&] {
        ui.typeOver(d.txtJanneRiviNo, "3");
        EXPECT_EQ(d.txtJanneLkm.text(), "4");
        ui.typeOver(d.txtJanneLkm, "6");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.ReinforcementRowCount, 3);
    EXPECT_EQ(m.BarsInRow(3), 6);
}

TEST_F(SuperDialog, LedgeCheckSubtractsThePlateFromTheAngle) {
    // Angle 110, plate 8: the seat is 102. Joint grout 35 + support 65 =
    // 100 fits; with support 70, 105 > 102.
    open(d, [&] {
        std::string lines;
        int16_t conflict = 0;
        d.CheckSuperFormInput(lines, conflict);
        EXPECT_EQ(conflict, 0);
        m.SlabSupportLength(2) = 70;
        d.CheckSuperFormInput(lines, conflict);
        EXPECT_EQ(lines, "- Palkin leuka <=> saumavalu + tukipituus.\r\n");
        ui.click(d.cmdPeruuta);
    });
}

TEST_F(SuperDialog, RowsAreMeasuredAgainstTheAngleSize) {
    // Angle 110: a row at 91 mm lies above 110 - 20 = 90; at 90 it does not.
    open(d, [&] {
        std::string lines;
        int16_t conflict = 0;
        ui.typeOver(d.txtJanneRiviNo, "2");
        ui.typeOver(d.txtJanne_et_ap, "91");
        ui.typeOver(d.txtRaudRiviNo, "2");
        ui.typeOver(d.txt_ypRaud_et_yp, "91");
        d.CheckSuperFormInput(lines, conflict);
        EXPECT_EQ(lines,
                  "- Palkin korkeus <=> jänneterästen sijoitus.\r\n- Palkin korkeus <=> raudoitteiden sijoitus.\r\n");
        ui.typeOver(d.txtJanne_et_ap, "90");
        ui.typeOver(d.txt_ypRaud_et_yp, "90");
        d.CheckSuperFormInput(lines, conflict);
        EXPECT_EQ(lines, "");
        // The bar row count typed down to 1 leaves row 2 out of the check.
        ui.typeOver(d.txt_ypRaud_et_yp, "95");
        ui.paste(d.txtRaudRiviLkm, "1");
        d.CheckSuperFormInput(lines, conflict);
        EXPECT_EQ(lines, "");
        ui.click(d.cmdPeruuta);
    });
}

TEST_F(SuperDialog, SlabLevelOfAnEdgeBeamIsTheRightSlabs) {
    // h 240 gives the beam level 260: a right slab of 265 without a gap
    // lies within 250..270. h 300 (level 320) is too high.
    m = projectOfType("BESUPER", false);
    m.SlabBottomGap(2) = 0;
    open(d, [&] {
        std::string lines;
        int16_t conflict = 0;
        d.CheckSuperFormInput(lines, conflict);
        EXPECT_EQ(lines, "");
        EXPECT_FALSE(d.txtVasenalkuvali.visible());
        ui.typeOver(d.cboh, "300");
        d.CheckSuperFormInput(lines, conflict);
        EXPECT_EQ(lines, "- Palkin korkeus <=> laattojen korkeus.\r\n");
        ui.click(d.cmdPeruuta);
    });
}

TEST_F(SuperDialog, RowDistanceDefaults) {
    // Strand area 100: d = 11.32, row 2: 40 + 22.64 = 62.64, rounded 63.
    // Bar area 314: d = 20.06, row 2: 30 + 40.12 = 70.12, rounded 70. Both
    // lie nearer the face than the type's own second rows, at 80: those.
    open(d, [&] {
        ui.typeOver(d.txtJanneRiviNo, "2");
        expectEmpty("80");
        ui.paste(d.txtJanne_et_ap, "");
        ui.tab();
        ui.typeOver(d.txtRaudRiviNo, "2");
        expectEmpty("80");
        ui.paste(d.txt_ypRaud_et_yp, "");
        ui.tab();
        ui.click(d.cmdPeruuta);
    });
}

TEST_F(SuperDialog, ValuesComeBackThroughTheProjectFile) {
    m.AngleSteelHeight = 120;
    m.LeftLedgeWidth = 120;
    m.RightLedgeWidth = 120;
    open(d, [&] {
        ui.typeOver(d.txthfYla, "6");
        ui.typeOver(d.txtBYla, "70");
        ui.typeOver(d.txtJanneLkm, "10");
        ui.typeOver(d.txt_ypRaud_kimmo, "205000");
        ui.click(d.cmdOK);
    });
    model::ProjectModel back = throughProjectFile(m);
    FrmSuperpalkki again(back, ui);
    open(again, [&] {
        EXPECT_EQ(again.cboLaippa1.text(), "120");
        EXPECT_EQ(again.txthfYla.text(), "6");
        EXPECT_EQ(again.txtBYla.text(), "70");
        EXPECT_EQ(again.txtJanneLkm.text(), "10");
        EXPECT_EQ(again.txt_ypRaud_kimmo.text(), "205000");
        ui.click(again.cmdPeruuta);
    });
}

}  // namespace
}  // namespace quorvel::dialogs::testing
