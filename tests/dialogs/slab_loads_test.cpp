// The slab loads dialog: area loads, the four load groups with their count
// and number spin controls, load values as the project holds them, the
// topping weight.

#include "dialog_fixture.h"
#include "dialogs/slabs/frm_kuormat.h"
#include "dialogs/slabs/frm_laatankuormat.h"

namespace quorvel::dialogs::testing {
namespace {

[[maybe_unused]] constexpr int LeftPoint = 0, LeftLine = 1, RightPoint = 2, RightLine = 3;
[[maybe_unused]] constexpr int G = 0, Q = 1, X = 2, Y = 3;

// A slab load off its field, named with its side, number and position and
// the field's extent along the beam (E1 and E2 7200 mm by default).
std::string offField(const std::string& load, const std::string& fieldEnd) {
    return "- Laataston kuormien sijainti <=> laataston rajat: " + load +
           " mm: laatasto ulottuu palkin suunnassa välille y = -7200 ... " + fieldEnd + " mm.\r\n";
}
const std::string Question = "Haluatko jatkaa kuormien muokkausta?";

class SlabLoads : public DialogTest {
protected:
    void openLoads(std::function<void(frmLaatankuormat&)> driver) {
        open<frmLaatankuormat>(w.cmdLaatankuormat, "frmLaatankuormat", driver);
    }
    // The up arrow raises a count.
    void spinCount(platform::VScrollBar& bar, int steps) {
        for (int i = 0; i < std::abs(steps); ++i) steps > 0 ? ui.spinUp(bar) : ui.spinDown(bar);
    }
};

TEST_F(SlabLoads, EveryBoxEditedOnceGoesToItsField) {
    openLoads([&](frmLaatankuormat& d) {
        retype(d.txtVasenlaatastopysyva, "1.5");
        retype(d.txtOikealaatastopysyva, "1,75");
        retype(d.txtVasenlaatastomuuttuva, "3");
        retype(d.txtOikealaatastomuuttuva, "4");
        retype(d.txtReunanetaisyys1, "1200");
        retype(d.txtReunanetaisyys2, "1300");
        spinCount(d.vsbOikeaPistekuormienLkm, 1);
        retype(d.txtOikeaPysyvaPisteKuorma, "10");
        retype(d.txtOikeaMuuttuvaPisteKuorma, "20");
        retype(d.txtOikeaPisteX, "400");
        retype(d.txtOikeaPisteY, "2500");
        spinCount(d.vsbVasenViivakuormienLkm, 2);
        ui.spinUp(d.vsbVasenViivakuormienNro);
        retype(d.txtVasenPysyvaViivaKuorma, "3");
        retype(d.txtVasenMuuttuvaViivaKuorma, "4");
        retype(d.txtVasenViivaY, "1800");
        ui.click(d.cmdOK);
    });
    EXPECT_FLOAT_EQ(m.SlabImposedLoadPermanent(1), 1.5f);
    EXPECT_FLOAT_EQ(m.SlabImposedLoadPermanent(2), 1.75f);
    EXPECT_FLOAT_EQ(m.SlabImposedLoadVariable(1), 3.0f);
    EXPECT_FLOAT_EQ(m.SlabImposedLoadVariable(2), 4.0f);
    EXPECT_EQ(m.SlabFieldEdgeDistance1.number(), 1200.0);
    EXPECT_EQ(m.SlabFieldEdgeDistance2.number(), 1300.0);
    EXPECT_EQ(m.SlabPointLoadCount(2).number(), 1.0);
    EXPECT_EQ(m.SlabPointLoadG(1, 2).number(), 10.0);
    EXPECT_EQ(m.SlabPointLoadQ(1, 2).number(), 20.0);
    EXPECT_EQ(m.SlabPointLoadX(1, 2).number(), 400.0);
    EXPECT_EQ(m.SlabPointLoadY(1, 2).number(), 2500.0);
    EXPECT_EQ(m.SlabLineLoadCount(1).number(), 2.0);
    EXPECT_EQ(m.SlabLineLoadG(2, 1).number(), 3.0);
    EXPECT_EQ(m.SlabLineLoadQ(2, 1).number(), 4.0);
    EXPECT_EQ(m.SlabLineLoadY(2, 1).number(), 1800.0);
    EXPECT_EQ(m.SlabLineLoadG(1, 1).number(), 0.0);
}

// A load takes decimals and a box shows the load as the project holds it:
// a line load of 4.2 kN/m shows "4.2" and OK, after another box is changed,
// writes 4.2 back (not 4); 12.5 kN and "5,5" kN typed are taken as typed.
TEST_F(SlabLoads, LoadsTakeDecimalsAndKeepWhatTheProjectHolds) {
    m.SlabLineLoadCount(1) = 1.0f;
    m.SlabLineLoadG(1, 1) = 4.2;
    openLoads([&](frmLaatankuormat& d) {
        EXPECT_EQ(d.txtVasenPysyvaViivaKuorma.text(), "4.2");
        spinCount(d.vsbVasenPistekuormienLkm, 1);
        retype(d.txtVasenPysyvaPisteKuorma, "12.5");
        ui.paste(d.txtVasenMuuttuvaPisteKuorma, "5,5");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.SlabLineLoadG(1, 1).number(), 4.2);
    EXPECT_FLOAT_EQ(m.SlabPointLoadG(1, 1), 12.5f);
    EXPECT_FLOAT_EQ(m.SlabPointLoadQ(1, 1), 5.5f);
}

// A position beyond the range is refused with the range message: x across
// the slab field to the longest spacing (30 m), y along the beam to the
// longest span (40 m). A stored one beyond it is shown as stored, and OK
// refuses it until it is put within the range.
TEST_F(SlabLoads, ValuesBeyondTheRangeAreRefusedAndAHeldOneIsCheckedByOk) {
    m.SlabPointLoadCount(2) = 9.0f;
    m.SlabPointLoadY(1, 2) = 45000.0f;
    openLoads([&](frmLaatankuormat& d) {
        EXPECT_EQ(d.txtOikeaPistekuormienLkm.text(), "5");
        EXPECT_EQ(d.txtOikeaPisteY.text(), "45000");
        ui.expectMessage("Pistekuorman x, oikea: Syöte 40000 ei arvoalueella (kokonaisluku 0<=...<=30000 mm)",
                         "Lukuarvovirhe", Buttons::Ok, Icon::Exclamation);
        retype(d.txtOikeaPisteX, "40000");
        ui.click(d.txtOikeaPisteY);
        EXPECT_EQ(d.activeControl(), &d.txtOikeaPisteX);
        EXPECT_EQ(d.txtOikeaPisteX.text(), "0");  // the load's x kept
        EXPECT_EQ(d.tableValue(RightPoint, 1, X), 0);
        // Enter on OK checks the box first.
        ui.paste(d.txtOikeaPisteX, "-33000");
        ui.expectMessage("Pistekuorman x, oikea: Syöte -33000 ei arvoalueella (kokonaisluku 0<=...<=30000 mm)",
                         "Lukuarvovirhe", Buttons::Ok, Icon::Exclamation);
        ui.pressEnter();
        EXPECT_TRUE(d.isLoaded());
        retype(d.txtOikeaPisteX, "30000");
        ui.expectMessage("Pistekuorman y, oikea: Syöte 45000 ei arvoalueella (kokonaisluku 0<=...<=40000 mm)",
                         "Lukuarvovirhe", Buttons::Ok, Icon::Exclamation);
        ui.pressEnter();
        ASSERT_TRUE(d.isLoaded());
        EXPECT_EQ(d.activeControl(), &d.txtOikeaPisteY);
        retype(d.txtOikeaPisteY, "33000");
        // x 30 m across a 7.2 m field, y 33 m along a 7.2 m beam: off the
        // field, answered No.
        expectQuestion(offField("oikean laataston pistekuorma 1 (pysyvä 0 kN, muuttuva 0 kN), y = 33000", "13200"), Question, Answer::No);
        ui.pressEnter();
    });
    EXPECT_EQ(m.SlabPointLoadCount(2).number(), 5.0);
    EXPECT_EQ(m.SlabPointLoadX(1, 2).number(), 30000.0);
    EXPECT_EQ(m.SlabPointLoadY(1, 2).number(), 33000.0);
}

// A load where no slab field is asks at OK, as a beam load beyond the span
// does: 1000 kN at y = 30 000 mm along a 7.2 m beam whose field reaches
// 7.2 m beyond its end. Yes keeps the window open with nothing written; a
// load moved onto the field passes.
TEST_F(SlabLoads, ALoadWhereNoSlabFieldIsAsksAtOk) {
    m.BeamSpan = 7200.0;
    m.SlabFieldEdgeDistance2 = 7200.0;
    openLoads([&](frmLaatankuormat& d) {
        spinCount(d.vsbOikeaPistekuormienLkm, 1);
        retype(d.txtOikeaPysyvaPisteKuorma, "1000");
        retype(d.txtOikeaPisteX, "3600");
        retype(d.txtOikeaPisteY, "30000");
        expectQuestion(offField("oikean laataston pistekuorma 1 (pysyvä 1000 kN, muuttuva 0 kN), y = 30000", "14400"), Question, Answer::Yes);
        ui.click(d.cmdOK);
        EXPECT_TRUE(d.isLoaded());
        EXPECT_EQ(m.SlabPointLoadCount(2).number(), 0.0);
        retype(d.txtOikeaPisteY, "14400");  // at the field's edge
        spinCount(d.vsbVasenViivakuormienLkm, 1);
        retype(d.txtVasenViivaY, "14401");
        expectQuestion(offField("vasemman laataston viivakuorma 1 (pysyvä 0 kN/m, muuttuva 0 kN/m), y = 14401", "14400"), Question, Answer::Yes);
        ui.click(d.cmdOK);
        retype(d.txtVasenViivaY, "3600");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.SlabPointLoadY(1, 2).number(), 14400.0);
    EXPECT_EQ(m.SlabLineLoadY(1, 1).number(), 3600.0);
}

TEST_F(SlabLoads, LoweringACountClearsTheLoadsAboveIt) {
    m.SlabLineLoadCount(2) = 3.0f;
    for (int e = 1; e <= 5; ++e) m.SlabLineLoadG(e, 2) = static_cast<float>(e);
    openLoads([&](frmLaatankuormat& d) {
        // Loading clears what lies above the count.
        EXPECT_EQ(d.tableValue(RightLine, 4, G), 0);
        EXPECT_EQ(d.tableValue(RightLine, 3, G), 3);
        ui.spinUp(d.vsbOikeaViivakuormienNro);
        ui.spinUp(d.vsbOikeaViivakuormienNro);
        EXPECT_EQ(d.txtOikeaViivakuormienNro.text(), "3");
        spinCount(d.vsbOikeaViivakuormienLkm, -2);
        EXPECT_EQ(d.txtOikeaViivakuormienNro.text(), "1");
        EXPECT_FALSE(d.vsbOikeaViivakuormienNro.enabled());
        EXPECT_EQ(d.tableValue(RightLine, 2, G), 0);
        spinCount(d.vsbOikeaViivakuormienLkm, 2);
        ui.spinUp(d.vsbOikeaViivakuormienNro);
        EXPECT_EQ(d.txtOikeaPysyvaViivaKuorma.text(), "0");
        spinCount(d.vsbOikeaViivakuormienLkm, -3);
        EXPECT_FALSE(d.txtOikeaPysyvaViivaKuorma.visible());
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.SlabLineLoadCount(2).number(), 0.0);
    EXPECT_EQ(m.SlabLineLoadG(1, 2).number(), 0.0);
    EXPECT_EQ(m.SlabLineLoadG(3, 2).number(), 0.0);
}

// Down to 0 and up to 1: the selected load is load 1, and what is typed
// goes there, not to entry 0 (which is no load).
TEST_F(SlabLoads, ACountLoweredToZeroAndRaisedToOneEditsLoadOne) {
    m.SlabPointLoadCount(1) = 1.0f;
    m.SlabPointLoadG(0, 1) = 99.0f;
    openLoads([&](frmLaatankuormat& d) {
        spinCount(d.vsbVasenPistekuormienLkm, -1);
        spinCount(d.vsbVasenPistekuormienLkm, 1);
        EXPECT_EQ(d.txtVasenPistekuormienNro.text(), "1");
        retype(d.txtVasenPysyvaPisteKuorma, "7");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.SlabPointLoadG(1, 1).number(), 7.0);
    EXPECT_EQ(m.SlabPointLoadG(0, 1).number(), 99.0);
}

// An edge beam (right field only) with a 50 mm topping: 25 kN/m3 x 0.05 m
// = 1.250 kN/m2 on the right, 0 on the left; the model's own topping load
// is left for the calculation.
TEST_F(SlabLoads, EdgeBeamDisablesTheLeftAreaLoadsAndShowsTheToppingWeight) {
    m.IsMiddleBeam = 0;
    m.ToppingThickness = 50.0f;
    m.ToppingLoad(2) = 9.0f;
    m.SlabPointLoadCount(1) = 1.0f;
    openLoads([&](frmLaatankuormat& d) {
        EXPECT_EQ(d.txtgpinta1.caption(), "0.000");
        EXPECT_EQ(d.txtgpinta2.caption(), "1.250");
        EXPECT_FALSE(d.txtVasenlaatastopysyva.enabled());
        EXPECT_FALSE(d.vsbVasenPistekuormienLkm.enabled());
        EXPECT_TRUE(d.txtVasenPysyvaPisteKuorma.visible());
        EXPECT_TRUE(d.txtVasenPysyvaPisteKuorma.enabled());
        EXPECT_FALSE(d.txtVasenViivaY.visible());
        retype(d.txtVasenPysyvaPisteKuorma, "4");
        ui.click(d.cmdPeruuta);
    });
    EXPECT_EQ(m.ToppingLoad(2).number(), 9.0);
    EXPECT_EQ(m.SlabPointLoadG(1, 1).number(), 0.0);
    EXPECT_EQ(m.InputChanged, 0);
}

// Every count and number of the slab loads and beam loads dialogs behaves
// alike: the spinner goes up for more (two presses of the up arrow make two
// loads, one more on the number shows load 2, the down arrow goes back); a
// whole number typed into the box is taken at once, held to what the
// spinner reaches, and the arrow keys in the box spin it.
TEST_F(SlabLoads, EveryCountAndNumberIsSpunOrTypedAlike) {
    struct Pair {
        platform::TextBox* countBox;
        platform::VScrollBar* count;
        platform::TextBox* numberBox;
        platform::VScrollBar* number;
    };
    constexpr int Up = 38, Down = 40;
    auto check = [&](const char* dialog, const std::vector<Pair>& pairs) {
        for (const Pair& p : pairs) {
            SCOPED_TRACE(std::string(dialog) + " " + p.countBox->name());
            ui.spinUp(*p.count);
            ui.spinUp(*p.count);
            EXPECT_EQ(p.count->value(), 2);
            ui.spinUp(*p.number);
            EXPECT_EQ(p.number->value(), 2);
            ui.spinUp(*p.number);
            EXPECT_EQ(p.number->value(), 2) << "no load 3 of 2";
            ui.spinDown(*p.number);
            EXPECT_EQ(p.number->value(), 1);
            ui.spinDown(*p.count);
            EXPECT_EQ(p.count->value(), 1);

            ui.typeOver(*p.countBox, "3");
            EXPECT_EQ(p.count->value(), 3) << "a typed count";
            ui.typeOver(*p.numberBox, "5");
            EXPECT_EQ(p.number->value(), 3) << "a number beyond the count is held to it";
            EXPECT_EQ(p.numberBox->text(), "3");
            ui.pressKey(Down);
            EXPECT_EQ(p.number->value(), 2);
            ui.typeOver(*p.countBox, "4");
            ui.pressKey(Up);
            EXPECT_EQ(p.count->value(), 5);
            EXPECT_EQ(p.countBox->text(), "5");
            ui.pressKey(Down);
            ui.pressKey(Down);
            ui.tab();
            EXPECT_EQ(p.count->value(), 3);
            EXPECT_EQ(p.countBox->text(), "3");
        }
    };
    openLoads([&](frmLaatankuormat& d) {
        check("frmLaatankuormat",
              {{&d.txtVasenPistekuormienLkm, &d.vsbVasenPistekuormienLkm, &d.txtVasenPistekuormienNro,
                &d.vsbVasenPistekuormienNro},
               {&d.txtVasenViivakuormienLkm, &d.vsbVasenViivakuormienLkm, &d.txtVasenViivakuormienNro,
                &d.vsbVasenViivakuormienNro},
               {&d.txtOikeaPistekuormienLkm, &d.vsbOikeaPistekuormienLkm, &d.txtOikeaPistekuormienNro,
                &d.vsbOikeaPistekuormienNro},
               {&d.txtOikeaViivakuormienLkm, &d.vsbOikeaViivakuormienLkm, &d.txtOikeaViivakuormienNro,
                &d.vsbOikeaViivakuormienNro}});
        ui.click(d.cmdOK);
    });
    for (int side = 1; side <= 2; ++side) {
        EXPECT_EQ(m.SlabPointLoadCount(side).number(), 3.0) << side;
        EXPECT_EQ(m.SlabLineLoadCount(side).number(), 3.0) << side;
    }
    open<frmKuormat>(w.cmdKuormat, "frmKuormat", [&](frmKuormat& d) {
        check("frmKuormat", {{&d.txtPisteLkm, &d.vsbPisteLkm, &d.txtPisteNo, &d.vsbPisteNo}});
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.BeamPointLoadCount, 3);
}

}  // namespace
}  // namespace quorvel::dialogs::testing
