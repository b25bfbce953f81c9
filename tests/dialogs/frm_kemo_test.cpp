// The LBL beam dialog driven as a user types and clicks: the web-width
// rule, the height default from the slabs, the two row editors, the
// thin-plate warning, its check, and its values through the project file.

#include "dialogs/concrete-beams/frm_kemo.h"

#include "beam_dialog_fixture.h"

namespace quorvel::dialogs::testing {
namespace {

class LblDialog : public BeamDialogTest {
protected:
    model::ProjectModel m = projectOfType("LBL");
    FrmKemo d{m, ui};
};

TEST_F(LblDialog, ShowsTheModel) {
    open(d, [&] {
        EXPECT_EQ(d.cboBetoni.text(), "80");
        EXPECT_EQ(d.cboh.text(), "265");
        EXPECT_EQ(d.cboBala.text(), "480");  // 680 - 100 - 100
        EXPECT_EQ(d.txtBwbeam.caption(), "440");
        EXPECT_EQ(d.txtLaippa2.caption(), "100");
        EXPECT_EQ(d.cboLaippa1.text(), "100");
        EXPECT_EQ(d.txtJanneRiviLkm.text(), "2");
        EXPECT_EQ(d.txtJanneLkm.text(), "9");
        EXPECT_EQ(d.txtJanneA.text(), "100");
        EXPECT_EQ(d.txtJanne_et_ap.text(), "40");
        EXPECT_EQ(d.txtEsijannitys.text(), "1100");
        EXPECT_EQ(d.txtRaudRiviLkm.text(), "1");
        EXPECT_EQ(d.txt_ypRaudLkm.text(), "4");
        EXPECT_EQ(d.txt_ypRaudA.text(), "314");
        EXPECT_EQ(d.txt_ypRaud_et_yp.text(), "30");
        EXPECT_FALSE(d.chkVaarnoitus.enabled());
        EXPECT_EQ(d.changedFlag(), 0);
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.SubFormChanged, 0);
}

TEST_F(LblDialog, WebWidthFollowsHeightAndWidthBetweenLedges) {
    // bw = width - 10 * ((3 h / 20 + 5) \ 10): h 400 gives t = 65, w = 60,
    // and 580 - 60 = 520; h 200 gives t = 35, w = 30, 480 - 30 = 450.
    open(d, [&] {
        ui.selectItem(d.cboh, 3);
        ui.selectItem(d.cboBala, 1);
        EXPECT_EQ(d.txtBwbeam.caption(), "520");
        ui.typeOver(d.cboh, "200");
        ui.typeOver(d.cboBala, "480");
        EXPECT_EQ(d.txtBwbeam.caption(), "450");
        // 200 lies more than 10 mm below both 265 mm slabs.
        expectQuestion("- Palkin korkeus <=> laattojen korkeus.\r\n", Answer::No);
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.BeamWidth.number(), 450);
    EXPECT_EQ(m.BeamHeight.number(), 200);
    EXPECT_EQ(m.BottomFlangeWidth.number(), 680);  // 100 + 480 + 100
}

TEST_F(LblDialog, StoredWebWidthStaysWhileHeightAndWidthAreUntouched) {
    m.BeamWidth = 455;
    open(d, [&] {
        EXPECT_EQ(d.txtBwbeam.caption(), "455");
        ui.typeOver(d.txtAlalaippaLujuus, "400");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.BeamWidth.number(), 455);
    EXPECT_EQ(m.SteelStrength.number(), 400);
}

TEST_F(LblDialog, EmptyHeightTakesTheSlabsOfTheSidesInUse) {
    // The shipped catalogue: P27 265 mm, P32 320 mm; LBL slabs have no gap.
    m.SlabTypeName(1) = "P32";
    open(d, [&] {
        expectEmpty("320");
        ui.paste(d.cboh, "");
        ui.tab();
        ui.click(d.cmdPeruuta);
    });
    m.IsMiddleBeam = 0;
    FrmKemo edge{m, ui};
    open(edge, [&] {
        expectEmpty("265");
        ui.paste(edge.cboh, "");
        ui.tab();
        ui.click(edge.cmdPeruuta);
    });
    m.SlabTypeName(2) = "P99";
    FrmKemo unknown{m, ui};
    open(unknown, [&] {
        expectEmpty("265");
        ui.paste(unknown.cboh, "");
        ui.tab();
        ui.click(unknown.cmdPeruuta);
    });
}

TEST_F(LblDialog, ThinPlateIsWarnedAndKeptTooThinIsRefused) {
    open(d, [&] {
        ui.expectMessage("Ei suosilella alle 8 mm vahvuista alalaippaa!", ui.applicationTitle(), Buttons::Ok,
                         Icon::None);
        ui.typeOver(d.txthfala, "7");
        ui.tab();
        EXPECT_EQ(d.txthfala.text(), "7");
        expectRange("5", "6", "16 mm");
        ui.typeOver(d.txthfala, "5");
        ui.tab();
        ui.typeOver(d.txthfala, "10");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.BottomFlangeThickness.number(), 10);
}

TEST_F(LblDialog, StoredLedgeOfAnotherSizeIsOfferedAndKept) {
    // A stored ledge of 120 is not in the list "100": it is added and
    // selected, so OK after another edit keeps it.
    m.LeftLedgeWidth = 120;
    m.BottomFlangeWidth = 700;
    open(d, [&] {
        ASSERT_EQ(d.cboLaippa1.listCount(), 2);
        EXPECT_EQ(d.cboLaippa1.text(), "120");
        ui.typeOver(d.txtJannevali, "7000");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.LeftLedgeWidth.number(), 120);
    EXPECT_EQ(m.BottomFlangeWidth.number(), 700);  // 120 + 480 + 100
}

TEST_F(LblDialog, EdgeBeamOffersNoLedgeOrAHundredAndHidesTheLeftSpacings) {
    m = projectOfType("LBL", false);
    m.LeftLedgeWidth = 0;
    m.BeamSpacing(1, 1) = 5000;
    open(d, [&] {
        ASSERT_EQ(d.cboLaippa1.listCount(), 2);
        EXPECT_EQ(d.cboLaippa1.text(), "0");
        EXPECT_EQ(d.cboBala.list(0), "380");
        EXPECT_FALSE(d.txtVasenalkuvali.visible());
        EXPECT_FALSE(d.txtVasenloppuvali.visible());
        ui.typeOver(d.txtOikeaalkuvali, "6500");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.BeamSpacing(1, 1).number(), 5000);  // the hidden box written back
    EXPECT_EQ(m.BeamSpacing(2, 1).number(), 6500);
}

TEST_F(LblDialog, RowDistanceDefaultsAreCappedByTheHeight) {
    // Strand area 100: d = 2 sqrt(100 / 3.1215592654) = 11.32 mm. Row 2:
    // 40 + 2 (11.32) = 62.64, rounded 63. Top bar area 314: d = 20.06 mm;
    // row 1 gives 30; row 10 gives 30 + 18 (20.06) = 391.1, rounded 391,
    // which the cap h - 20 = 245 lowers.
    open(d, [&] {
        ui.typeOver(d.txtJanneRiviNo, "2");
        expectEmpty("63");
        ui.paste(d.txtJanne_et_ap, "");
        ui.tab();
        ui.paste(d.txtRaudRiviLkm, "10");
        ui.paste(d.txtRaudRiviNo, "10");
        ui.typeOver(d.txt_ypRaudA, "314");
        expectEmpty("245");
        ui.paste(d.txt_ypRaud_et_yp, "");
        ui.tab();
        ui.click(d.cmdPeruuta);
    });
}

TEST_F(LblDialog, CheckTakesTheRowCountsTheWindowShows) {
    // The model counts two strand rows; a third row typed at 300 mm lies
    // above h + hf - 20 = 265 + 8 - 20 = 253 and must be found.
    open(d, [&] {
        ui.typeOver(d.txtJanneRiviLkm, "3");
        ui.typeOver(d.txtJanneRiviNo, "3");
        ui.typeOver(d.txtJanne_et_ap, "300");
        ui.typeOver(d.txtRaudRiviLkm, "2");
        ui.typeOver(d.txtRaudRiviNo, "2");
        ui.typeOver(d.txt_ypRaud_et_yp, "250");  // above h - 20 = 245
        std::string lines;
        int16_t conflict = 0;
        d.CheckKemoFormInput(lines, conflict);
        EXPECT_EQ(lines,
                  "- Palkin korkeus <=> jänneterästen sijoitus.\r\n"
                  "- Palkin korkeus <=> yläpinnan raudoitteiden sijoitus.\r\n");
        ui.click(d.cmdPeruuta);
    });
}

TEST_F(LblDialog, CheckFindsLedgeWidthAndSlabLevel) {
    // Right ledge 100 against joint grout 20 + support 90; whole width
    // 100 + 480 + 100 = 680 against a spacing of 600; a height of 300
    // lies more than 10 mm above both 265 mm slabs.
    m.SlabSupportLength(2) = 90;
    open(d, [&] {
        ui.typeOver(d.txtOikealoppuvali, "600");
        ui.typeOver(d.cboh, "300");
        std::string lines;
        int16_t conflict = 0;
        d.CheckKemoFormInput(lines, conflict);
        EXPECT_EQ(conflict, 1);
        EXPECT_EQ(lines,
                  "- Palkin leuka <=> saumavalu + tukipituus.\r\n- Palkin leveys <=> palkkivälit.\r\n"
                  "- Palkin korkeus <=> laattojen korkeus.\r\n");
        ui.click(d.cmdPeruuta);
    });
}

TEST_F(LblDialog, OkWritesEveryTopRowWithItsLevelFromTheBottom) {
    m.TopRebarRowCount = 0;
    m.TopBarDistanceFromTop(3) = 50;
    m.TopBarPrestress(3) = 7;
    open(d, [&] {
        ui.typeOver(d.txtJanneRiviNo, "2");
        ui.typeOver(d.txtJanneLkm, "8");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.BarsInRow(2), 8);
    EXPECT_EQ(m.TopRebarRowCount, 0);
    // h + hf - from top: 265 + 8 - 50 = 223 for row 3, prestress 0.
    EXPECT_EQ(m.TopBarDistanceFromBottom(3).number(), 223);
    EXPECT_EQ(m.TopBarPrestress(3).number(), 0);
    EXPECT_EQ(m.ConcreteQualityClass(1).number(), 1);
}

TEST_F(LblDialog, SmallPrestressIsZeroInTheModelEvenAfterCancel) {
    m.BarPrestress(2) = 0.001;
    open(d, [&] { ui.click(d.cmdPeruuta); });
    EXPECT_EQ(m.BarPrestress(2).number(), 0);
}

TEST_F(LblDialog, ValuesComeBackThroughTheProjectFile) {
    open(d, [&] {
        ui.selectItem(d.cboh, 2);  // 320: web 480 - 50 = 430
        ui.typeOver(d.txthfala, "12");
        ui.typeOver(d.txtJanneRiviNo, "2");
        ui.typeOver(d.txtJanne_et_ap, "70");
        ui.typeOver(d.txt_ypRaud_et_yp, "35");
        ui.typeOver(d.cboBetoni, "100");
        expectQuestion("- Palkin korkeus <=> laattojen korkeus.\r\n", Answer::No);
        ui.click(d.cmdOK);
    });
    model::ProjectModel back = throughProjectFile(m);
    FrmKemo again(back, ui);
    open(again, [&] {
        EXPECT_EQ(again.cboh.text(), "320");
        EXPECT_EQ(again.txtBwbeam.caption(), "430");
        EXPECT_EQ(again.txthfala.text(), "12");
        EXPECT_EQ(again.cboBetoni.text(), "100");
        EXPECT_EQ(again.txt_ypRaud_et_yp.text(), "35");
        ui.typeOver(again.txtJanneRiviNo, "2");
        EXPECT_EQ(again.txtJanne_et_ap.text(), "70");
        ui.click(again.cmdPeruuta);
    });
}

}  // namespace
}  // namespace quorvel::dialogs::testing
