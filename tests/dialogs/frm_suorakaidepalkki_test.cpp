// The rectangular beam dialog driven as a user types and clicks: what it
// shows, what OK writes, the refused values, its contradiction check and
// the reinforcement row editor that the ledge beam dialog shares.

#include "dialogs/concrete-beams/frm_suorakaidepalkki.h"

#include "app/input_tools.h"
#include "beam_dialog_fixture.h"

namespace quorvel::dialogs::testing {
namespace {

class RectangularDialog : public BeamDialogTest {
protected:
    model::ProjectModel m = projectOfType("SUORA");
    FrmSuorakaidepalkki d{m, ui};
};

TEST_F(RectangularDialog, ShowsTheModelAndWritesEveryEditedBoxOnOk) {
    open(d, [&] {
        EXPECT_EQ(d.cboBetoni.text(), "60");
        EXPECT_EQ(d.cboBetoni.listIndex(), 2);
        EXPECT_EQ(d.cboLuokka.text(), "1");
        EXPECT_EQ(d.txtKorkeus.text(), "580");
        EXPECT_EQ(d.txtLeveys.text(), "380");
        EXPECT_EQ(d.txtRiviLkm.text(), "1");
        EXPECT_EQ(d.txtRiviNo.text(), "1");
        EXPECT_EQ(d.txtRaudLkm.text(), "4");
        EXPECT_EQ(d.txtRaudA.text(), "491");
        EXPECT_EQ(d.txtRaud_et_ap.text(), "38");
        EXPECT_EQ(d.txtEsijannitys.text(), "0");  // 0.001 in the defaults
        EXPECT_EQ(d.txtRaud_kimmo.text(), "200000");
        EXPECT_EQ(d.txtJannevali.text(), "6000");  // a new project's span
        EXPECT_EQ(d.changedFlag(), 0);

        ui.typeOver(d.cboBetoni, "45");
        ui.selectItem(d.cboLuokka, 2);
        ui.typeOver(d.txtKorkeus, "600");
        ui.typeOver(d.txtLeveys, "400");
        ui.spinUp(d.vsbRiviLkm);  // two rows
        EXPECT_EQ(d.txtRiviLkm.text(), "2");
        ui.spinUp(d.vsbRiviNo);  // row 2 shows the defaults' second row
        EXPECT_EQ(d.txtRiviNo.text(), "2");
        EXPECT_EQ(d.txtRaud_et_ap.text(), "48");
        ui.typeOver(d.txtRaudLkm, "3");
        ui.typeOver(d.txtRaudA, "314");
        ui.typeOver(d.txtRaud_et_ap, "90");
        ui.typeOver(d.txtEsijannitys, "5");
        ui.typeOver(d.txtRaud_kimmo, "199000");
        ui.typeOver(d.txtRaud_lujuus, "550");
        ui.typeOver(d.txtJannevali, "8000");
        ui.typeOver(d.txtVasenalkuvali, "6000");
        ui.typeOver(d.txtOikeaalkuvali, "6100");
        ui.typeOver(d.txtVasenloppuvali, "6200");
        ui.typeOver(d.txtOikealoppuvali, "6300");
        ui.click(d.chkVaarnoitus);
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.SubFormChanged, 1);
    EXPECT_EQ(m.BeamConcreteClass.number(), 45);
    EXPECT_EQ(m.ConcreteQualityClass(1).number(), 3);
    EXPECT_EQ(m.OverallBeamHeight.number(), 600);
    EXPECT_EQ(m.BeamWidth.number(), 400);
    EXPECT_EQ(m.ReinforcementRowCount, 2);
    EXPECT_EQ(m.BarsInRow(1), 4);
    EXPECT_EQ(m.BarsInRow(2), 3);
    EXPECT_EQ(m.BarArea(2).number(), 314);
    EXPECT_EQ(m.BarDistanceFromBottom(2).number(), 90);
    EXPECT_EQ(m.BarPrestress(2).number(), 5);
    EXPECT_EQ(m.ReinforcementModulus.number(), 199000);
    EXPECT_EQ(m.ReinforcementStrength.number(), 550);
    EXPECT_EQ(m.BeamSpan.number(), 8000);
    EXPECT_EQ(m.BeamSpacing(1, 1).number(), 6000);
    EXPECT_EQ(m.BeamSpacing(2, 1).number(), 6100);
    EXPECT_EQ(m.BeamSpacing(1, 2).number(), 6200);
    EXPECT_EQ(m.BeamSpacing(2, 2).number(), 6300);
    EXPECT_EQ(m.DowelsOnBeamTop, 1);
    EXPECT_EQ(m.JointGroutWidth(2).number(), 90);  // a middle beam's joint grout stays
}

TEST_F(RectangularDialog, CancelAndUneditedOkLeaveTheModel) {
    const model::ProjectModel before = m;
    open(d, [&] {
        ui.typeOver(d.txtLeveys, "500");
        ui.click(d.cmdPeruuta);
    });
    EXPECT_EQ(m.SubFormChanged, 0);
    EXPECT_EQ(m.BeamWidth.number(), 380);
    open(d, [&] {
        EXPECT_EQ(d.txtLeveys.text(), "380");  // the next opening shows the model again
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.SubFormChanged, 0);
    EXPECT_EQ(m.BarPrestress(1).number(), 0);  // the load's own write stays
    EXPECT_EQ(m.BeamSpan.number(), before.BeamSpan.number());
}

TEST_F(RectangularDialog, RefusedValueShowsItsMessageAndKeepsTheFocus) {
    open(d, [&] {
        expectRange("100", "180", "5000 mm");
        ui.typeOver(d.txtLeveys, "100");
        ui.tab();
        EXPECT_EQ(d.activeControl(), &d.txtLeveys);
        EXPECT_EQ(d.txtLeveys.text(), "380");  // the width kept
        // Emptied, it takes the default of a middle beam: both seats
        // 90 + 65 + 65 + 90 = 310, below 380, so 380.
        ui.paste(d.txtLeveys, "");
        expectEmpty("380");
        ui.tab();
        EXPECT_EQ(d.txtLeveys.text(), "380");
        ui.click(d.cmdPeruuta);
    });
}

TEST_F(RectangularDialog, OkByEnterChecksTheBoxStillBeingEdited) {
    open(d, [&] {
        expectRange("99999", "1000", "40000 mm");
        ui.typeOver(d.txtJannevali, "99999");
        ui.pressEnter();  // OK is the default button; the focus never left the box
        EXPECT_TRUE(d.isLoaded());
        EXPECT_EQ(d.activeControl(), &d.txtJannevali);
        EXPECT_EQ(d.txtJannevali.text(), "6000");
        ui.typeOver(d.txtJannevali, "8000");
        ui.click(d.cmdPeruuta);
    });
    EXPECT_EQ(m.BeamSpan.number(), 6000);
}

TEST_F(RectangularDialog, ContradictionQuestionYesKeepsEditingNoWrites) {
    // Middle beam, support length 65 and joint grout 90 on both sides: a
    // width of 300 is below the 310 the seats need.
    open(d, [&] {
        ui.typeOver(d.txtLeveys, "300");
        expectQuestion("- Palkin leveys <=> saumavalut + tukipituudet.\r\n", Answer::Yes);
        ui.click(d.cmdOK);
        EXPECT_TRUE(d.isLoaded());
        EXPECT_EQ(d.txtLeveys.text(), "300");
        EXPECT_EQ(m.BeamWidth.number(), 380);
        ui.typeOver(d.txtLeveys, "310");
        ui.click(d.cmdOK);  // 310 needs no question
    });
    EXPECT_EQ(m.BeamWidth.number(), 310);
    EXPECT_EQ(m.SubFormChanged, 1);
}

TEST_F(RectangularDialog, CheckFindsSpacingsAndRowsAboveTheTop) {
    open(d, [&] {
        std::string lines;
        int16_t conflict = 0;
        ui.typeOver(d.txtOikealoppuvali, "300");  // 380 wide > 300
        ui.typeOver(d.txtRaud_et_ap, "560");     // 580 < 560 + 30
        d.CheckRectangularBeamGeometry(lines, conflict);
        EXPECT_EQ(conflict, 1);
        EXPECT_EQ(lines, "- Palkin leveys <=> palkkivälit.\r\n- Palkin korkeus <=> raudoitteiden sijoitus.\r\n");
        ui.typeOver(d.txtOikealoppuvali, "7200");
        ui.typeOver(d.txtKorkeus, "590");
        d.CheckRectangularBeamGeometry(lines, conflict);
        EXPECT_EQ(conflict, 0);
        EXPECT_EQ(lines, "");
        // An emptied height box: 560 + 20 does not exceed 580.
        expectEmpty("580");
        ui.paste(d.txtKorkeus, "");
        ui.tab();
        ui.click(d.cmdPeruuta);
    });
}

TEST_F(RectangularDialog, LeftSpacingsCountOnlyOnAMiddleBeam) {
    m = projectOfType("SUORA", false);
    open(d, [&] {
        EXPECT_FALSE(d.txtVasenalkuvali.enabled());
        EXPECT_FALSE(d.txtVasenloppuvali.enabled());
        d.txtVasenalkuvali.setText("300");
        std::string lines;
        int16_t conflict = 0;
        d.CheckRectangularBeamGeometry(lines, conflict);
        EXPECT_EQ(lines, "");
        ui.click(d.cmdPeruuta);
    });
}

TEST_F(RectangularDialog, EdgeBeamWidthMovesTheRightJointGroutByHalfTheChange) {
    m = projectOfType("SUORA", false);
    const double grout = m.JointGroutWidth(2).number();
    open(d, [&] {
        ui.typeOver(d.txtLeveys, "480");
        ui.click(d.cmdOK);
    });
    EXPECT_DOUBLE_EQ(m.JointGroutWidth(2).number(), grout + 50);
}

TEST_F(RectangularDialog, EdgeBeamWidthDefaultFollowsTheSeat) {
    // Edge beam, width 380, support 65: joint grout 90 gives
    // max(380, 2 (65 + 90 - 190)) = 380; joint grout 400 gives
    // 2 (65 + 400 - 190) = 550.
    m = projectOfType("SUORA", false);
    m.JointGroutWidth(2) = 400;
    open(d, [&] {
        expectEmpty("550");
        ui.paste(d.txtLeveys, "");
        ui.tab();
        ui.click(d.cmdPeruuta);
    });
}

TEST_F(RectangularDialog, StoredValuesOutsideTheListsAreShownOrReset) {
    m.BeamConcreteClass = 45;
    m.ConcreteQualityClass(1) = 7;
    open(d, [&] {
        ASSERT_EQ(d.cboBetoni.listCount(), 4);
        EXPECT_EQ(d.cboBetoni.list(3), "45");
        EXPECT_EQ(d.cboBetoni.listIndex(), 3);
        EXPECT_EQ(d.cboLuokka.text(), "2");
        ui.click(d.cmdPeruuta);
    });
    EXPECT_EQ(m.ConcreteQualityClass(1).number(), 2);  // stays after cancel
    EXPECT_EQ(m.BeamConcreteClass.number(), 45);
}

TEST_F(RectangularDialog, StrengthPickedAndConfirmedWithEnterIsSaved) {
    open(d, [&] {
        ui.selectItem(d.cboBetoni, 0);  // "40", focus stays in the combo
        ui.pressEnter();
    });
    EXPECT_EQ(m.SubFormChanged, 1);
    EXPECT_EQ(m.BeamConcreteClass.number(), 40);
}

TEST_F(RectangularDialog, ClassChoiceAloneIsSaved) {
    open(d, [&] {
        ui.selectItem(d.cboLuokka, 1);
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.SubFormChanged, 1);
    EXPECT_EQ(m.ConcreteQualityClass(1).number(), 2);
}

// --- the row editor ---

// A bar row that does not fit the beam is refused at OK, and the focus goes
// to the box refused with its row shown, whichever row and box were shown:
// 8 bars of 25 mm need 8 * 25 + 7 * 25 + 2 * cover > 380 mm.
TEST_F(RectangularDialog, ARefusedBarRowTakesTheFocusWithItsRowShown) {
    open(d, [&] {
        ui.spinUp(d.vsbRiviLkm);  // two rows
        ui.spinUp(d.vsbRiviNo);
        ui.typeOver(d.txtRaudLkm, "8");
        ui.spinDown(d.vsbRiviNo);  // row 1 shown
        ui.click(d.txtKorkeus);
        ui.setStrict(false);
        ui.clearMessages();
        ui.click(d.cmdOK);
        ASSERT_EQ(ui.messages().size(), 1u);
        EXPECT_NE(ui.messages()[0].text.find("rivi 2: "), std::string::npos) << ui.messages()[0].text;
        EXPECT_EQ(d.activeControl(), &d.txtRaudLkm);
        EXPECT_EQ(d.txtRiviNo.text(), "2");
        EXPECT_EQ(d.txtRaudLkm.text(), "8");
        d.cmdPeruuta.fireClick();
    });
    EXPECT_EQ(m.SubFormChanged, 0);
}

// A count beyond 0..10 changes nothing and is refused when the box is
// left; 0 disables the rows.
TEST_F(RectangularDialog, RowCountOutsideTheRangeIsRefusedAndZeroDisablesTheRows) {
    open(d, [&] {
        const int count = d.vsbRiviLkm.value();
        for (const char* typed : {"25", "-3", "1E+30"}) {
            ui.paste(d.txtRiviLkm, typed);
            EXPECT_EQ(d.vsbRiviLkm.value(), count) << typed;
            ui.expectMessageMatching(quorvel::testing::afterFieldName(std::string("Syöte ") + typed +
                                                                      " ei arvoalueella (kokonaisluku 0<=...<=10)"),
                                     "Lukuarvovirhe", Buttons::Ok, Icon::Exclamation);
            ui.tab();
            EXPECT_EQ(d.activeControl(), &d.txtRiviLkm);
        }
        ui.paste(d.txtRiviLkm, "10");
        EXPECT_EQ(d.vsbRiviLkm.value(), 10);
        ui.paste(d.txtRiviLkm, "0");
        EXPECT_FALSE(d.ffraRaudoite.enabled());
        EXPECT_FALSE(d.txtRaudLkm.enabled());
        EXPECT_FALSE(d.txtRiviNo.enabled());
        ui.click(d.cmdPeruuta);
    });
}

TEST_F(RectangularDialog, LoweringTheCountHidesRowsWithoutLosingThem) {
    open(d, [&] {
        ui.typeOver(d.txtRiviLkm, "3");
        ui.typeOver(d.txtRiviNo, "3");
        ui.typeOver(d.txtRaud_et_ap, "77");
        ui.typeOver(d.txtRiviLkm, "2");
        EXPECT_EQ(d.vsbRiviNo.value(), 2);
        EXPECT_EQ(d.txtRiviNo.text(), "2");
        ui.typeOver(d.txtRiviLkm, "3");
        ui.typeOver(d.txtRiviNo, "3");
        EXPECT_EQ(d.txtRaud_et_ap.text(), "77");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.ReinforcementRowCount, 3);
    EXPECT_EQ(m.BarDistanceFromBottom(3).number(), 77);
}

TEST_F(RectangularDialog, EmptiedCountBoxIsRefusedByOkAndNeverSavesZeroRows) {
    // The count box emptied leaves the bar at 2; OK refuses the empty box
    // (which as 0 would save a beam without reinforcement) and keeps the
    // window open with the focus on it.
    open(d, [&] {
        ui.typeOver(d.txtRiviLkm, "2");
        ui.typeOver(d.txtRaud_et_ap, "560");  // row 2 at 560 under a 580 height
        d.txtRiviLkm.setText("");
        EXPECT_EQ(d.vsbRiviLkm.value(), 2);
        ui.expectMessage("Raudoiterivien määrä: Tyhjä kenttä ei kelpaa (kokonaisluku 0<=...<=10)", "Lukuarvovirhe",
                         Buttons::Ok, Icon::Exclamation);
        ui.click(d.cmdOK);
        ASSERT_TRUE(d.isLoaded());
        EXPECT_EQ(d.activeControl(), &d.txtRiviLkm);
        EXPECT_EQ(m.ReinforcementRowCount, 1);
        ui.paste(d.txtRiviLkm, "2");
        expectQuestion("- Palkin korkeus <=> raudoitteiden sijoitus.\r\n", Answer::No);
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.ReinforcementRowCount, 2);
}

// The rows the beam type fills take its own bar count (SUORA: four bars in
// rows 1 to 5); a row beyond them ten divided by the row.
TEST_F(RectangularDialog, EmptyBarCountTakesTheTypesOwnRowsThenTenDividedByTheRow) {
    open(d, [&] {
        ui.typeOver(d.txtRiviLkm, "6");
        for (auto [row, expected] : {std::pair{1, "4"}, {2, "4"}, {5, "4"}}) {
            ui.typeOver(d.txtRiviNo, std::to_string(row));
            expectEmpty(expected);
            ui.paste(d.txtRaudLkm, "");
            ui.tab();
            EXPECT_EQ(d.txtRaudLkm.text(), expected);
        }
        // Row 6 would get 1, which its own minimum 2 refuses: the default is
        // held to the minimum, so the box can be left again.
        ui.typeOver(d.txtRiviNo, "6");
        expectEmpty("2");
        ui.paste(d.txtRaudLkm, "");
        ui.tab();
        EXPECT_EQ(d.txtRaudLkm.text(), "2");  // the click below leaves it again
        ui.click(d.cmdPeruuta);
    });
}

TEST_F(RectangularDialog, EmptiedRowNumberBoxNeitherDividesByZeroNorLosesTheRow) {
    open(d, [&] {
        ui.typeOver(d.txtRiviLkm, "3");
        ui.typeOver(d.txtRiviNo, "2");
        ui.paste(d.txtRiviNo, "");  // the row shown stays 2
        EXPECT_EQ(d.vsbRiviNo.value(), 2);
        // Leaving the emptied number box is refused; the row is typed back.
        ui.expectMessage("Rivi: Tyhjä kenttä ei kelpaa (kokonaisluku 1<=...<=10)", "Lukuarvovirhe", Buttons::Ok,
                         Icon::Exclamation);
        ui.tab();
        EXPECT_EQ(d.activeControl(), &d.txtRiviNo);
        ui.paste(d.txtRiviNo, "2");
        expectEmpty("4");
        ui.paste(d.txtRaudLkm, "");
        ui.tab();
        ui.typeOver(d.txtRaudLkm, "7");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.BarsInRow(2), 7);
}

TEST_F(RectangularDialog, EmptyDistanceDefaultGrowsWithTheBarDiameter) {
    // Row 3, area 491: d = 2 sqrt(491 / 3.1215592654) = 25.0835 mm, so the
    // default is 30 + 2 d (3 - 1) = 130.33 mm (to 0.01); row 1 would give
    // 30, nearer the bottom than SUORA's own first row at 38, which it takes.
    open(d, [&] {
        ui.typeOver(d.txtRiviLkm, "3");
        ui.typeOver(d.txtRiviNo, "3");
        EXPECT_EQ(d.txtRaudA.text(), "491");
        ui.expectMessageMatching(".*: Tyhjä kenttä ei kelpaa, asetettu oletusarvo 130\\.33.*", "Lukuarvovirhe",
                                 Buttons::Ok, Icon::Exclamation);
        ui.paste(d.txtRaud_et_ap, "");
        ui.tab();
        EXPECT_NEAR(app::ParseNumber(d.txtRaud_et_ap.text(), '.'), 130.33, 0.01);
        ui.typeOver(d.txtRiviNo, "1");
        expectEmpty("38");
        ui.paste(d.txtRaud_et_ap, "");
        ui.tab();
        ui.click(d.cmdPeruuta);
    });
}

TEST_F(RectangularDialog, NegativeAreaGivesTheFirstRowDistanceWithoutARootOfANegative) {
    open(d, [&] {
        ui.typeOver(d.txtRiviLkm, "2");
        ui.typeOver(d.txtRiviNo, "2");
        d.txtRaudA.setText("-50");  // as if typed without leaving the box
        expectEmpty("48");  // 30 from no diameter; SUORA's own second row lies at 48
        ui.paste(d.txtRaud_et_ap, "");
        ui.tab();
        ui.click(d.cmdPeruuta);
    });
}

}  // namespace
}  // namespace quorvel::dialogs::testing
