// The slab holes dialog: the count lists, the boxes' checks, and the
// placement check against the beam length and the slab spans.

#include "dialog_fixture.h"
#include "dialogs/slabs/frm_reiat.h"

namespace quorvel::dialogs::testing {
namespace {

const std::string LengthLine = "- Reikien sijainti <=> palkin pituus.\r\n";
const std::string SpacingLine = "- Reikien sijainti <=> palkivälit.\r\n";
const std::string Question = "Haluatko jatkaa reikien muokkausta?";

class Holes : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        m.BeamSpan = 6000.0f;
        for (int s = 1; s <= 2; ++s)
            for (int e = 1; e <= 2; ++e) m.BeamSpacing(s, e) = 7200.0f;
    }
    void openHoles(std::function<void(frmReiat&)> driver) { open<frmReiat>(w.cmdReiat, "frmReiat", driver); }
    // Puts one hole in the boxes: X, B, Y, A.
    void enter(frmReiat& d, platform::TextBox& x, platform::TextBox& b, platform::TextBox& y, platform::TextBox& a,
               const char* vx, const char* vb, const char* vy, const char* va) {
        retype(x, vx);
        retype(b, vb);
        retype(y, vy);
        retype(a, va);
        ui.click(d.txtReunanetaisyys1);
    }
};

TEST_F(Holes, TheCountEnablesAndWhitensTheHolesInUse) {
    openHoles([&](frmReiat& d) {
        EXPECT_FALSE(d.txtXReika21.enabled());
        ui.selectItem(d.cboOikeaReikienLkm, 1);
        for (platform::TextBox* b : {&d.txtXReika21, &d.txtBReika21, &d.txtYReika21, &d.txtAReika21}) {
            EXPECT_TRUE(b->enabled());
            EXPECT_EQ(b->backColor(), 0xFFFFFFu);
        }
        for (platform::TextBox* b : {&d.txtXReika22, &d.txtBReika22, &d.txtYReika22, &d.txtAReika22}) {
            EXPECT_FALSE(b->enabled());
            EXPECT_EQ(b->backColor(), 0xE0E0E0u);
        }
        EXPECT_EQ(d.shpReika21.fillColor(), 0xFFFFFFu);
        EXPECT_EQ(d.shpReika22.fillColor(), 0xE0E0E0u);
        ui.selectItem(d.cboOikeaReikienLkm, 0);
        EXPECT_FALSE(d.txtXReika21.enabled());
        EXPECT_EQ(d.shpReika21.fillColor(), 0xE0E0E0u);
        ui.click(d.cmdOK);
    });
    // A count changed and changed back is still a change: everything is stored.
    EXPECT_EQ(m.HoleCount(2), 0);
    EXPECT_EQ(m.InputChanged, -1);
}

TEST_F(Holes, EveryBoxGoesToItsFieldAndEmptiedBoxesGetTheirDefaults) {
    openHoles([&](frmReiat& d) {
        ui.selectItem(d.cboVasenReikienLkm, 2);
        ui.selectItem(d.cboOikeaReikienLkm, 1);
        enter(d, d.txtXReika11, d.txtBReika11, d.txtYReika11, d.txtAReika11, "100", "200", "300", "400");
        enter(d, d.txtXReika12, d.txtBReika12, d.txtYReika12, d.txtAReika12, "1100", "210", "310", "410");
        enter(d, d.txtXReika21, d.txtBReika21, d.txtYReika21, d.txtAReika21, "2100", "220", "320", "420");
        // Disabled boxes are stored too, as they stand.
        expectDefault("0");
        ui.paste(d.txtXReika11, "");
        ui.click(d.txtReunanetaisyys2);
        expectDefault("100");
        ui.paste(d.txtBReika11, "");
        ui.click(d.txtReunanetaisyys2);
        expectDefault("3600");
        ui.paste(d.txtReunanetaisyys2, "");
        ui.click(d.txtReunanetaisyys1);
        expectRange("-5", "0", "40000 mm");
        retype(d.txtReunanetaisyys1, "-5");
        ui.click(d.txtXReika12);
        EXPECT_EQ(d.activeControl(), &d.txtReunanetaisyys1);
        retype(d.txtReunanetaisyys1, "2500");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.HoleCount(1), 2);
    EXPECT_EQ(m.HoleCount(2), 1);
    EXPECT_EQ(m.HoleX(1, 1).number(), 0.0);
    EXPECT_EQ(m.HoleWidthB(1, 1).number(), 100.0);
    EXPECT_EQ(m.HoleY(1, 1).number(), 300.0);
    EXPECT_EQ(m.HoleLengthA(1, 1).number(), 400.0);
    EXPECT_EQ(m.HoleX(1, 2).number(), 1100.0);
    EXPECT_EQ(m.HoleLengthA(1, 2).number(), 410.0);
    EXPECT_EQ(m.HoleX(2, 1).number(), 2100.0);
    EXPECT_EQ(m.HoleY(2, 1).number(), 320.0);
    EXPECT_EQ(m.SlabFieldEdgeDistance1.number(), 2500.0);
    EXPECT_EQ(m.SlabFieldEdgeDistance2.number(), 3600.0);
}

// X + B equal to the span passes; one millimetre more asks, and Yes keeps
// the window open with nothing written.
TEST_F(Holes, AHoleBeyondTheBeamEndRaisesTheQuestion) {
    openHoles([&](frmReiat& d) {
        ui.selectItem(d.cboOikeaReikienLkm, 1);
        enter(d, d.txtXReika21, d.txtBReika21, d.txtYReika21, d.txtAReika21, "5600", "400", "100", "100");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.HoleWidthB(2, 1).number(), 400.0);
    openHoles([&](frmReiat& d) {
        retype(d.txtBReika21, "401");
        expectQuestion(LengthLine, Question, Answer::Yes);
        ui.click(d.cmdOK);
        EXPECT_TRUE(d.isLoaded());
        EXPECT_EQ(m.HoleWidthB(2, 1).number(), 400.0);
        expectQuestion(LengthLine, Question, Answer::No);
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.HoleWidthB(2, 1).number(), 401.0);
}

// Slab span from 7200 at the beam start to 6000 at its end over a 6000 mm
// beam: S(x) = 7200 - 1200 x / 6000, so S(3000) = 6600 and S(3400) = 6520.
// A hole at X = 3000 with B = 400 may reach Y + A = 6520.
TEST_F(Holes, TheSlabSpanRunsLinearlyBetweenTheBeamEnds) {
    m.BeamSpacing(1, 2) = 6000.0f;
    openHoles([&](frmReiat& d) {
        ui.selectItem(d.cboVasenReikienLkm, 1);
        enter(d, d.txtXReika11, d.txtBReika11, d.txtYReika11, d.txtAReika11, "3000", "400", "6000", "510");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.HoleLengthA(1, 1).number(), 510.0);
    openHoles([&](frmReiat& d) {
        retype(d.txtAReika11, "550");
        expectQuestion(SpacingLine, Question, Answer::Yes);
        ui.click(d.cmdOK);
        // Both rules fail: the length line first.
        retype(d.txtXReika11, "5700");
        expectQuestion(LengthLine + SpacingLine, Question, Answer::No);
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.HoleX(1, 1).number(), 5700.0);
}

TEST_F(Holes, AZeroSpanGivesTheLengthLineWithoutDividingByZero) {
    m.BeamSpan = 0.0f;
    openHoles([&](frmReiat& d) {
        ui.selectItem(d.cboOikeaReikienLkm, 1);
        enter(d, d.txtXReika21, d.txtBReika21, d.txtYReika21, d.txtAReika21, "0", "100", "100", "100");
        expectQuestion(LengthLine, Question, Answer::No);
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.HoleCount(2), 1);
}

TEST_F(Holes, ACountTheListsCannotShowIsHeldAndTheEdgeBeamLeftSideStaysAsLoaded) {
    m.HoleCount(1) = 7;
    m.HoleX(1, 1) = 5990.0f;
    // Beyond the span, but on an edge beam's hidden left side: no question
    // about holes the user cannot edit and the calculation takes nothing of.
    m.HoleWidthB(1, 1) = 100.0f;
    m.IsMiddleBeam = 0;
    openHoles([&](frmReiat& d) {
        EXPECT_EQ(d.cboVasenReikienLkm.text(), "2");
        EXPECT_FALSE(d.cboVasenReikienLkm.enabled());
        EXPECT_FALSE(d.txtXReika11.enabled());
        retype(d.txtReunanetaisyys1, "3000");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.HoleCount(1), 2);
    EXPECT_EQ(m.HoleX(1, 1).number(), 5990.0);
    EXPECT_EQ(m.SlabFieldEdgeDistance1.number(), 3000.0);
}

}  // namespace
}  // namespace quorvel::dialogs::testing
