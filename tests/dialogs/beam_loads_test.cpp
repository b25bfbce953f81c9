// The beam loads dialog: line loads, the point-load count and number rules,
// deleting a point load, the placement check and the computed defaults.

#include "app/input_tools.h"
#include "dialog_fixture.h"
#include "dialogs/slabs/frm_kuormat.h"

namespace quorvel::dialogs::testing {
namespace {

const std::string LoadLine = "- Palkin kuormien sijoitus <=> palkin pituus.\r\n";
const std::string Question = "Haluatko jatkaa kuormien muokkausta?";

class BeamLoads : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        m.BeamSpan = 6000.0f;
    }
    void openLoads(std::function<void(frmKuormat&)> driver) { open<frmKuormat>(w.cmdKuormat, "frmKuormat", driver); }
    // Three point loads at 1000, 2000 and 3000 mm, permanent 10, 20, 30 kN.
    void threeLoads() {
        m.BeamPointLoadCount = 3;
        for (int p = 1; p <= 3; ++p) {
            m.BeamPointLoadX(p) = static_cast<float>(1000 * p);
            m.BeamPointLoad(1, p) = static_cast<float>(10 * p);
            m.BeamPointLoad(2, p) = static_cast<float>(p);
        }
    }
    void select(frmKuormat& d, int number) { ui.typeOver(d.txtPisteNo, std::to_string(number)); }
};

TEST_F(BeamLoads, EveryBoxEditedOnceGoesToItsField) {
    openLoads([&](frmKuormat& d) {
        EXPECT_FALSE(d.txtPisteX.enabled());  // no point loads in a new project
        retype(d.txtPysyvaviivag1, "1.5");
        retype(d.txtPysyvaviivag2, "2.5");
        retype(d.txtPysyvaviivaX, "500");
        retype(d.txtPysyvaviivaL, "4000");
        retype(d.txtMuuttuvaviivaq1, "3");
        retype(d.txtMuuttuvaviivaq2, "4");
        retype(d.txtMuuttuvaviivaX, "100");
        retype(d.txtMuuttuvaviivaL, "5900");
        ui.spinUp(d.vsbPisteLkm);
        ui.spinUp(d.vsbPisteLkm);
        EXPECT_EQ(d.txtPisteLkm.text(), "2");
        EXPECT_TRUE(d.txtPisteX.enabled());
        retype(d.txtPisteX, "1200");
        retype(d.txtPysyvapisteg, "11");
        retype(d.txtMuuttuvapisteq, "12");
        ui.spinUp(d.vsbPisteNo);
        EXPECT_EQ(d.txtPisteNo.text(), "2");
        retype(d.txtPisteX, "2400");
        retype(d.txtPysyvapisteg, "21");
        retype(d.txtMuuttuvapisteq, "22,5");
        ui.click(d.cmdOK);
    });
    EXPECT_FLOAT_EQ(m.BeamLineLoadG1, 1.5f);
    EXPECT_FLOAT_EQ(m.BeamLineLoadG2, 2.5f);
    EXPECT_EQ(m.BeamLineLoadGX.number(), 500.0);
    EXPECT_EQ(m.BeamLineLoadGLength.number(), 4000.0);
    EXPECT_EQ(m.BeamLineLoadQ1.number(), 3.0);
    EXPECT_EQ(m.BeamLineLoadQ2.number(), 4.0);
    EXPECT_EQ(m.BeamLineLoadQX.number(), 100.0);
    EXPECT_EQ(m.BeamLineLoadQLength.number(), 5900.0);
    EXPECT_EQ(m.BeamPointLoadCount, 2);
    EXPECT_EQ(m.BeamPointLoadX(1).number(), 1200.0);
    EXPECT_EQ(m.BeamPointLoad(1, 1).number(), 11.0);
    EXPECT_EQ(m.BeamPointLoad(2, 1).number(), 12.0);
    EXPECT_EQ(m.BeamPointLoadX(2).number(), 2400.0);
    EXPECT_EQ(m.BeamPointLoad(1, 2).number(), 21.0);
    EXPECT_EQ(m.BeamPointLoad(2, 2).number(), 22.5);
}

// A count of 0..5 is taken as it is typed; anything else changes nothing
// and is refused when the box is left, so no count is ever taken that the
// box does not show.
TEST_F(BeamLoads, TypedCountsAreZeroToFiveAndNothingElse) {
    openLoads([&](frmKuormat& d) {
        ui.paste(d.txtPisteLkm, "3");
        EXPECT_EQ(d.vsbPisteLkm.value(), 3);
        EXPECT_TRUE(d.txtPisteX.enabled());
        for (const char* typed : {"7", "-2", "1.5", "2,5", "99999", "abc"}) {
            ui.paste(d.txtPisteLkm, typed);
            EXPECT_EQ(d.vsbPisteLkm.value(), 3) << typed;
            ui.expectMessage(std::string("Pistekuormien määrä: Syöte ") + typed +
                                 (!app::readNumber(typed)             ? " ei ole luku"
                                  : std::string(typed).find_first_of(".,") != std::string::npos ? " ei ole kokonaisluku"
                                                                                     : " ei arvoalueella") +
                                 " (kokonaisluku 0<=...<=5)",
                             "Lukuarvovirhe", Buttons::Ok, Icon::Exclamation);
            ui.click(d.txtPysyvaviivag1);
            EXPECT_EQ(d.activeControl(), &d.txtPisteLkm) << typed;
            EXPECT_EQ(d.txtPisteLkm.text(), "3") << typed << ": the count kept";
        }
        ui.paste(d.txtPisteLkm, "0");
        EXPECT_FALSE(d.txtPisteX.enabled());
        ui.click(d.cmdPeruuta);
    });
    EXPECT_EQ(m.BeamPointLoadCount, 0);
}

// A count typed key by key that is not whole is refused when it is left and
// gives back the count before its first key, though that key had moved the
// count: "3,5" over one load adds none, "1,5" or "0.5" over three drops
// none, and the loads keep their values.
TEST_F(BeamLoads, ARefusedCountGivesBackTheCountBeforeItsFirstKey) {
    struct Case {
        int count;
        const char* typed;
        int movedTo;  // by the first key
    };
    for (const Case c : {Case{1, "3,5", 3}, Case{3, "1,5", 1}, Case{3, "0.5", 0}}) {
        SCOPED_TRACE(c.typed);
        threeLoads();
        m.BeamPointLoadCount = static_cast<int16_t>(c.count);
        openLoads([&](frmKuormat& d) {
            ui.typeOver(d.txtPisteLkm, c.typed);
            EXPECT_EQ(d.vsbPisteLkm.value(), c.movedTo);
            ui.expectMessage("Pistekuormien määrä: Syöte " + d.txtPisteLkm.text() +
                                 " ei ole kokonaisluku (kokonaisluku 0<=...<=5)",
                             "Lukuarvovirhe", Buttons::Ok, Icon::Exclamation);
            ui.tab();
            EXPECT_EQ(d.txtPisteLkm.text(), std::to_string(c.count));
            EXPECT_EQ(d.vsbPisteLkm.value(), c.count);
            EXPECT_TRUE(d.txtPisteX.enabled());
            select(d, c.count);
            EXPECT_EQ(d.txtPisteX.text(), std::to_string(1000 * c.count));
            ui.click(d.cmdOK);
        });
        EXPECT_EQ(m.BeamPointLoadCount, c.count);
        for (int p = 1; p <= c.count; ++p) {
            EXPECT_EQ(m.BeamPointLoadX(p).number(), 1000.0 * p);
            EXPECT_EQ(m.BeamPointLoad(1, p).number(), 10.0 * p);
        }
    }
}

// Deleting number 2 of three moves load 3 down; the record it frees is
// cleared, so raising the count brings back an empty load, not load 3
// twice.
TEST_F(BeamLoads, DeletingALoadMovesTheLaterOnesAndClearsTheFreedRecord) {
    threeLoads();
    openLoads([&](frmKuormat& d) {
        select(d, 2);
        ui.click(d.cmdPoista);
        EXPECT_EQ(d.txtPisteLkm.text(), "2");
        EXPECT_EQ(d.txtPisteNo.text(), "2");
        EXPECT_EQ(d.txtPisteX.text(), "3000");
        ui.spinUp(d.vsbPisteLkm);
        select(d, 3);
        EXPECT_EQ(d.txtPisteX.text(), "0");
        EXPECT_EQ(d.txtPysyvapisteg.text(), "0");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.BeamPointLoadCount, 3);
    EXPECT_EQ(m.BeamPointLoadX(1).number(), 1000.0);
    EXPECT_EQ(m.BeamPointLoadX(2).number(), 3000.0);
    EXPECT_EQ(m.BeamPointLoad(1, 2).number(), 30.0);
    EXPECT_EQ(m.BeamPointLoadX(3).number(), 0.0);
    EXPECT_EQ(m.BeamPointLoad(1, 3).number(), 0.0);
}

TEST_F(BeamLoads, DeletingTheLastLoadSelectsThePreviousAndTheOnlyOneEmptiesTheList) {
    threeLoads();
    openLoads([&](frmKuormat& d) {
        select(d, 3);
        ui.click(d.cmdPoista);
        EXPECT_EQ(d.txtPisteLkm.text(), "2");
        EXPECT_EQ(d.txtPisteNo.text(), "2");
        EXPECT_EQ(d.txtPisteX.text(), "2000");
        ui.click(d.cmdPoista);
        ui.click(d.cmdPoista);
        EXPECT_EQ(d.txtPisteLkm.text(), "0");
        EXPECT_EQ(d.txtPisteNo.text(), "1");
        EXPECT_FALSE(d.cmdPoista.enabled());
        EXPECT_FALSE(d.txtPisteX.enabled());
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.BeamPointLoadCount, 0);
    for (int p = 1; p <= 5; ++p) EXPECT_EQ(m.BeamPointLoadX(p).number(), 0.0) << p;
}

// Down to 0 and back to 1: what is typed goes to load 1, never to the
// placeholder record 0.
TEST_F(BeamLoads, ACountLoweredToZeroAndRaisedToOneEditsLoadOne) {
    m.BeamPointLoadCount = 1;
    m.BeamPointLoadX(1) = 500.0f;
    openLoads([&](frmKuormat& d) {
        ui.spinDown(d.vsbPisteLkm);
        EXPECT_EQ(d.txtPisteLkm.text(), "0");
        ui.spinUp(d.vsbPisteLkm);
        EXPECT_EQ(d.txtPisteNo.text(), "1");
        EXPECT_EQ(d.txtPisteX.text(), "500");
        retype(d.txtPysyvapisteg, "5");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.BeamPointLoadCount, 1);
    EXPECT_EQ(m.BeamPointLoadX(1).number(), 500.0);
    EXPECT_EQ(m.BeamPointLoad(1, 1).number(), 5.0);
}

// An emptied count box does not remove the loads the window still shows;
// an emptied number box shows the load it edits and changes nothing.
// An emptied count or number box keeps the loads, and is refused when it
// is left, so the window never closes on a count it does not show.
TEST_F(BeamLoads, EmptiedCountAndNumberBoxesKeepTheLoads) {
    threeLoads();
    openLoads([&](frmKuormat& d) {
        select(d, 2);
        ui.paste(d.txtPisteNo, "");
        EXPECT_EQ(d.txtPisteX.text(), "2000");
        ui.expectMessage("Pistekuorma no: Tyhjä kenttä ei kelpaa (kokonaisluku 1<=...<=5)", "Lukuarvovirhe",
                         Buttons::Ok, Icon::Exclamation);
        ui.click(d.cmdOK);
        ASSERT_TRUE(d.isLoaded());
        ui.paste(d.txtPisteNo, "2");
        ui.paste(d.txtPisteLkm, "");
        ui.expectMessage("Pistekuormien määrä: Tyhjä kenttä ei kelpaa (kokonaisluku 0<=...<=5)", "Lukuarvovirhe",
                         Buttons::Ok, Icon::Exclamation);
        ui.click(d.cmdOK);
        ASSERT_TRUE(d.isLoaded());
        ui.paste(d.txtPisteLkm, "3");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.BeamPointLoadCount, 3);
    EXPECT_EQ(m.BeamPointLoadX(2).number(), 2000.0);
    EXPECT_EQ(m.BeamPointLoadX(3).number(), 3000.0);
}

TEST_F(BeamLoads, LoadsBeyondTheSpanRaiseTheQuestionAndALoadAtTheEndPasses) {
    openLoads([&](frmKuormat& d) {
        retype(d.txtPysyvaviivaX, "1000");
        retype(d.txtPysyvaviivaL, "5000");  // ends at 6000: passes
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.BeamLineLoadGLength.number(), 5000.0);
    threeLoads();
    openLoads([&](frmKuormat& d) {
        select(d, 3);
        retype(d.txtPisteX, "6001");
        expectQuestion(LoadLine, Question, Answer::Yes);
        ui.click(d.cmdOK);
        EXPECT_TRUE(d.isLoaded());
        EXPECT_EQ(d.txtPisteX.text(), "6001");
        ui.escapeNext();  // Escape means the same: go on editing
        ui.click(d.cmdOK);
        EXPECT_TRUE(d.isLoaded());
        EXPECT_EQ(m.BeamPointLoadX(3).number(), 3000.0);  // nothing written yet
        retype(d.txtMuuttuvaviivaL, "7000");  // a second fault: still one line
        expectQuestion(LoadLine, Question, Answer::No);
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.BeamPointLoadX(3).number(), 6001.0);
    EXPECT_EQ(m.BeamLineLoadQLength.number(), 7000.0);
}

// A line load typed with x and L left at the 0 the dialog shows acts
// nowhere: OK asks; the emptied length box is
// the rest of the span, and then OK writes without a question.
TEST_F(BeamLoads, ALineLoadOfZeroLengthIsAContradictionUntilItsLengthIsGiven) {
    const std::string zeroLine =
        "- Palkin viivakuorma <=> viivakuorman pituus 0: nollan pituinen viivakuorma ei vaikuta mihinkään "
        "palkin kohtaan; anna sen pituus, tai tyhjennä ruutu jänteen loppuosalle.\r\n";
    openLoads([&](frmKuormat& d) {
        retype(d.txtPysyvaviivag1, "5");
        retype(d.txtPysyvaviivag2, "5");
        retype(d.txtMuuttuvaviivaq1, "2");
        retype(d.txtMuuttuvaviivaq2, "2");
        expectQuestion(zeroLine, Question, Answer::Yes);
        ui.click(d.cmdOK);
        EXPECT_TRUE(d.isLoaded());
        EXPECT_EQ(m.BeamLineLoadG1.number(), 0.0);  // nothing written yet
        // The permanent load gets the rest of the span; the variable one
        // still has none: one line.
        expectDefault("6000");
        ui.paste(d.txtPysyvaviivaL, "");
        ui.click(d.txtPysyvaviivag1);
        expectQuestion(zeroLine, Question, Answer::Yes);
        ui.click(d.cmdOK);
        retype(d.txtMuuttuvaviivaL, "3000");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.BeamLineLoadG1.number(), 5.0);
    EXPECT_EQ(m.BeamLineLoadGLength.number(), 6000.0);
    EXPECT_EQ(m.BeamLineLoadQLength.number(), 3000.0);
    // Answered No, the load is written as typed: Calculate asks again.
    m.BeamLineLoadQLength = 0.0;
    openLoads([&](frmKuormat& d) {
        retype(d.txtMuuttuvaviivaq1, "3");
        expectQuestion(zeroLine, Question, Answer::No);
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.BeamLineLoadQ1.number(), 3.0);
    EXPECT_EQ(m.BeamLineLoadQLength.number(), 0.0);
}

TEST_F(BeamLoads, OkAfterOnlyLookingStoresNothingEvenAfterTheQuestion) {
    m.BeamLineLoadGLength = 9000.0;
    openLoads([&](frmKuormat& d) {
        expectQuestion(LoadLine, Question, Answer::No);
        ui.click(d.cmdOK);
    });
    EXPECT_FALSE(m.BeamLineLoadGLength.isSingle());
    EXPECT_EQ(m.InputChanged, 0);
}

// Lengths default to the rest of the span from the typed start, a point
// load to mid-span; a start beyond the span gives no default below 0.
TEST_F(BeamLoads, EmptiedBoxesGetTheirComputedDefaults) {
    m.BeamPointLoadCount = 1;
    openLoads([&](frmKuormat& d) {
        retype(d.txtPysyvaviivaX, "1000");
        expectDefault("5000");
        ui.paste(d.txtPysyvaviivaL, "");
        ui.click(d.txtPysyvaviivag1);
        EXPECT_EQ(d.txtPysyvaviivaL.text(), "5000");
        expectDefault("3000");
        ui.paste(d.txtPisteX, "");
        ui.click(d.txtPysyvaviivag1);
        expectDefault("0");
        ui.paste(d.txtMuuttuvaviivaX, "");
        ui.click(d.txtPysyvaviivag1);
        retype(d.txtMuuttuvaviivaX, "8000");
        expectDefault("0");
        ui.paste(d.txtMuuttuvaviivaL, "");
        ui.click(d.txtPysyvaviivag1);
        ui.click(d.txtPysyvaviivag2);  // the default is accepted when left again
        ui.verify();
        ui.click(d.cmdPeruuta);
    });
    EXPECT_EQ(m.BeamLineLoadGLength.number(), 0.0);
}

}  // namespace
}  // namespace quorvel::dialogs::testing
