// The support moments and the partial factors dialogs, driven from their
// main window commands.

#include "dialog_fixture.h"
#include "dialogs/slabs/frm_kertoimet.h"
#include "dialogs/slabs/frm_tukimomentit.h"

namespace quorvel::dialogs::testing {
namespace {

using SupportMoments = DialogTest;

TEST_F(SupportMoments, EveryBoxGoesToItsFieldInKilonewtonMetres) {
    const std::vector<std::pair<platform::TextBox frmTukimomentit::*, Value ProjectModel::*>> boxes = {
        {&frmTukimomentit::txtAlkupaaM_ennensaumausta, &ProjectModel::SupportMomentStartBeforeGrouting},
        {&frmTukimomentit::txtLoppupaaM_ennensaumausta, &ProjectModel::SupportMomentEndBeforeGrouting},
        {&frmTukimomentit::txtAlkupaaM_ennenpintakova, &ProjectModel::SupportMomentStartBeforeTopping},
        {&frmTukimomentit::txtLoppupaaM_ennenpintakova, &ProjectModel::SupportMomentEndBeforeTopping},
        {&frmTukimomentit::txtAlkupaaM_pysyva, &ProjectModel::SupportMomentStartPermanent},
        {&frmTukimomentit::txtLoppupaaM_pysyva, &ProjectModel::SupportMomentEndPermanent},
        {&frmTukimomentit::txtAlkupaaM_muuttuva, &ProjectModel::SupportMomentStartVariable},
        {&frmTukimomentit::txtLoppupaaM_muuttuva, &ProjectModel::SupportMomentEndVariable},
    };
    open<frmTukimomentit>(w.cmdTukimomentit, "frmTukimomentit", [&](frmTukimomentit& d) {
        for (std::size_t i = 0; i < boxes.size(); ++i)
            retype(d.*boxes[i].first, "-" + std::to_string(i + 1) + ".5");
        ui.click(d.cmdOK);
    });
    for (std::size_t i = 0; i < boxes.size(); ++i)
        EXPECT_EQ((m.*boxes[i].second).number(), -(static_cast<double>(i) + 1.5)) << i;
}

TEST_F(SupportMoments, LettersAndEmptyBoxesAreRefusedAndACommaIsADecimalMark) {
    m.SupportMomentEndVariable = 7.0f;
    open<frmTukimomentit>(w.cmdTukimomentit, "frmTukimomentit", [&](frmTukimomentit& d) {
        EXPECT_EQ(d.txtLoppupaaM_muuttuva.text(), "7");
        retype(d.txtAlkupaaM_ennensaumausta, "abc");  // typed letters are swallowed, each with a beep
        EXPECT_EQ(ui.beeps(), 3);
        EXPECT_EQ(d.txtAlkupaaM_ennensaumausta.text(), "");
        ui.paste(d.txtAlkupaaM_ennensaumausta, "abc");
        ui.expectMessage(
            "Tukimomentti ennen saumausta, alkupää: Syöte abc ei ole luku (-10000<=...<=10000 kNm)",
            "Lukuarvovirhe", Buttons::Ok, Icon::Exclamation);
        ui.click(d.cmdOK);
        ASSERT_TRUE(d.isLoaded());
        ui.paste(d.txtAlkupaaM_ennensaumausta, "-12.5");
        ui.paste(d.txtLoppupaaM_muuttuva, "");
        ui.expectMessage(
            "Tukimomentti muuttuvasta kuormasta, loppupää: Tyhjä kenttä ei kelpaa (-10000<=...<=10000 kNm)",
            "Lukuarvovirhe", Buttons::Ok, Icon::Exclamation);
        ui.click(d.cmdOK);
        ASSERT_TRUE(d.isLoaded());
        EXPECT_EQ(d.txtLoppupaaM_muuttuva.text(), "7");  // the moment kept
        ui.paste(d.txtLoppupaaM_muuttuva, "0");
        ui.paste(d.txtAlkupaaM_pysyva, "1,25");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.SupportMomentStartBeforeGrouting.number(), -12.5);
    EXPECT_EQ(m.SupportMomentEndVariable.number(), 0.0);
    EXPECT_EQ(m.SupportMomentStartPermanent.number(), 1.25);
}

TEST_F(SupportMoments, OkWithoutAnEditAndCancelAfterOneWriteNothing) {
    m.SupportMomentStartPermanent = 3.0;  // a double: a rewrite would store a single
    open<frmTukimomentit>(w.cmdTukimomentit, "frmTukimomentit", [&](frmTukimomentit& d) { ui.click(d.cmdOK); });
    EXPECT_FALSE(m.SupportMomentStartPermanent.isSingle());
    EXPECT_EQ(m.InputChanged, 0);
    open<frmTukimomentit>(w.cmdTukimomentit, "frmTukimomentit", [&](frmTukimomentit& d) {
        retype(d.txtAlkupaaM_pysyva, "99");
        ui.click(d.cmdPeruuta);
    });
    EXPECT_EQ(m.SupportMomentStartPermanent.number(), 3.0);
    open<frmTukimomentit>(w.cmdTukimomentit, "frmTukimomentit", [&](frmTukimomentit& d) {
        retype(d.txtAlkupaaM_pysyva, "99");
        ui.closeByFrame(d);
    });
    EXPECT_EQ(m.SupportMomentStartPermanent.number(), 3.0);
    EXPECT_EQ(m.InputChanged, 0);
}

using PartialFactors = DialogTest;

TEST_F(PartialFactors, EveryBoxEditedOnceGoesToItsField) {
    open<frmKertoimet>(w.cmdKertoimet, "frmKertoimet", [&](frmKertoimet& d) {
        EXPECT_EQ(d.CmbKfi.text(), "1");  // the stored 1.0, not the item "1.0"
        ui.selectItem(d.CmbKfi, 2);        // "0.9"
        retype(d.txtVarmg, "1.3");
        retype(d.txtVarmq, "1.7");
        retype(d.txtVarmlisa, "1.1");
        retype(d.txtVarmvasenlab, "1.25");
        retype(d.txtVarmoikealab, "1.35");
        retype(d.Txt_psii1, "0.5");
        retype(d.txtHajontakerr, "0.9");
        retype(d.txtwksall, "0");
        retype(d.txtPaasto, "0.8");
        ui.click(d.cmdOK);
    });
    EXPECT_FLOAT_EQ(m.ConsequenceClassFactorKfi, 0.9f);
    EXPECT_FLOAT_EQ(m.PartialFactorPermanent, 1.3f);
    EXPECT_FLOAT_EQ(m.PartialFactorVariable, 1.7f);
    EXPECT_FLOAT_EQ(m.AdditionalSafetyFactor, 1.1f);
    EXPECT_FLOAT_EQ(m.SlabSelfWeightFactor(1), 1.25f);
    EXPECT_FLOAT_EQ(m.SlabSelfWeightFactor(2), 1.35f);
    EXPECT_FLOAT_EQ(m.ImposedLoadPsi1, 0.5f);
    EXPECT_FLOAT_EQ(m.SlabTensileStrengthFactor, 0.9f);
    EXPECT_EQ(m.AllowedCrackWidth.number(), 0.0);
    EXPECT_FLOAT_EQ(m.ReleaseStrengthRatio, 0.8f);
    EXPECT_EQ(m.InputChanged, -1);
}

TEST_F(PartialFactors, OutOfRangeValuesAreRefusedAndKeepTheFocusAndEmptiedOnesGetTheirDefaults) {
    open<frmKertoimet>(w.cmdKertoimet, "frmKertoimet", [&](frmKertoimet& d) {
        expectRange("1.5", "0.9", "1.4");
        retype(d.txtVarmg, "1.5");
        ui.click(d.txtVarmq);
        EXPECT_EQ(d.txtVarmg.text(), "1.15");  // the factor kept
        EXPECT_EQ(d.activeControl(), &d.txtVarmg);
        ui.paste(d.txtVarmg, "");
        expectDefault("1.2");  // not the new project's 1.15
        ui.click(d.txtVarmq);
        EXPECT_EQ(d.txtVarmg.text(), "1.2");
        expectRange("1.9", "0.8", "1.8");
        retype(d.txtVarmq, "1.9");
        ui.click(d.txtHajontakerr);
        ui.paste(d.txtVarmq, "");
        expectDefault("1.6");
        ui.click(d.txtHajontakerr);
        expectRange("0.6", "0", "0.5 mm");
        retype(d.txtwksall, "0.6");
        ui.click(d.txtVarmg);
        ui.paste(d.txtwksall, "");
        expectDefault("0.2");
        ui.click(d.txtVarmg);
        ui.verify();
        ui.click(d.cmdPeruuta);
    });
    EXPECT_EQ(m.PartialFactorPermanent.number(), 1.15);
}

// K_FI, psi1 and the release ratio are checked: a factor of 0 or a per
// cent typed as 70 would scale every load or the bond strength.
TEST_F(PartialFactors, KfiPsi1AndReleaseRatioRefuseZeroAndPerCents) {
    open<frmKertoimet>(w.cmdKertoimet, "frmKertoimet", [&](frmKertoimet& d) {
        expectRange("0", "0.9", "1.1");
        ui.typeOver(d.CmbKfi, "0");
        ui.click(d.txtVarmg);
        EXPECT_EQ(d.activeControl(), &d.CmbKfi);
        // The annex's classes CC1 ... CC3 take 0.9 ... 1.1; 0.8 is below CC1.
        expectRange("0.8", "0.9", "1.1");
        ui.typeOver(d.CmbKfi, "0.8");
        ui.click(d.txtVarmg);
        EXPECT_EQ(d.activeControl(), &d.CmbKfi);
        ui.typeOver(d.CmbKfi, "1.05");
        ui.click(d.Txt_psii1);
        EXPECT_EQ(d.CmbKfi.text(), "1.05");
        ui.expectMessageMatching(quorvel::testing::afterFieldName("Syöte 70 ei arvoalueella (0<...<=1)"),
                                 "Lukuarvovirhe", Buttons::Ok, Icon::Exclamation);
        retype(d.Txt_psii1, "70");
        ui.click(d.txtPaasto);
        ui.expectMessageMatching(quorvel::testing::afterFieldName("Syöte 0 ei arvoalueella (0<...<=1)"), "Lukuarvovirhe", Buttons::Ok, Icon::Exclamation);
        retype(d.Txt_psii1, "0");
        ui.click(d.txtPaasto);
        retype(d.Txt_psii1, "1");
        ui.click(d.txtPaasto);
        ui.expectMessageMatching(quorvel::testing::afterFieldName("Syöte abc ei ole luku (0<...<=1)"), "Lukuarvovirhe", Buttons::Ok, Icon::Exclamation);
        ui.paste(d.txtPaasto, "abc");
        ui.click(d.txtVarmg);
        retype(d.txtPaasto, "0.75");
        ui.click(d.cmdOK);
    });
    EXPECT_FLOAT_EQ(m.ConsequenceClassFactorKfi, 1.05f);
    EXPECT_FLOAT_EQ(m.ImposedLoadPsi1, 1.0f);
    EXPECT_FLOAT_EQ(m.ReleaseStrengthRatio, 0.75f);
}

// OK pressed with Enter does not move the focus: the focused box is still
// checked before anything is written.
TEST_F(PartialFactors, EnterOnOkChecksTheFocusedBoxFirst) {
    open<frmKertoimet>(w.cmdKertoimet, "frmKertoimet", [&](frmKertoimet& d) {
        ui.paste(d.txtVarmg, "14");
        d.txtVarmg.setFocus();
        expectRange("14", "0.9", "1.4");
        ui.pressEnter();
        EXPECT_TRUE(d.isLoaded());
        ui.typeOver(d.txtVarmg, "1,3");  // the filter makes the comma a point
        ui.pressEnter();
    });
    EXPECT_FLOAT_EQ(m.PartialFactorPermanent, 1.3f);
}

TEST_F(PartialFactors, APastedCommaIsADecimalMarkAndTheEdgeBeamLeftFactorIsWrittenBack) {
    m.IsMiddleBeam = 0;
    m.SlabSelfWeightFactor(1) = 1.15f;
    open<frmKertoimet>(w.cmdKertoimet, "frmKertoimet", [&](frmKertoimet& d) {
        EXPECT_FALSE(d.txtVarmvasenlab.enabled());
        ui.paste(d.txtVarmoikealab, "1,1");
        ui.click(d.txtVarmq);
        EXPECT_EQ(d.txtVarmoikealab.text(), "1.1");
        ui.click(d.cmdOK);
    });
    EXPECT_FLOAT_EQ(m.SlabSelfWeightFactor(2), 1.1f);
    EXPECT_FLOAT_EQ(m.SlabSelfWeightFactor(1), 1.15f);
    EXPECT_TRUE(m.SlabSelfWeightFactor(1).isSingle());
}

}  // namespace
}  // namespace quorvel::dialogs::testing
