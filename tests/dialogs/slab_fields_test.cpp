// The slab fields dialog: the slab type and strand lists, the boxes'
// limits and computed defaults by beam family, the copy buttons, the
// contradiction check and what OK writes.

#include "dialog_fixture.h"
#include "dialogs/slabs/frm_2ontelolaatasto.h"

namespace quorvel::dialogs::testing {
namespace {

const std::string Question = "Haluatko jatkaa laataston muokkausta?";

class SlabFields : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        // A catalogue of three types: A (strands 4, 6), B (5, 7, 9), C (none),
        // each of the section of the delivered P27, and the delivered strand
        // types 0 (12.5 mm), S (9.3 mm) and L (12.9 mm), all of 1860 MPa.
        m.SlabCatalogue.clear();
        for (const model::StrandType& t : {model::StrandType{"0", 12.5, 1860}, {"S", 9.3, 1860}, {"L", 12.9, 1860}})
            m.SlabCatalogue.appendStrandType(t);
        auto add = [&](const char* name, float support, std::vector<std::string> strands) {
            model::SlabTypeRecord r;
            r.Name = name;
            r.DefaultSupportLength = support;
            r.section = {6, 265, 35, 190, 105, 30, 135, 105, 1200, 20, 110, 45, 3.60};
            r.StrandCount = static_cast<int16_t>(strands.size());
            for (std::size_t k = 0; k < strands.size(); ++k) r.StrandNames(static_cast<int>(k)) = strands[k];
            m.SlabCatalogue.append(r);
        };
        add("A", 60, {"4", "6"});
        add("B", 80, {"5", "7", "9"});
        add("C", 100, {});
        m.SlabTypeCount = 3;
        for (int s = 1; s <= 2; ++s) {
            m.SlabTypeName(s) = "A";
            m.BottomStrandCode(s) = "6";
        }
    }
    void openFields(std::function<void(frm2Ontelolaatasto&)> driver) {
        open<frm2Ontelolaatasto>(w.cmdLaatasto, "frm2Ontelolaatasto", driver);
    }
    static std::vector<std::string> items(const platform::ComboBox& c) { return c.items(); }
};

// Initial stress at most min(0.8 fpk, 0.9 fp0.1k) (EN 1992-1-1 5.10.2.1): fpk 1860, fp0.1k =
// 0.88 x 1860 = 1636.8: min(1488, 1473.12) = 1473.12 MPa.
TEST_F(SlabFields, TheInitialStressIsHeldToTheStrandsLimit) {
    openFields([&](frm2Ontelolaatasto& d) {
        ui.expectMessage("Punosten alkujännitys, vasen: Syöte 1474 ei arvoalueella (500<=...<=1473.12 MPa)",
                         "Lukuarvovirhe", Buttons::Ok, Icon::Exclamation);
        retype(d.txtVasenjannitys, "1474");
        ui.click(d.txtOikeajannitys);
        EXPECT_EQ(d.activeControl(), &d.txtVasenjannitys);
        retype(d.txtVasenjannitys, "1473");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.StrandInitialStress(1).number(), 1473.0);
}

TEST_F(SlabFields, TheListsShowTheCatalogueAndTheStoredChoices) {
    m.SlabTypeName(2) = "B";
    m.BottomStrandCode(2) = "7";
    m.SlabConcreteClass(1) = 45.0f;
    openFields([&](frm2Ontelolaatasto& d) {
        EXPECT_EQ(items(d.cboOikealaattatyyppi), (std::vector<std::string>{"A", "B", "C"}));
        EXPECT_EQ(d.cboOikealaattatyyppi.text(), "B");
        EXPECT_EQ(items(d.cboOikeaalapunos), (std::vector<std::string>{"5", "7", "9"}));
        EXPECT_EQ(d.cboOikeaalapunos.text(), "7");
        EXPECT_EQ(items(d.cboVasenbetonilujuus), (std::vector<std::string>{"40", "50", "60", "45"}));
        EXPECT_EQ(d.cboVasenbetonilujuus.listIndex(), 3);
        // Another type refills the strand list and takes its first
        // designation, as the main window does; a type without any takes
        // 6, with the main window's message.
        ui.selectItem(d.cboOikealaattatyyppi, 0);
        EXPECT_EQ(items(d.cboOikeaalapunos), (std::vector<std::string>{"4", "6"}));
        EXPECT_EQ(d.cboOikeaalapunos.text(), "4");
        ui.expectMessage("Laattatyypille C ei ole anneetu punostietoja tiedostossa PUNOS.VAT!", ui.applicationTitle(),
                         Buttons::Ok, Icon::None);
        ui.selectItem(d.cboOikealaattatyyppi, 2);
        ui.verify();
        EXPECT_TRUE(items(d.cboOikeaalapunos).empty());
        EXPECT_EQ(d.cboOikeaalapunos.text(), "6");
        // An emptied support length takes the shown type's default.
        expectDefault("100");
        ui.paste(d.txtOikeatukipituus, "");
        ui.click(d.txtPintapaksuus);
        ui.click(d.cmdPeruuta);
    });
    EXPECT_EQ(m.SlabTypeName(2), "B");
}

// A project made with another catalogue keeps its slab type. (The dialog
// is shown on its own here: the main window's refresh after it follows
// rules of its own for such a type.)
TEST_F(SlabFields, AStoredTypeTheCatalogueLacksIsKept) {
    m.SlabTypeName(1) = "X99";
    frm2Ontelolaatasto d(m, ui);
    ui.showModal(d, [&] {
        EXPECT_EQ(items(d.cboVasenlaattatyyppi), (std::vector<std::string>{"A", "B", "C", "X99"}));
        EXPECT_EQ(d.cboVasenlaattatyyppi.text(), "X99");
        EXPECT_EQ(d.cboVasenalapunos.text(), "6");
        // Its empty support length gets the minimum, not a refused 0.
        expectDefault("20");
        ui.paste(d.txtVasentukipituus, "");
        ui.click(d.txtPintapaksuus);
        // Copying it to the right adds it to the right list.
        ui.click(d.cmdKopioioikealle);
        EXPECT_EQ(d.cboOikealaattatyyppi.text(), "X99");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.SlabTypeName(1), "X99");
    EXPECT_EQ(m.SlabTypeName(2), "X99");
    EXPECT_EQ(m.SlabSupportLength(1).number(), 20.0);
    EXPECT_EQ(m.SubFormChanged, 1);
}

TEST_F(SlabFields, EveryBoxEditedOnceGoesToItsFieldInItsUnit) {
    m.BeamSpan = 6000.0f;
    openFields([&](frm2Ontelolaatasto& d) {
        ui.selectItem(d.cboVasenlaattatyyppi, 1);
        ui.typeOver(d.cboVasenalapunos, "9");
        retype(d.txtVasenylapunos, "2S");
        retype(d.txtVasenjannitys, "1100");
        retype(d.txtVasenjannityshavio, "15");
        ui.typeOver(d.cboVasenbetonilujuus, "55");
        retype(d.txtVasenontelotaytto, "300");
        retype(d.txtVasenlaatanalavali, "12");
        retype(d.txtVasentukipituus, "70");
        retype(d.txtVasensaumavalu, "40");
        retype(d.txtOikeajannitys, "1000");
        ui.selectItem(d.cboSaumabetoni, 0);
        ui.selectItem(d.cboSaumaluokka, 2);
        ui.typeOver(d.cboPintabetoni, "35");
        ui.selectItem(d.cboPintaluokka, 0);
        retype(d.txtPintapaksuus, "60");
        retype(d.txtRaudoiteala, "200");
        retype(d.txtRaudoitelujuus, "600");
        retype(d.txtSaumanetaisyys, "-3000");
        ui.click(d.txtRaudoiteala);
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.SlabTypeName(1), "B");
    EXPECT_EQ(m.BottomStrandCode(1), "9");
    EXPECT_EQ(m.TopStrandCode(1), "2S");
    EXPECT_EQ(m.StrandInitialStress(1).number(), 1100.0);
    EXPECT_FLOAT_EQ(m.StrandPrestressLoss(1), 0.15f);
    EXPECT_EQ(m.SlabConcreteClass(1).number(), 55.0);
    EXPECT_EQ(m.CoreFillingLength(1).number(), 300.0);
    EXPECT_EQ(m.SlabBottomGap(1).number(), 12.0);
    EXPECT_EQ(m.SlabSupportLength(1).number(), 70.0);
    EXPECT_EQ(m.JointGroutWidth(1).number(), 40.0);
    EXPECT_EQ(m.StrandInitialStress(2).number(), 1000.0);
    EXPECT_EQ(m.JointConcreteClass.number(), 16.0);
    EXPECT_EQ(m.ConcreteQualityClass(3).number(), 3.0);
    EXPECT_EQ(m.ToppingConcreteClass.number(), 35.0);
    EXPECT_EQ(m.ConcreteQualityClass(6).number(), 1.0);
    EXPECT_EQ(m.ToppingThickness.number(), 60.0);
    EXPECT_EQ(m.ToppingReinforcementArea.number(), 200.0);
    EXPECT_EQ(m.ToppingReinforcementStrength.number(), 600.0);
    EXPECT_EQ(m.FirstJointDistance.number(), -3000.0);
    EXPECT_EQ(m.InputChanged, -1);
}

TEST_F(SlabFields, RangesOfTheLossTheSlabConcreteAndTheFirstJoint) {
    m.StrandPrestressLoss(2) = 0.2f;
    m.BeamSpan = 6000.0f;
    openFields([&](frm2Ontelolaatasto& d) {
        EXPECT_EQ(d.txtOikeajannityshavio.text(), "20");
        expectRange("60", "0", "50 %");
        retype(d.txtOikeajannityshavio, "60");
        ui.click(d.txtPintapaksuus);
        EXPECT_EQ(d.txtOikeajannityshavio.text(), "20");  // the loss kept
        ui.paste(d.txtOikeajannityshavio, "");
        expectDefault("20");
        ui.click(d.txtPintapaksuus);
        expectRange("95", "40", "90");
        ui.typeOver(d.cboOikeabetonilujuus, "95");
        ui.click(d.txtPintapaksuus);
        ui.typeOver(d.cboOikeabetonilujuus, "45");
        ui.click(d.txtPintapaksuus);
        EXPECT_EQ(d.cboOikeabetonilujuus.listIndex(), -1);
        retype(d.txtSaumanetaisyys, "3000");
        ui.click(d.txtPintapaksuus);
        expectRange("3001", "-3000", "3000 mm");
        retype(d.txtSaumanetaisyys, "3001");
        ui.click(d.txtPintapaksuus);
        EXPECT_EQ(d.txtSaumanetaisyys.text(), "3000");
        ui.paste(d.txtSaumanetaisyys, "");
        expectDefault("0");
        ui.click(d.txtPintapaksuus);
        ui.verify();
        ui.click(d.cmdPeruuta);
    });
}

// SUORA edge beam, BeamWidth 380, right support length 65: the seat is
// 380 / 2 - 15 = 175, so the right joint grout goes down to -175 and an
// emptied one gets 175 - 65 - 20 = 90; on the left the minimum is 0.
TEST_F(SlabFields, JointGroutLimitsOfAnEdgeBeamFollowTheSeat) {
    m.BeamTypeName = "SUORA";
    m.BeamCategory = 2;
    m.BeamWidth = 380.0f;
    m.IsMiddleBeam = 0;
    m.SlabSupportLength(2) = 65.0f;
    openFields([&](frm2Ontelolaatasto& d) {
        ui.expectMessage("Arvo alle 30!", "Saumavalu", Buttons::Ok, Icon::Exclamation);
        retype(d.txtOikeasaumavalu, "-175");
        ui.click(d.txtPintapaksuus);
        expectRange("-176", "-175", "500 mm");
        retype(d.txtOikeasaumavalu, "-176");
        ui.click(d.txtPintapaksuus);
        EXPECT_EQ(d.txtOikeasaumavalu.text(), "-175");  // the width kept
        expectDefault("90");
        ui.paste(d.txtOikeasaumavalu, "");
        ui.click(d.txtPintapaksuus);
        EXPECT_EQ(d.txtOikeasaumavalu.text(), "90");
        // The gap of a reinforced concrete beam defaults to 10.
        expectDefault("10");
        ui.paste(d.txtOikealaatanalavali, "");
        ui.click(d.txtPintapaksuus);
        ui.verify();
        EXPECT_FALSE(d.txtVasensaumavalu.enabled());
        ui.click(d.cmdPeruuta);
    });
}

// BLEUKA with RightLedgeDepth 150 and support 65: 150 - 15 - 65 - 20 = 50.
// An I beam (no seat) would give 0 - 65 - 20 = -85, below the minimum 0,
// so an emptied box would be refused every time it is left: it gets 0.
TEST_F(SlabFields, AnEmptiedJointGroutGetsADefaultItsCheckAccepts) {
    m.BeamTypeName = "BLEUKA";
    m.RightLedgeDepth = 150.0f;
    openFields([&](frm2Ontelolaatasto& d) {
        retype(d.txtOikeatukipituus, "65");
        expectDefault("50");
        ui.paste(d.txtOikeasaumavalu, "");
        ui.click(d.txtPintapaksuus);
        ui.verify();
        // The grout warning stands below 30 mm: 30 is silent, 29 warns.
        retype(d.txtOikeasaumavalu, "30");
        ui.click(d.txtPintapaksuus);
        ui.verify();
        ui.expectMessage("Arvo alle 30!", "Saumavalu", Buttons::Ok, Icon::Exclamation);
        retype(d.txtOikeasaumavalu, "29");
        ui.click(d.txtPintapaksuus);
        ui.verify();
        ui.click(d.cmdPeruuta);
    });
    m.BeamTypeName = "BI";
    openFields([&](frm2Ontelolaatasto& d) {
        expectDefault("0");
        ui.expectMessage("Arvo alle 30!", "Saumavalu", Buttons::Ok, Icon::Exclamation);
        ui.paste(d.txtVasensaumavalu, "");
        ui.click(d.txtPintapaksuus);
        ui.click(d.txtVasensaumavalu);
        ui.click(d.txtPintapaksuus);  // accepted now: only the warning again
        ui.verify();
        ui.click(d.cmdPeruuta);
    });
}

// Opening does not change the model: a stored class code outside 1..3
// shows as 2 and is stored as 2 only by OK.
TEST_F(SlabFields, AClassCodeOutsideTheListIsStoredAsTwoOnlyByOk) {
    m.ConcreteQualityClass(3) = 5;
    openFields([&](frm2Ontelolaatasto& d) {
        EXPECT_EQ(d.cboSaumaluokka.text(), "2");
        ui.click(d.cmdPeruuta);
    });
    EXPECT_EQ(m.ConcreteQualityClass(3).number(), 5.0);
    EXPECT_EQ(m.SubFormChanged, 0);
    openFields([&](frm2Ontelolaatasto& d) { ui.click(d.cmdOK); });
    EXPECT_EQ(m.ConcreteQualityClass(3).number(), 2.0);
    EXPECT_EQ(m.InputChanged, -1);
}

// A dialog that changed nothing changes nothing: OK after opening, or
// after a box was only entered and left, keeps the results and leaves the
// project unchanged. A designation is taken without the blanks around it,
// also by OK pressed with the focus in its box.
TEST_F(SlabFields, OkWithoutAnEditKeepsTheResultsAndDesignationsLoseTheirBlanks) {
    const struct {
        const char* what;
        std::function<void(frm2Ontelolaatasto&)> edit;
        bool changes;
    } cases[] = {
        {"nothing", [](frm2Ontelolaatasto&) {}, false},
        {"a box entered and left", [&](frm2Ontelolaatasto& d) { ui.click(d.txtVasenjannitys); ui.click(d.txtPintapaksuus); }, false},
        {"bottom designation with blanks",
         [&](frm2Ontelolaatasto& d) {
             retype(d.cboOikeaalapunos, " 4 ");
             ui.click(d.txtPintapaksuus);
             EXPECT_EQ(d.cboOikeaalapunos.text(), "4");
         },
         true},
        {"top designation with a trailing blank",
         [&](frm2Ontelolaatasto& d) {
             retype(d.txtVasenylapunos, "2 ");
             ui.click(d.cmdOK);  // OK with the focus still in the box
         },
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        m.ResultsValid = -1;
        m.InputChanged = 0;
        openFields([&](frm2Ontelolaatasto& d) {
            c.edit(d);
            if (d.isLoaded()) ui.click(d.cmdOK);
        });
        EXPECT_EQ(m.ResultsValid, c.changes ? 0 : -1);
        EXPECT_EQ(m.InputChanged, c.changes ? -1 : 0);
    }
    EXPECT_EQ(m.BottomStrandCode(2), "4");
    EXPECT_EQ(m.TopStrandCode(1), "2");
}

TEST_F(SlabFields, AMissingBottomStrandAsksAndNoKeepsTheStoredDesignation) {
    m.BottomStrandCode(1) = "4";
    m.BottomStrandCode(2) = "6";
    const std::string line = "- Ontelolaatan alpunoksen tunnus puuttuu => säilytetään tunnus ";
    openFields([&](frm2Ontelolaatasto& d) {
        ui.paste(d.cboOikeaalapunos, "");
        expectQuestion(line + "6\r\n", Question, Answer::Yes);
        ui.click(d.cmdOK);
        EXPECT_TRUE(d.isLoaded());
        ui.paste(d.cboVasenalapunos, "");
        expectQuestion(line + "4\r\n", Question, Answer::No);  // only the left line
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.BottomStrandCode(1), "4");
    EXPECT_EQ(m.BottomStrandCode(2), "6");
}

// A strand designation typed key by key is held to the catalogue's strand
// types and to what one layer of the section holds. P27 section: room
// b - db - 2 ap = 1200 - 20 - 90 = 1090 mm; pitch d + max(2 d, 20 mm):
// L 12.9 + 25.8 = 38.7 mm, 1090 / 38.7 = 28.2, 28 + 1 = 29 strands;
// 0 12.5 + 25 = 37.5 mm, 29.1, 30 strands. A refused text is named with
// its field and range and gives way to the designation the box held when
// it took the focus (an emptied bottom combo keeps the stored
// designation); OK, with the focus still in a refused box, refuses it too.
TEST_F(SlabFields, StrandDesignationsTypedAreHeldToTheCatalogueAndTheSection) {
    const std::string count = "punosten määrän on oltava kokonaisluku ";
    const struct {
        bool top;
        const char* typed;
        std::string refusal;  // empty: taken
    } cases[] = {
        {false, "-10L", "Alapunosten tunnus: tunnus -10L: " + count + "1...29 (punos L, 12.9 mm)"},
        {false, "2.5L", "Alapunosten tunnus: tunnus 2.5L: " + count + "1...29 (punos L, 12.9 mm)"},
        {false, "30L", "Alapunosten tunnus: tunnus 30L: " + count + "1...29 (punos L, 12.9 mm)"},
        {false, "0", "Alapunosten tunnus: tunnus 0: " + count + "1...30 (punos 0, 12.5 mm)"},
        {false, "10X", "Alapunosten tunnus: tunnus 10X: punosavainta X ei ole laattatiedostossa (avaimet: 0, S, L)"},
        {false, "29L", ""},
        {true, "-20", "Yläpunosten tunnus: tunnus -20: " + count + "0...30 (punos 0, 12.5 mm)"},
        {true, "1E3", "Yläpunosten tunnus: tunnus 1E3: " + count + "0...30 (punos 0, 12.5 mm)"},
        {true, "31", "Yläpunosten tunnus: tunnus 31: " + count + "0...30 (punos 0, 12.5 mm)"},
        {true, "30", ""},
    };
    openFields([&](frm2Ontelolaatasto& d) {
        std::string kept[2] = {d.cboVasenalapunos.text(), d.txtVasenylapunos.text()};
        for (const auto& c : cases) {
            SCOPED_TRACE(c.typed);
            platform::Control& box = c.top ? static_cast<platform::Control&>(d.txtVasenylapunos) : d.cboVasenalapunos;
            retype(box, c.typed);
            if (!c.refusal.empty())
                ui.expectMessage(c.refusal, "Virheellinen tunnus", Buttons::Ok, Icon::Exclamation);
            ui.click(d.txtVasenjannitys);
            ui.verify();
            if (c.refusal.empty()) kept[c.top] = c.typed;
            EXPECT_EQ(c.top ? d.txtVasenylapunos.text() : d.cboVasenalapunos.text(), kept[c.top]);
        }
        retype(d.txtOikeaylapunos, "-6");
        ui.expectMessage("Yläpunosten tunnus: tunnus -6: " + count + "0...30 (punos 0, 12.5 mm)", "Virheellinen tunnus",
                         Buttons::Ok, Icon::Exclamation);
        ui.click(d.cmdOK);
        ui.verify();
        EXPECT_TRUE(d.isLoaded());
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.BottomStrandCode(1), "29L");
    EXPECT_EQ(m.TopStrandCode(1), "30");
    EXPECT_EQ(m.TopStrandCode(2), "0");  // the refused -6 gave way to the 0 kept
}

// The seat of an HX beam is its ledge width: 65 + 90 = 155 > 100 gives the
// ledge line of the HX check; LB, KE and CW families take the plain check,
// whose seat is the beam width.
TEST_F(SlabFields, TheContradictionCheckOfTheBeamFamily) {
    m.BeamTypeName = "HX";
    m.RightLedgeWidth = 100.0f;
    m.LeftLedgeWidth = 400.0f;
    openFields([&](frm2Ontelolaatasto& d) {
        std::string lines;
        int16_t found = 0;
        d.CheckSlabFieldGeometry(lines, found);
        EXPECT_EQ(found, 1);
        EXPECT_EQ(lines.rfind("- Palkin leuka <=> saumavalu + tukipituus.\r\n", 0), 0u) << lines;
        ui.click(d.cmdPeruuta);
    });
    for (const char* type : {"LBL", "KEMO_UUSI", "CWQ"}) {
        m.BeamTypeName = type;
        m.BeamWidth = 100.0f;  // narrower than 2 x (65 + 90)
        openFields([&](frm2Ontelolaatasto& d) {
            std::string lines;
            int16_t found = 0;
            d.CheckSlabFieldGeometry(lines, found);
            EXPECT_EQ(lines.rfind("- Palkin leveys <=> saumavalut + tukipituudet.\r\n", 0), 0u) << type;
            ui.click(d.cmdPeruuta);
        });
    }
}

TEST_F(SlabFields, CopyMakesTheOtherFieldEqualAndOnlyOkStoresIt) {
    m.SlabTypeName(1) = "B";
    m.BottomStrandCode(1) = "9";
    m.CoreFillingLength(1) = 400.0f;
    openFields([&](frm2Ontelolaatasto& d) {
        retype(d.txtVasenjannityshavio, "18");
        ui.click(d.cmdKopioioikealle);
        EXPECT_EQ(d.cboOikealaattatyyppi.text(), "B");
        EXPECT_EQ(items(d.cboOikeaalapunos), (std::vector<std::string>{"5", "7", "9"}));
        EXPECT_EQ(d.cboOikeaalapunos.text(), "9");
        EXPECT_EQ(d.txtOikeaontelotaytto.text(), "400");
        EXPECT_EQ(d.txtOikeajannityshavio.text(), "18");
        EXPECT_EQ(m.SlabTypeName(2), "A");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.SlabTypeName(2), "B");
    EXPECT_EQ(m.BottomStrandCode(2), "9");
    EXPECT_EQ(m.CoreFillingLength(2).number(), 400.0);
    EXPECT_FLOAT_EQ(m.StrandPrestressLoss(2), 0.18f);
}

}  // namespace
}  // namespace quorvel::dialogs::testing
